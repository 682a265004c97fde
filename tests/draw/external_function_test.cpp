#include "draw/external_function.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "draw/api.h"
#include "draw/gdiplus_startup.h"
#include "runtime/seams.h"
#include "runtime/wide_text.h"
#include "tests/support/seam_recorder.h"

namespace {

void* Export(const char* library, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(LoadLibraryA(library), name));
}

TEST(ExternalFunction, OrdinalNamesBindTheExportWithThatNumber) {
  // ws2_32 keeps the classic BSD ordinals: 9 is htons.
  draw::ExternalFunction<u_short WINAPI(u_short)> byOrdinal{"ws2_32.dll", "#9"};
  EXPECT_FALSE(byOrdinal.IsBound());
  EXPECT_EQ(byOrdinal(static_cast<u_short>(0x1234)), 0x3412);
  EXPECT_TRUE(byOrdinal.IsBound());
  EXPECT_EQ(byOrdinal.Address(), Export("ws2_32.dll", "htons"));
}

TEST(ExternalFunction, EmptyLibraryNameSearchesTheSystemLibraries) {
  draw::ExternalFunction<decltype(::GetTickCount)> fromKernel{"", "GetTickCount"};
  draw::ExternalFunction<decltype(::IsZoomed)> fromUser{"", "IsZoomed"};
  draw::ExternalFunction<decltype(::GetUserNameA)> fromAdvapi{"", "GetUserNameA"};
  // Exported by Kernel32 and by Advapi32: the first library in the list wins.
  draw::ExternalFunction<decltype(::RegCloseKey)> fromBoth{"", "RegCloseKey"};
  draw::ExternalFunction<decltype(::ShellExecuteA)> fromShell{"", "ShellExecuteA"};
  EXPECT_EQ(fromKernel.Address(), Export("Kernel32.dll", "GetTickCount"));
  EXPECT_EQ(fromUser.Address(), Export("User32.dll", "IsZoomed"));
  EXPECT_EQ(fromAdvapi.Address(), Export("Advapi32.dll", "GetUserNameA"));
  ASSERT_NE(Export("Advapi32.dll", "RegCloseKey"), nullptr);
  EXPECT_EQ(fromBoth.Address(), Export("Kernel32.dll", "RegCloseKey"));
  EXPECT_EQ(fromShell.Address(), Export("Shell32.dll", "ShellExecuteA"));
  EXPECT_FALSE(fromUser(nullptr));
}

TEST(ExternalFunction, AddressIsCachedAndCanBeReplacedForWatching) {
  draw::ExternalFunction<decltype(::GetTickCount)> entry{"Kernel32.dll", "GetTickCount"};
  void* first = entry.Address();
  EXPECT_EQ(entry.Address(), first);
  auto fake = +[]() WINAPI -> DWORD { return 7; };
  auto real = entry.Replace(fake);
  EXPECT_EQ(reinterpret_cast<void*>(real), first);
  EXPECT_EQ(entry(), 7u);
  entry.Replace(real);
  EXPECT_EQ(entry.Address(), first);
}

TEST(ExternalFunction, EveryTableEntryBindsAndLocalEntriesLeaveTheListWhenDestroyed) {
  std::set<std::string> names;
  size_t count = 0;
  {
    draw::ExternalFunction<decltype(::GetTickCount)> local{"Kernel32.dll", "GetTickCount"};
    bool localListed = false;
    for (auto* e = draw::ExternalFunctionBase::First(); e; e = e->Next()) {
      SCOPED_TRACE(std::string(e->library()) + "!" + e->name());
      // A wrong library or export name ends the process here with the run-time error.
      EXPECT_NE(e->Address(), nullptr);
      if (e == &local) localListed = true;
      names.insert(e->name());
      ++count;
    }
    EXPECT_TRUE(localListed);
  }
  EXPECT_EQ(names.size(), count) << "an export appears twice in the table";
  for (const char* expected : {"GdiplusStartup", "GdipDrawString", "AlphaBlend",
                               "CreateStreamOnHGlobal", "SetWindowLongPtrW", "StretchBlt"})
    EXPECT_TRUE(names.count(expected)) << expected;
  size_t after = 0;
  for (auto* e = draw::ExternalFunctionBase::First(); e; e = e->Next()) ++after;
  EXPECT_EQ(after, count - 1);
}

TEST(ExternalFunction, GdiplusIsStartedOnceWithAToken) {
  // The test environment started it through the table.
  EXPECT_NE(draw::GdiplusToken(), 0u);
  EXPECT_TRUE(draw::api::GdiplusStartup.IsBound());
}

// Runs in the child process of a death test: the message box goes to stderr, where the parent
// matches it, and then the entry is bound.
void BindInChild(const char* library, const char* name) {
  runtime::Seams().messageBox = testing_support::PrintMessageBox;
  draw::ExternalFunction<decltype(::GetTickCount)> entry{library, name};
  entry();
}

