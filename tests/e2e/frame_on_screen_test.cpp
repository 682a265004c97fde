// The real program's first frame, read back from the screen: what the skin must show there, and
// that a player whose system is in another language reads it, and can use it, as in Chinese.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/misread_backup.h"
#include "runtime/bitmap_info.h"
#include "runtime/unique_handle.h"
#include "runtime/wide_text.h"
#include "tests/e2e/running_program.h"
#include "tests/support/temp_dir.h"

namespace {

struct Capture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF at(int x, int y) const { return pixels[y * width + x]; }
  int Luminance(int x, int y) const {
    COLORREF c = at(x, y);
    return (GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c)) / 10;
  }
  int CountWhite(int x0, int y0, int x1, int y1) const {
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (GetRValue(at(x, y)) > 235 && GetGValue(at(x, y)) > 235 && GetBValue(at(x, y)) > 235)
          ++n;
    return n;
  }
  double MeanLuminance(int x0, int y0, int x1, int y1) const {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) sum += Luminance(x, y);
    return sum / ((x1 - x0) * (y1 - y0));
  }
};

// The window's screen area as the screen shows it.
Capture CaptureWindow(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  Capture capture;
  capture.width = r.right - r.left;
  capture.height = r.bottom - r.top;
  runtime::WindowDC screen(nullptr);
  runtime::UniqueMemoryDC memory(CreateCompatibleDC(screen.get()));
  runtime::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), capture.width, capture.height));
  {
    runtime::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, capture.width, capture.height, screen.get(), r.left, r.top, SRCCOPY);
  }
  std::vector<RGBQUAD> bgra(static_cast<std::size_t>(capture.width) * capture.height);
  BITMAPINFO layout = runtime::TopDown32(capture.width, capture.height);
  GetDIBits(memory.get(), bitmap.get(), 0, capture.height, bgra.data(), &layout, DIB_RGB_COLORS);
  for (const RGBQUAD& p : bgra) capture.pixels.push_back(RGB(p.rgbRed, p.rgbGreen, p.rgbBlue));
  return capture;
}

// Paints run inside the program: reads the screen until two readings with the program idle in
// between agree on a drawn frame (bounded; how long it takes does not matter).
Capture SettledFrame(HWND window) {
  Capture c = CaptureWindow(window);
  for (int i = 0; i < 100; ++i) {
    DWORD_PTR ignored;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
    Sleep(100);
    Capture again = CaptureWindow(window);
    // Settled: the same twice, and the frame drawn (inside differs from the clipped corner).
    const bool settled = again.pixels == c.pixels && again.at(100, 50) != again.at(0, 100);
    c = std::move(again);
    if (settled) break;
  }
  return c;
}

