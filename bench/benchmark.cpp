// Measures start-up to the first complete frame, one PaintFrame, one RedrawButton, the optimize
// action on sample files, the running program's peak working set and the executable's size.
// Prints median, spread (min, 10th and 90th percentile, max) for each timing.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/main_window.h"
#include "app/pictures.h"
#include "draw/brushes.h"
#include "draw/image.h"
#include "draw/surface.h"
#include "app/profiles.h"
#include "draw/gdiplus_startup.h"
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

void Report(const char* name, std::vector<double> ms, const char* unit = "ms") {
  std::sort(ms.begin(), ms.end());
  auto at = [&](double q) { return ms[static_cast<std::size_t>(q * (ms.size() - 1) + 0.5)]; };
  std::printf("%-28s n=%-4zu median %8.3f %s  (min %.3f, p10 %.3f, p90 %.3f, max %.3f)\n", name,
              ms.size(), at(0.5), unit, ms.front(), at(0.1), at(0.9), ms.back());
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

std::string ProgramPath() {
  std::string path = "Z:" + std::string(CHENGYUAN_EXE);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
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
  WriteBytes(folder + "GameUserSettings.ini",
            "[/Script/TslGame.TslGameUserSettings]\r\nbUseVSync=False\r\n\r\n[ScalabilityGroups]\r\n"
            "sg.ResolutionQuality=100.000000\r\nsg.ViewDistanceQuality=3\r\n"
            "sg.AntiAliasingQuality=3\r\nsg.ShadowQuality=3\r\nsg.PostProcessQuality=3\r\n"
            "sg.TextureQuality=3\r\nsg.EffectsQuality=3\r\nsg.FoliageQuality=3\r\n");
  WriteBytes(folder + "Scalability.ini",
            "[TextureQuality@3]\r\nr.Streaming.MipBias=0\r\nr.MaxAnisotropy=16\r\n");
}

// Process start until the close button's white glyph is on the screen: the skin paints the
// buttons last, so the whole frame is there by then.
std::vector<double> MeasureStartUp(int runs, SIZE_T* peakWorkingSet, bool baseline = false) {
  std::vector<double> times;
  HDC screen = GetDC(nullptr);
  for (int i = 0; i < runs; ++i) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = ProgramPath();
    command.insert(command.begin(), '"');
    command.push_back('"');
    if (baseline) {
      char self[MAX_PATH];
      GetModuleFileNameA(nullptr, self, MAX_PATH);
      command = std::string("\"") + self + "\" --baseline-window";
    }
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 500) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - 200) / 2;
    // Paint the probe spot black first, so that a frame left from the last run does not count.
    RECT probe{left + 500 - 48, top, left + 500, top + 30};
    FillRect(screen, &probe, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const double start = Now();
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
      return times;
    double seen = 0;
    while (Now() - start < 10000) {
      COLORREF c = GetPixel(screen, left + 500 - 48 + 19, top + 3 + 1 + 9);
      if (GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200) {
        seen = Now();
        break;
      }
      Sleep(1);
    }
    if (seen > 0) times.push_back(seen - start);
    HWND window = FindWindowA(nullptr, baseline ? "baseline" : "澄远");
    if (i == runs - 1) {
      // Work the program a little before reading its peak working set; a backup that this makes
      // is undone afterwards, so the sandbox's game files stay as they were.
      const std::string gameFolder = app::ResolveConfigFolder();
      const bool hadBackup = app::BackupExists(gameFolder);
      if (!baseline)
        SendMessageA(FindWindowExA(window, nullptr, "Button", "低配优化"), BM_CLICK, 0, 0);
      PROCESS_MEMORY_COUNTERS counters{};
      counters.cb = sizeof counters;
      GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
      *peakWorkingSet = counters.PeakWorkingSetSize;
      if (!baseline && !hadBackup) app::RestoreAction(gameFolder);
    }
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
      TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  ReleaseDC(nullptr, screen);
  return times;
}

int WINAPI SilentMessageBox(HWND, LPCSTR, LPCSTR, UINT) { return IDOK; }
HINSTANCE WINAPI SilentShell(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT) { return nullptr; }

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

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--baseline-window") return RunBaselineWindow();
  runtime::Seams() = {SilentMessageBox, SilentShell};
  skin::CreateSkinObjects();
  draw::StartGdiplus();

  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "chengyuan_bench\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  Report("optimize action, low end",
         Repeat(50, [&] { SeedSampleFiles(folder); },
                [&] { app::OptimizeAction(folder, app::kLowSpecProfile); }));
  RemoveBackup(folder);

  {
    std::unique_ptr<runtime::Form> form = app::LoadMainWindow();
    form->RunCreated();
    ShowWindow(form->window(), SW_SHOW);
    UpdateWindow(form->window());
    Report("PaintFrame", Repeat(100, nullptr, [] { skin::PaintFrame(); }));
    Report("RedrawButton", Repeat(200, nullptr, [] { skin::RedrawButton(1); }));

    // Where a paint's time goes: the frame's steps one by one on a surface of the frame's size.
    draw::图形 surface;
    surface.创建_自设备句柄(GetDC(form->window()), 500, 200);
    draw::GdipImage image;
    const std::span<const std::uint8_t> jpeg(app::pictures::kBackgroundJpeg,
                                             app::pictures::kBackgroundJpegSize);
    const std::span<const std::uint8_t> icon(app::pictures::kIconFile,
                                             app::pictures::kIconFileSize);
    Report("  decode background JPEG", Repeat(30, nullptr, [&] { image.LoadFromBytes(jpeg); }));
    Report("  draw it stretched", Repeat(30, nullptr, [&] {
             surface.DrawImageRect(image, 1, 1, 500, 200);
           }));
    Report("  decode icon", Repeat(30, nullptr, [&] { image.LoadFromBytes(icon); }));
    Report("  draw it at 20 x 20", Repeat(30, nullptr, [&] {
             surface.DrawImageRect(image, 5, 5, 20, 20);
           }));
    draw::GdipLinearBrush band;
    band.CreateFromRect({1, 1, 497, 197}, 0x32FFFFFF, 0xB4FFFFFF,
                        Gdiplus::LinearGradientModeHorizontal);
    Report("  one gradient band", Repeat(30, nullptr, [&] {
             surface.FillRectangle(band, 1, 0, 497, 30);
           }));
  }

  SIZE_T peak = 0, baselinePeak = 0;
  Report("start to first frame", MeasureStartUp(15, &peak));
  Report("baseline: plain window", MeasureStartUp(15, &baselinePeak, true));
  std::printf("%-28s %.1f MB\n", "peak working set", peak / (1024.0 * 1024.0));
  std::printf("%-28s %.1f MB\n", "baseline: plain window", baselinePeak / (1024.0 * 1024.0));

  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  GetFileAttributesExA(ProgramPath().c_str(), GetFileExInfoStandard, &attributes);
  std::printf("%-28s %.2f MB (%lu bytes)\n", "executable size",
              attributes.nFileSizeLow / (1024.0 * 1024.0), attributes.nFileSizeLow);
  return 0;
}
