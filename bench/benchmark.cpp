// Measures start-up to the first complete frame and the peak working set of the program against
// the floor program (bench/floor.cpp), the floor that draws the whole first frame, and a plain
// window, one PaintFrame step by step, one
// RedrawButton, the optimize action on sample files, and the executable's size. Prints median and
// spread (min, 10th and 90th percentile, max) for each figure.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/game_process.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "app/texts.h"
#include "runtime/bitmap_info.h"
#include "runtime/dpi.h"
#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/string_format.h"
#include "draw/image.h"
#include "draw/surface.h"
#include "app/profiles.h"
#include "draw/gdiplus_startup.h"
#include "runtime/picture.h"
#include "runtime/seams.h"
#include "skin/skin_state.h"

namespace {

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Report(const char* name, std::vector<double> ms, const char* unit = "ms") {
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1) + 0.5)]; };
  std::printf("%-28s n=%-4zu median %8.3f %s  (min %.3f, p10 %.3f, p90 %.3f, max %.3f)\n", name,
              ms.size(), at(0.5), unit, ms.front(), at(0.1), at(0.9), ms.back());
  return at(0.5);
}

std::vector<double> Repeat(int runs, const std::function<void()>& prepare,
                           const std::function<void()>& measured) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const double start = Now();
    measured();
    times.push_back(Now() - start);
  }
  return times;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void RemoveBackup(const std::string& folder) {
  const std::string backup = folder + "墨鸢一键优化备份";
  for (const char* name : {"\\Engine.ini", "\\GameUserSettings.ini", "\\Scalability.ini"})
    DeleteFileA((backup + name).c_str());
  RemoveDirectoryA(backup.c_str());
}

void SeedSampleFiles(const std::string& folder) {
  RemoveBackup(folder);
  WriteBytes(folder + "Engine.ini", "[Core.System]\r\nPaths=../../../Engine/Content\r\n");
  WriteBytes(
      folder + "GameUserSettings.ini",
      "[/Script/TslGame.TslGameUserSettings]\r\nbUseVSync=False\r\n\r\n[ScalabilityGroups]\r\n"
      "sg.ResolutionQuality=100.000000\r\nsg.ViewDistanceQuality=3\r\n"
      "sg.AntiAliasingQuality=3\r\nsg.ShadowQuality=3\r\nsg.PostProcessQuality=3\r\n"
      "sg.TextureQuality=3\r\nsg.EffectsQuality=3\r\nsg.FoliageQuality=3\r\n");
  WriteBytes(folder + "Scalability.ini",
             "[TextureQuality@3]\r\nr.Streaming.MipBias=0\r\nr.MaxAnisotropy=16\r\n");
}