TEST(FrameOnScreen, ShowsBandsCaptionButtonsTipLineAndTheRoundedOutline) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  const Capture c = SettledFrame(program.window());
  ASSERT_EQ(c.width, 500);
  ASSERT_EQ(c.height, 200);
  const int W = 500, H = 200;

  // The clip region cuts the two outer columns at the left and rows at the top: the desktop
  // shows there, the same as just beside the window.
  HDC screen = GetDC(nullptr);
  RECT r;
  GetWindowRect(program.window(), &r);
  const COLORREF desktop = GetPixel(screen, r.left - 1, r.top + 100);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(c.at(0, 100), desktop);
  EXPECT_EQ(c.at(100, 0), desktop);
  EXPECT_NE(c.at(100, 50), desktop);

  // The translucent white band makes the caption row brighter than the picture below it.
  EXPECT_GT(c.MeanLuminance(150, 5, 350, 28), c.MeanLuminance(150, 35, 350, 50) + 20);
  // The caption "澄远" in white bold at (28, 9), shown one pixel right and down.
  EXPECT_GT(c.CountWhite(29, 10, 29 + 28, 10 + 14), 20);
  // The close button's white cross, drawn one pixel below its hit rectangle at (W - 48, 3).
  EXPECT_GT(c.CountWhite(W - 48, 4, W - 11, 23), 8);
  // The icon at (5, 5), 20 x 20: not the band's plain gradient.
  EXPECT_GT(c.MeanLuminance(6, 6, 26, 26), 0);
  // The tip line, grey on the bottom band: mid-grey pixels where no picture detail is that grey.
  int grey = 0;
  for (int y = H - 24; y < H - 10; ++y)
    for (int x = 6; x < 300; ++x) {
      COLORREF p = c.at(x, y);
      int spread = std::max({GetRValue(p), GetGValue(p), GetBValue(p)}) -
                   std::min({GetRValue(p), GetGValue(p), GetBValue(p)});
      if (spread < 12 && c.Luminance(x, y) > 110 && c.Luminance(x, y) < 200) ++grey;
    }
  EXPECT_GT(grey, 50);
  // The two transparent labels in white over the frame.
  EXPECT_GT(c.CountWhite(21, 55, 386, 111), 200);
  EXPECT_GT(c.CountWhite(19, 127, 105, 151), 20);

  PostMessageA(program.window(), WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

HWND PathBox(HWND window) { return FindWindowExW(window, nullptr, L"Edit", nullptr); }

// What the path box holds: an edit control of another process answers WM_GETTEXT only.
std::wstring PathBoxText(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(PathBox(window), WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text));
  return text;
}

void TypeIntoPathBox(HWND window, const std::string& text) {
  SendMessageW(PathBox(window), WM_SETTEXT, 0,
               reinterpret_cast<LPARAM>(runtime::ToWide(text).c_str()));
}

