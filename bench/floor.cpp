// The floor under the program's start-up figures: a window that shows the program's first frame
// with the least work. It is the same 500 x 200 borderless, centred window titled "澄远"; its one
// paint starts from the program's background JPEG, decodes it with GDI+ and draws it stretched,
// then draws the caption and the tip line in "宋体" 12 px bold; it holds the same four buttons and
// the edit box with the configuration folder. Started and measured by the benchmark.
//
// Built a second time as chengyuan_floor_whole (CHENGYUAN_WHOLE_FRAME set), it also does the rest
// of what the program's first frame shows, each the cheapest way: the two translucent bands and
// the border, the icon decoded from the program's ICO file and drawn at 20 x 20, the four
// caption-button images (decoded with GDI+ before the window shows: PNG is a second codec for
// GDI+ to start) and the two labels' texts, drawn with GDI in their fonts.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>

#include "app/config_folder.h"
#include "app/pictures.h"
#include "app/texts.h"
#include "bench/floor_pictures.h"
#include "runtime/wide_text.h"
#include "skin/images.h"

namespace {

constexpr wchar_t kCaptionWide[] = L"澄远";
constexpr wchar_t kTipWide[] = L"本程序由墨鸢制作，点击右上角菜单按钮了解更多。";

// The caption buttons of the whole frame: their normal images, decoded once before the window
// shows, and where the program draws them.
struct CaptionButton {
  const unsigned char* png;
  const std::size_t& size;
  int x, y, width, height;
};
const CaptionButton kCaptionButtons[] = {
    {skin::images::kCloseNormal, skin::images::kCloseNormalSize, 452, 4, 37, 19},
    {skin::images::kMinimizeNormal, skin::images::kMinimizeNormalSize, 427, 4, 25, 19},
    {skin::images::kMenuNormal, skin::images::kMenuNormalSize, 402, 4, 25, 19},
    {skin::images::kBubbleNormal, skin::images::kBubbleNormalSize, 377, 4, 25, 19}};

constexpr bool kWholeFrame = CHENGYUAN_WHOLE_FRAME != 0;
std::array<std::unique_ptr<Gdiplus::Bitmap>, 4> g_buttonImages;

// A GDI+ bitmap decoded from a copy of the bytes; the bitmap holds the stream it needs.
std::unique_ptr<Gdiplus::Bitmap> Decode(const unsigned char* bytes, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(memory), bytes, size);
  GlobalUnlock(memory);
  IStream* stream = nullptr;
  CreateStreamOnHGlobal(memory, TRUE, &stream);
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(stream);
  stream->Release();
  return bitmap;
}

void DrawLabels(HDC dc) {
  HFONT description =
      CreateFontW(-19, 0, 0, 0, 400, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, L"微软雅黑");
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  HGDIOBJ previous = SelectObject(dc, description);
  RECT descriptionRect{21, 55, 386, 111};
  DrawTextW(dc, runtime::ToWide(app::texts::kDescription).c_str(), -1, &descriptionRect,
            DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  RECT pathRect{19, 127, 105, 151};
  DrawTextW(dc, runtime::ToWide(app::texts::kPathLabel).c_str(), -1, &pathRect,
            DT_LEFT | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
  SelectObject(dc, previous);
  DeleteObject(description);
}

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  {
    Gdiplus::Graphics graphics(dc);
    graphics.DrawImage(Decode(floor_bench::kBackgroundJpeg, floor_bench::kBackgroundJpegSize).get(),
                       1, 1, 500, 200);
    if constexpr (kWholeFrame) {
      const Gdiplus::RectF gradient(1, 1, 497, 197);
      const Gdiplus::Color faint(0x32FFFFFF), strong(0xB4FFFFFF);
      Gdiplus::LinearGradientBrush top(gradient, faint, strong,
                                       Gdiplus::LinearGradientModeHorizontal);
      Gdiplus::LinearGradientBrush bottom(gradient, faint, strong,
                                          Gdiplus::LinearGradientModeBackwardDiagonal);
      graphics.FillRectangle(&top, Gdiplus::RectF(1, 0, 497, 30));
      graphics.FillRectangle(&bottom, Gdiplus::RectF(1, 167, 497, 30));
      Gdiplus::Pen border(Gdiplus::Color(0x9B000000), 1.0f);
      graphics.DrawRectangle(&border, Gdiplus::RectF(1, 1, 497, 195));
      graphics.DrawImage(Decode(app::pictures::kIconFile, app::pictures::kIconFileSize).get(), 5, 5,
                         20, 20);
    }
    Gdiplus::FontFamily family(L"宋体");
    Gdiplus::Font font(&family, 12.0f, Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    Gdiplus::SolidBrush white(Gdiplus::Color(0xFFFFFFFF));
    Gdiplus::SolidBrush grey(Gdiplus::Color(0xC8808080));
    graphics.DrawString(kCaptionWide, -1, &font, Gdiplus::PointF(28, 9), &white);
    graphics.DrawString(kTipWide, -1, &font, Gdiplus::PointF(5, 175), &grey);
    if constexpr (kWholeFrame) {
      for (std::size_t i = 0; i < g_buttonImages.size(); ++i) {
        const CaptionButton& b = kCaptionButtons[i];
        graphics.DrawImage(g_buttonImages[i].get(), b.x, b.y, b.width, b.height);
      }
    }
  }
  if constexpr (kWholeFrame) DrawLabels(dc);
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
  return DefWindowProcW(window, message, wParam, lParam);
}

void AddChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int x, int y,
              int w, int h) {
  HWND child = CreateWindowExW(0, cls, runtime::ToWide(text).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, parent,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  if constexpr (kWholeFrame)
    for (std::size_t i = 0; i < g_buttonImages.size(); ++i)
      g_buttonImages[i] = Decode(kCaptionButtons[i].png, kCaptionButtons[i].size);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = L"ChengYuanFloor";
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(
      WS_EX_APPWINDOW, wc.lpszClassName, kCaptionWide, WS_POPUP | WS_CLIPCHILDREN,
      (GetSystemMetrics(SM_CXSCREEN) - 500) / 2, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2, 500,
      200, nullptr, nullptr, instance, nullptr);
  AddChild(window, L"BUTTON", "低配优化", BS_PUSHBUTTON, 403, 85, 80, 32);
  AddChild(window, L"BUTTON", "还原", BS_PUSHBUTTON, 403, 117, 80, 32);
  AddChild(window, L"BUTTON", "普通优化", BS_PUSHBUTTON, 403, 53, 80, 32);
  AddChild(window, L"BUTTON", "打开目录", BS_PUSHBUTTON, 315, 129, 80, 20);
  AddChild(window, L"EDIT", app::ResolveConfigFolder(), WS_BORDER | ES_AUTOHSCROLL, 109, 129, 203,
           20);
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  g_buttonImages = {};  // before GDI+ goes with the process
  return 0;
}
