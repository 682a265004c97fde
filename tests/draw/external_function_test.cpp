#include "draw/external_function.h"

#include <gtest/gtest.h>
#include <shellapi.h>

#include <cstdio>
#include <set>
#include <string>

#include "draw/api.h"
#include "draw/gdiplus_startup.h"
#include "runtime/seams.h"

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
                               "CreateStreamOnHGlobal", "SetWindowLongPtrA", "StretchBlt"})
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
  runtime::Seams().messageBox = [](HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
    fprintf(stderr, "owner=%p style=%u caption=[%s] text=[%s]", static_cast<void*>(owner), style,
            caption, text);
    return IDOK;
  };
  draw::ExternalFunction<decltype(::GetTickCount)> entry{library, name};
  entry();
}

TEST(ExternalFunctionDeathTest, MissingLibraryOrExportEndsWithTheRunTimeError) {
  EXPECT_EXIT(
      BindInChild("cy_no_such_library.dll", "Nothing"),
      testing::ExitedWithCode(-1),
      "owner=0+ style=16 caption=\\[错误\\] text=\\[运行时出错!\r\n\r\n错误信息："
      "无法找到指定DLL库文件“cy_no_such_library.dll”中的输出命令“Nothing”\\]");
  EXPECT_EXIT(
      BindInChild("User32.dll", "CyNoSuchExport"),
      testing::ExitedWithCode(-1),
      "无法找到指定DLL库文件“User32.dll”中的输出命令“CyNoSuchExport”\\]");
  EXPECT_EXIT(
      BindInChild("", "CyNoSuchExport"),
      testing::ExitedWithCode(-1),
      "style=16 caption=\\[错误\\] text=\\[运行时出错!\r\n\r\n错误信息："
      "无法找到指定DLL库文件中的输出命令“CyNoSuchExport”\\]");
  EXPECT_EXIT(
      BindInChild("Kernel32.dll", "#notanumber"),
      testing::ExitedWithCode(-1), "中的输出命令“#notanumber”\\]");
}

}  // namespace