// Types the characters into the emptied path box as a keyboard whose layout gives them does:
// through the system's input queue and the program's message loop.
void TypeIntoEmptyPathBoxByKeyboard(HWND window, const std::wstring& characters) {
  // A click gives the box the focus; posted messages come before the keys.
  TypeIntoPathBox(window, "");
  SetForegroundWindow(window);
  PostMessageW(PathBox(window), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageW(PathBox(window), WM_LBUTTONUP, 0, 0);
  std::vector<INPUT> keys;
  for (const wchar_t c : characters)
    for (const DWORD up : {0, KEYEVENTF_KEYUP})
      keys.push_back(
          {.type = INPUT_KEYBOARD, .ki = {.wScan = c, .dwFlags = KEYEVENTF_UNICODE | up}});
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  for (int i = 0; i < 20 && PathBoxText(window) != characters; ++i) Sleep(50);
}

// The frame the program draws itself, whatever the system's code page: all but its child windows
// and the path label (y 53 to 150, x from 386 beside the description), which take the system's
// default GUI font.
bool SameOwnDrawing(const Capture& a, const Capture& b) {
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if ((y < 53 || y > 150 || (x < 386 && y < 112)) && a.at(x, y) != b.at(x, y)) return false;
  return a.width == b.width && a.height == b.height;
}

constexpr char kOriginal[] = "[Core.System]\r\nPaths=../../../Engine/Content\r\n";

// The game's folder with the three files as the game left them after an optimize, and their
// backup as a build before this one left it on a system of the given code page: the folder and
// the absence record under the names that code page gave them.
std::string LeaveEarlierBackup(unsigned codePage) {
  const std::string game = e2e::FreshGameFolder();
  const bool misread = codePage != 936;
  const std::string backup =
      game + (misread ? app::MisreadBackupFolderName(codePage) : app::kBackupFolder) + "\\";
  CreateDirectoryW(runtime::ToWide(backup).c_str(), nullptr);
  for (const char* name : {"Engine.ini", "GameUserSettings.ini"}) {
    testing_support::WriteFileBytes(game + name, "[written]\r\n");
    testing_support::WriteFileBytes(backup + name, kOriginal);
  }
  testing_support::WriteFileBytes(game + "Scalability.ini", "[written]\r\n");
  testing_support::WriteFileBytes(
      backup + "Scalability.ini" + (misread ? app::MisreadAbsentSuffix(codePage) : ".不存在"), "");
  return game;
}

// Windows 10 and earlier take no code page from the manifest: in a copy without it the process
// runs in the system's, here 936, 950 and 1252. In each the program reads right: its texts, the
// frame it draws itself, typed Chinese, a folder named in any script typed into the box, a
// message; and the backup that a build before this one left under the name the system's code
// page gave it is found, and brings the originals back.
TEST(FrameOnScreen, EveryCodePageReadsRightAndUsesFoldersInAnyScript) {
  testing_support::TempDir copyFolder("无代码页");
  const std::string copy = e2e::CopyWithoutCodePage(copyFolder.path());
  Capture reference;
  {
    LeaveEarlierBackup(936);
    e2e::RunningProgram program(e2e::ProgramPath(), "zh_CN.UTF-8");
    ASSERT_NE(program.window(), nullptr);
    reference = SettledFrame(program.window());
  }
  const std::pair<const char*, unsigned> systems[] = {
      {"zh_CN.UTF-8", 936}, {"zh_TW.UTF-8", 950}, {"en_US.UTF-8", 1252}};
  for (const auto& [locale, codePage] : systems) {
    SCOPED_TRACE(locale);
    const std::string game = LeaveEarlierBackup(codePage);
    e2e::RunningProgram program(copy, locale);
    ASSERT_NE(program.window(), nullptr);
    std::vector<std::wstring> texts{e2e::WindowTextW(program.window())};
    for (HWND b = FindWindowExW(program.window(), nullptr, L"Button", nullptr); b;
         b = FindWindowExW(program.window(), b, L"Button", nullptr))
      texts.push_back(e2e::WindowTextW(b));
    EXPECT_EQ(texts,
              (std::vector<std::wstring>{L"澄远", L"低配优化", L"还原", L"普通优化", L"打开目录"}));
    EXPECT_EQ(PathBoxText(program.window()), runtime::ToWide(game));
    EXPECT_TRUE(SameOwnDrawing(SettledFrame(program.window()), reference));

    EXPECT_TRUE(IsWindowEnabled(program.Button("还原")));
    program.Click("还原");
    EXPECT_EQ(testing_support::ReadFileBytes(game + "Engine.ini"), kOriginal);
    EXPECT_FALSE(testing_support::PathExists(game + "Scalability.ini"));
    EXPECT_FALSE(app::BackupExists(game));
    if (codePage != 936) {
      EXPECT_FALSE(testing_support::PathExists(game + app::MisreadBackupFolderName(codePage)));
    }

    TypeIntoEmptyPathBoxByKeyboard(program.window(), L"中文");
    EXPECT_EQ(PathBoxText(program.window()), L"中文");

    testing_support::TempDir dir("Muñoz-한국");
    const std::string engine = kOriginal;
    testing_support::WriteFileBytes(dir.path() + "Engine.ini", engine);
    TypeIntoPathBox(program.window(), dir.path());
    program.Click("低配优化");
    EXPECT_NE(testing_support::ReadFileBytes(dir.path() + "Engine.ini"), engine);
    program.Click("还原");
    EXPECT_EQ(testing_support::ReadFileBytes(dir.path() + "Engine.ini"), engine);
    TypeIntoPathBox(program.window(), dir.path() + "不存在\\");
    program.Click("普通优化");
    EXPECT_EQ(program.answered(), (std::vector<std::pair<std::wstring, std::wstring>>{
                                      {L"信息：", L"备份失败，请以管理员身份运行本程序。"}}));
  }
}

// The skin's close button ends the program at once, with exit code 0.
TEST(FrameOnScreen, CloseButtonEndsTheProgram) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  const LPARAM onClose = MAKELPARAM(500 - 48 + 18, 3 + 9);
  PostMessageA(program.window(), WM_MOUSEMOVE, 0, onClose);
  PostMessageA(program.window(), WM_LBUTTONDOWN, MK_LBUTTON, onClose);
  PostMessageA(program.window(), WM_LBUTTONUP, 0, onClose);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