struct Launch {
  double firstFrameMs = 0;    // process start to the first capture of the frame that then stays
  double peakWorkingSet = 0;  // MB, read once the frame has stayed unchanged for kSettledMs
};

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The program's window at the screen's DPI (Wine gives every process the prefix's): 500 x 200
// at 96 DPI.
const int kDpi = ScreenDpi();
const int kWidth = runtime::Scaled(500, kDpi);
const int kHeight = runtime::Scaled(200, kDpi);
constexpr double kSettledMs = 600;

// The window area's pixels as one number; the edit box's inside is left out, since its caret
// blinks whenever the box has the focus.
std::uint64_t FrameHash(const std::uint32_t* pixels) {
  const int left = runtime::Scaled(111, kDpi), right = runtime::Scaled(310, kDpi);
  const int top = runtime::Scaled(131, kDpi), bottom = runtime::Scaled(147, kDpi);
  std::uint64_t hash = 1469598103934665603ull;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      if (x >= left && x < right && y >= top && y < bottom) continue;
      hash = (hash ^ pixels[y * kWidth + x]) * 1099511628211ull;
    }
  return hash;
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

HWND TopWindowOf(DWORD processId) {
  WindowSearch search{processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM parameter) -> BOOL {
        auto* s = reinterpret_cast<WindowSearch*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != s->processId || !IsWindowVisible(window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Starts command and watches the window's area in the middle of the screen, where the window
// comes up, until its pixels have stayed unchanged for kSettledMs: the first complete frame is
// the first capture equal to that settled one. The area is painted black first, so that a frame
// left from the last run does not count. work runs on the settled window before the peak working
// set is read, when given.
Launch MeasureLaunch(const std::string& command, const std::function<void(HWND)>& work = nullptr) {
  Launch result;
  HDC screen = GetDC(nullptr);
  const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
  const BITMAPINFO info = runtime::TopDown32(kWidth, kHeight);
  void* bits = nullptr;
  HBITMAP capture = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HDC memory = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(memory, capture);
  RECT area{left, top, left + kWidth, top + kHeight};
  FillRect(screen, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string line = command;
  const double start = Now();
  if (CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    std::vector<std::pair<double, std::uint64_t>> captures;
    double lastChange = start;
    HWND window = nullptr;
    while (Now() - start < 15000) {
      BitBlt(memory, 0, 0, kWidth, kHeight, screen, left, top, SRCCOPY);
      GdiFlush();
      const double at = Now();
      const std::uint64_t hash = FrameHash(static_cast<const std::uint32_t*>(bits));
      if (!captures.empty() && captures.back().second != hash) lastChange = at;
      captures.emplace_back(at, hash);
      if (!window) window = TopWindowOf(process.dwProcessId);
      // Settled: the window is there, its area has changed from the black fill, and has then
      // stayed the same for a while.
      if (window && lastChange > start && at - lastChange >= kSettledMs) break;
      Sleep(1);
    }
    std::size_t first = captures.size();
    while (first > 0 && captures[first - 1].second == captures.back().second) --first;
    if (window && lastChange > start && first < captures.size())
      result.firstFrameMs = captures[first].first - start;
    if (window && work) work(window);
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
    result.peakWorkingSet = counters.PeakWorkingSetSize / (1024.0 * 1024.0);
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
      TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  SelectObject(memory, previous);
  DeleteDC(memory);
  DeleteObject(capture);
  ReleaseDC(nullptr, screen);
  return result;
}

std::string Quoted(std::string path) { return "\"" + path + "\""; }

std::string WindowsPath(const char* path) {
  std::string result = "Z:" + std::string(path);
  std::replace(result.begin(), result.end(), '/', '\\');
  return result;
}

std::string ProgramPath() { return WindowsPath(CHENGYUAN_EXE); }
std::string FloorPath() { return WindowsPath(CHENGYUAN_FLOOR_EXE); }
std::string WholeFloorPath() { return WindowsPath(CHENGYUAN_FLOOR_WHOLE_EXE); }

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

double FileSizeMb(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes);
  return attributes.nFileSizeLow / (1024.0 * 1024.0);
}

int WINAPI SilentMessageBox(HWND, LPCWSTR, LPCWSTR, UINT) { return IDOK; }
HINSTANCE WINAPI SilentShell(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT) { return nullptr; }

// The optimize action, the start-up steps one by one, PaintFrame step by step, RedrawButton.
void MeasureInProcess() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "chengyuan_bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  Report("optimize action, low end",
         Repeat(
             50, [&] { SeedSampleFiles(folder); },
             [&] { app::OptimizeAction(folder, app::kLowSpecProfile); }));
  Report("game process check", Repeat(50, nullptr, [] { app::GameIsRunning(); }));
  Report("restore action after it", Repeat(
                                        50,
                                        [&] {
                                          SeedSampleFiles(folder);
                                          app::OptimizeAction(folder, app::kLowSpecProfile);
                                        },
                                        [&] { app::RestoreAction(folder); }));
  RemoveBackup(folder);

  {
    // The start-up steps once each, as the program runs them (this process has started GDI+
    // already), then the pieces of work inside them repeated.
    std::unique_ptr<runtime::Form> form;
    Report("form creation", Repeat(1, nullptr, [&] { form = app::LoadMainWindow(); }));
    Report("start-up handler", Repeat(1, nullptr, [&] { form->RunCreated(); }));
    Report("show and first paint", Repeat(1, nullptr, [&] {
             ShowWindow(form->window(), SW_SHOW);
             UpdateWindow(form->window());
           }));
    Report("  background decoded", Repeat(10, nullptr, [] {
             runtime::DecodePicture(app::pictures::kBackgroundJpeg,
                                    app::pictures::kBackgroundJpegSize, 0);
           }));
    Report("  panel picture decoded", Repeat(10, nullptr, [] {
             runtime::DecodePicture(app::pictures::kPanelPng, app::pictures::kPanelPngSize, 0);
           }));
    Report("  background erase, whole", Repeat(10, nullptr, [&] {
             HDC dc = GetDC(form->window());
             SendMessageA(form->window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
             ReleaseDC(form->window(), dc);
           }));
    Report("  button images, normal", Repeat(10, nullptr, [] { skin::LoadButtonImages(); }));
    const double paint = Report("PaintFrame", Repeat(100, nullptr, [] { skin::PaintFrame(); }));
    Report("RedrawButton", Repeat(200, nullptr, [] { skin::RedrawButton(1); }));

    // Where a paint's time goes: the frame's steps one by one on a surface of the frame's size.
    draw::图形 surface;
    surface.创建_自设备句柄(GetDC(form->window()), 500, 200);
    draw::GdipImage image;
    const std::span<const std::uint8_t> jpeg(app::pictures::kBackgroundJpeg,
                                             app::pictures::kBackgroundJpegSize);
    const std::span<const std::uint8_t> icon(app::pictures::kIconFile,
                                             app::pictures::kIconFileSize);
    Report("  frame surface", Repeat(30, nullptr, [&] {
             draw::图形 frame;
             frame.创建_自设备句柄(GetDC(form->window()), 500, 200);
           }));
    Report("  decode background JPEG", Repeat(30, nullptr, [&] { image.LoadFromBytes(jpeg); }));
    Report("  draw it stretched",
           Repeat(30, nullptr, [&] { surface.DrawImageRect(image, 1, 1, 500, 200); }));
    const double floorPaint = Report("  decode + draw stretched", Repeat(30, nullptr, [&] {
                                       image.LoadFromBytes(jpeg);
                                       surface.DrawImageRect(image, 1, 1, 500, 200);
                                     }));
    draw::GdipLinearBrush band;
    band.CreateFromRect({1, 1, 497, 197}, 0x32FFFFFF, 0xB4FFFFFF,
                        Gdiplus::LinearGradientModeHorizontal);
    Report("  one gradient band",
           Repeat(30, nullptr, [&] { surface.FillRectangle(band, 1, 0, 497, 30); }));
    Report("  decode icon", Repeat(30, nullptr, [&] { image.LoadFromBytes(icon); }));
    Report("  draw it at 20 x 20",
           Repeat(30, nullptr, [&] { surface.DrawImageRect(image, 5, 5, 20, 20); }));
    Report(
        "  font and the two texts", Repeat(30, nullptr, [&] {
          draw::GdipFont font;
          font.CreateFromFamilyName(skin::Seams().captionFontFamily, 12.0f, Gdiplus::FontStyleBold,
                                    Gdiplus::UnitPixel);
          draw::GdipSolidBrush brush;
          brush.Create(0xFFFFFFFF);
          const draw::GdipStringFormat format;
          surface.DrawString("澄远", font, brush, draw::RectF{28, 9, 0, 0}, format);
          surface.DrawString(app::texts::kTipLine, font, brush, draw::RectF{5, 175, 0, 0}, format);
        }));
    Report("  show on the window",
           Repeat(30, nullptr, [&] { surface.CopyToDevice(1, 1, 500, 198, SRCCOPY); }));
    std::printf("%-28s %.2f x one decode + one stretched draw\n", "PaintFrame", paint / floorPaint);
  }
}

}  // namespace

// The floor under the program's figures: this executable started again as a plain window with
// GDI+ running and nothing else, measured the same way.
int RunBaselineWindow() {
  draw::StartGdiplus();
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
    if (m == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(w, m, wp, lp);
  };
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = "BaselineWindow";
  RegisterClassExA(&wc);
  CreateWindowExA(0, wc.lpszClassName, "baseline", WS_POPUP | WS_VISIBLE,
                  (GetSystemMetrics(SM_CXSCREEN) - 500) / 2,
                  (GetSystemMetrics(SM_CYSCREEN) - 200) / 2, 500, 200, nullptr, nullptr,
                  wc.hInstance, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}

// Options: --start-up runs the start-up rounds only; --before <exe> adds an earlier build of
// the program to every round, so that a change is measured against it in the same run;
// --rounds <n> measures n rounds after the warm-up instead of 11.
int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--baseline-window") return RunBaselineWindow();
  bool startUpOnly = false;
  int rounds = 11;
  std::string before, beforePath;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--start-up") startUpOnly = true;
    if (option == "--rounds" && i + 1 < argc) rounds = std::max(1, std::atoi(argv[++i]));
    if (option == "--before" && i + 1 < argc) {
      beforePath = argv[++i];
      if (beforePath.front() == '/') beforePath = WindowsPath(beforePath.c_str());
      before = Quoted(beforePath);
    }
  }
  runtime::Seams().messageBox = SilentMessageBox;
  runtime::Seams().shellExecute = SilentShell;
  skin::CreateSkinObjects();
  draw::StartGdiplus();

  if (!startUpOnly) MeasureInProcess();

  // Start-up, alternating the program, the floor program, a plain window (and the earlier build)
  // round by round, so that the machine's load falls alike on all; the first round warms the
  // caches up.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string program = Quoted(ProgramPath());
  const std::string floor = Quoted(FloorPath());
  const std::string wholeFloor = Quoted(WholeFloorPath());
  const std::string plain = Quoted(self) + " --baseline-window";
  struct Series {
    std::vector<double> frame, peak, frameRatio, peakDifference;
  } programRuns, floorRuns, wholeFloorRuns, plainRuns, beforeRuns;
  // The program against the floor that draws the whole first frame, round by round.
  std::vector<double> programToWholeFrame, programToWholePeak;
  for (int round = 0; round <= rounds; ++round) {
    const Launch p = MeasureLaunch(program);
    const Launch f = MeasureLaunch(floor);
    const Launch w = MeasureLaunch(wholeFloor);
    const Launch b = MeasureLaunch(plain);
    const Launch e = before.empty() ? Launch{} : MeasureLaunch(before);
    if (round == 0 || p.firstFrameMs <= 0 || f.firstFrameMs <= 0 || w.firstFrameMs <= 0 ||
        b.firstFrameMs <= 0 || (!before.empty() && e.firstFrameMs <= 0))
      continue;
    for (auto [series, launch] : {std::pair{&programRuns, p},
                                  {&floorRuns, f},
                                  {&wholeFloorRuns, w},
                                  {&plainRuns, b},
                                  {&beforeRuns, e}}) {
      series->frame.push_back(launch.firstFrameMs);
      series->peak.push_back(launch.peakWorkingSet);
      series->frameRatio.push_back(launch.firstFrameMs / f.firstFrameMs);
      series->peakDifference.push_back(launch.peakWorkingSet - f.peakWorkingSet);
    }
    programToWholeFrame.push_back(p.firstFrameMs / w.firstFrameMs);
    programToWholePeak.push_back(p.peakWorkingSet - w.peakWorkingSet);
  }
  if (programRuns.frame.empty()) {
    std::printf("start-up: no round saw all windows settle\n");
    return 1;
  }
  Report("first frame: program", programRuns.frame);
  if (!before.empty()) Report("first frame: before", beforeRuns.frame);
  Report("first frame: floor", floorRuns.frame);
  Report("first frame: whole-frame floor", wholeFloorRuns.frame);
  Report("first frame: plain window", plainRuns.frame);
  Report("first frame: program/floor", programRuns.frameRatio, "x ");
  if (!before.empty()) Report("first frame: before/floor", beforeRuns.frameRatio, "x ");
  Report("first frame: whole-frame/floor", wholeFloorRuns.frameRatio, "x ");
  Report("first frame: program/whole", programToWholeFrame, "x ");
  Report("peak working set: program", programRuns.peak, "MB");
  if (!before.empty()) Report("peak working set: before", beforeRuns.peak, "MB");
  Report("peak working set: floor", floorRuns.peak, "MB");
  Report("peak w.s.: whole-frame floor", wholeFloorRuns.peak, "MB");
  Report("peak working set: plain", plainRuns.peak, "MB");
  Report("peak w.s.: program - floor", programRuns.peakDifference, "MB");
  if (!before.empty()) Report("peak w.s.: before - floor", beforeRuns.peakDifference, "MB");
  Report("peak w.s.: whole - floor", wholeFloorRuns.peakDifference, "MB");
  Report("peak w.s.: program - whole", programToWholePeak, "MB");
  std::printf("%-28s %.3f x first frame, %+.2f MB peak working set\n", "medians, program vs floor",
              Median(programRuns.frame) / Median(floorRuns.frame),
              Median(programRuns.peak) - Median(floorRuns.peak));

  // The program's peak after it has done some work: one low-end optimize on its sample files; a
  // backup that this makes is undone afterwards, so the sandbox's game files stay as they were.
  const std::string gameFolder = app::ResolveConfigFolder();
  const bool hadBackup = app::BackupExists(gameFolder);
  const Launch worked = MeasureLaunch(program, [](HWND window) {
    // The action ends in a message box: posted, so that the box does not hold this process up,
    // and the box is answered once it is there.
    PostMessageA(FindWindowExA(window, nullptr, "Button", "低配优化"), BM_CLICK, 0, 0);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    for (int i = 0; i < 500; ++i, Sleep(10)) {
      HWND box = FindWindowA("#32770", nullptr);
      DWORD owner = 0;
      GetWindowThreadProcessId(box, &owner);
      if (box && owner == processId) {
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        break;
      }
    }
  });
  if (!hadBackup) app::RestoreAction(gameFolder);
  std::printf("%-28s %.1f MB\n", "peak w.s. after optimize", worked.peakWorkingSet);

  std::printf("%-28s %.2f MB (%.0f bytes)\n", "executable size", FileSizeMb(ProgramPath()),
              FileSizeMb(ProgramPath()) * 1024 * 1024);
  if (!before.empty())
    std::printf("%-28s %.2f MB\n", "before: executable size", FileSizeMb(beforePath));
  std::printf("%-28s %.2f MB\n", "floor executable size", FileSizeMb(FloorPath()));
  std::printf("%-28s %.2f MB\n", "whole-frame floor size", FileSizeMb(WholeFloorPath()));
  return 0;
}
