// The floor under the program's start-up figures: a window that shows the program's first frame
// with the least work. It is the same 500 x 200 borderless, centred window titled "澄远"; its one
// paint starts from the program's background JPEG, decodes it with GDI+ and draws it stretched,
// then draws the caption and the tip line in "宋体" 12 px bold; it holds the same four buttons and
// the edit box with the configuration folder. Started and measured by the benchmark.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <string>

#include "app/config_folder.h"
#include "bench/floor_pictures.h"

namespace {

constexpr char kCaption[] = "澄远";
constexpr wchar_t kCaptionWide[] = L"澄远";
constexpr wchar_t kTipWide[] = L"本程序由墨鸢制作，点击右上角菜单按钮了解更多。";

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, floor_bench::kBackgroundJpegSize);
    std::memcpy(GlobalLock(memory), floor_bench::kBackgroundJpeg, floor_bench::kBackgroundJpegSize);
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(memory, TRUE, &stream);
    Gdiplus::Graphics graphics(dc);
    {
      Gdiplus::Bitmap picture(stream);
      graphics.DrawImage(&picture, 1, 1, 500, 200);
    }
    stream->Release();
    Gdiplus::FontFamily family(L"宋体");
    Gdiplus::Font font(&family, 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
    Gdiplus::SolidBrush grey(Gdiplus::Color(0xC8808080));
    graphics.DrawString(kCaptionWide, -1, &font, Gdiplus::PointF(28, 9), &white);
    graphics.DrawString(kTipWide, -1, &font, Gdiplus::PointF(5, 175), &grey);
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void AddChild(HWND parent, const char* cls, const char* text, DWORD style, int x, int y, int w,
              int h) {
  HWND child = CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h,
                               parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = "ChengYuanFloor";
  RegisterClassExA(&wc);
  HWND window = CreateWindowExA(
      WS_EX_APPWINDOW, wc.lpszClassName, kCaption, WS_POPUP | WS_CLIPCHILDREN,
      (GetSystemMetrics(SM_CXSCREEN) - 500) / 2, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2, 500,
      200, nullptr, nullptr, instance, nullptr);
  AddChild(window, "BUTTON", "低配优化", BS_PUSHBUTTON, 403, 85, 80, 32);
  AddChild(window, "BUTTON", "还原", BS_PUSHBUTTON, 403, 117, 80, 32);
  AddChild(window, "BUTTON", "普通优化", BS_PUSHBUTTON, 403, 53, 80, 32);
  AddChild(window, "BUTTON", "打开目录", BS_PUSHBUTTON, 315, 129, 80, 20);
  AddChild(window, "EDIT", app::ResolveConfigFolder().c_str(), WS_BORDER | ES_AUTOHSCROLL, 109, 129,
           203, 20);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