TEST(ExternalFunctionDeathTest, MissingLibraryOrExportEndsWithTheRunTimeError) {
  EXPECT_EXIT(BindInChild("cy_no_such_library.dll", "Nothing"), testing::ExitedWithCode(-1),
              "owner=0+ style=16 caption=\\[错误\\] text=\\[运行时出错!\r\n\r\n错误信息："
              "无法找到指定DLL库文件“cy_no_such_library.dll”中的输出命令“Nothing”\\]");
  EXPECT_EXIT(BindInChild("User32.dll", "CyNoSuchExport"), testing::ExitedWithCode(-1),
              "无法找到指定DLL库文件“User32.dll”中的输出命令“CyNoSuchExport”\\]");
  EXPECT_EXIT(BindInChild("", "CyNoSuchExport"), testing::ExitedWithCode(-1),
              "style=16 caption=\\[错误\\] text=\\[运行时出错!\r\n\r\n错误信息："
              "无法找到指定DLL库文件中的输出命令“CyNoSuchExport”\\]");
  EXPECT_EXIT(BindInChild("Kernel32.dll", "#notanumber"), testing::ExitedWithCode(-1),
              "中的输出命令“#notanumber”\\]");
}

// --- one report, whatever arrives while it is open ---

// In the child process of the death test: a shown window that paints, and handles mouse moves,
// through a table entry whose library is missing.
draw::ExternalFunction<decltype(::BeginPaint)>* g_missingBeginPaint = nullptr;
HWND g_paintingWindow = nullptr;
int g_reports = 0;

LRESULT CALLBACK PaintsThroughTheTable(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT || message == WM_MOUSEMOVE) {
    PAINTSTRUCT paint;
    (*g_missingBeginPaint)(hwnd, &paint);
    EndPaint(hwnd, &paint);
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The message box seam: records the report, then does what the box's own message loop would do
// meanwhile (deliver the window's paint and a mouse move), then calls the failing function again.
int WINAPI ReportThatReenters(HWND, LPCWSTR text, LPCWSTR, UINT) {
  fprintf(stderr, "[report %d: %s]", ++g_reports, runtime::ToNarrow(text).c_str());
  if (g_reports > 1) return IDOK;
  InvalidateRect(g_paintingWindow, nullptr, TRUE);
  PostMessageA(g_paintingWindow, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
  RedrawWindow(g_paintingWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  fprintf(stderr, "[delivered]");
  PAINTSTRUCT paint;
  (*g_missingBeginPaint)(g_paintingWindow, &paint);
  fprintf(stderr, "[returned]");
  return IDOK;
}

void PaintWithAMissingFunction() {
  static draw::ExternalFunction<decltype(::BeginPaint)> missing{"cy_missing_user32.dll",
                                                                "BeginPaint"};
  g_missingBeginPaint = &missing;
  runtime::Seams().messageBox = ReportThatReenters;
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = PaintsThroughTheTable;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "CyPaintsThroughTheTable";
  RegisterClassA(&windowClass);
  g_paintingWindow = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP | WS_VISIBLE, 0, 0,
                                     60, 40, nullptr, nullptr, windowClass.hInstance, nullptr);
  UpdateWindow(g_paintingWindow);
  fprintf(stderr, "[not painted]");
}

// Matches the child's stderr when each part occurs there as often as given.
class Occurrences : public testing::MatcherInterface<const std::string&> {
 public:
  explicit Occurrences(std::vector<std::pair<std::string, int>> expected)
      : expected_(std::move(expected)) {}
  bool MatchAndExplain(const std::string& text,
                       testing::MatchResultListener* listener) const override {
    for (const auto& [part, times] : expected_) {
      int count = 0;
      for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
      if (count != times) {
        *listener << "\"" << part << "\" occurs " << count << " time(s)";
        return false;
      }
    }
    return true;
  }
  void DescribeTo(std::ostream* out) const override {
    for (const auto& [part, times] : expected_) *out << "\"" << part << "\" " << times << "x; ";
  }

 private:
  std::vector<std::pair<std::string, int>> expected_;
};

TEST(ExternalFunctionDeathTest, OneReportWhateverArrivesWhileItIsOpen) {
  // The paint and the mouse move that the open report delivers run none of the window's code;
  // the failing function called again shows no second report and ends the process with -1.
  EXPECT_EXIT(PaintWithAMissingFunction(), testing::ExitedWithCode(-1),
              testing::MakeMatcher(new Occurrences({
                  {"[report 1: 运行时出错!\r\n\r\n错误信息：无法找到指定DLL库文件"
                   "“cy_missing_user32.dll”中的输出命令“BeginPaint”][delivered]",
                   1},
                  {"[report", 1},
                  {"[returned]", 0},
                  {"[not painted]", 0},
              })));
}

}  // namespace
