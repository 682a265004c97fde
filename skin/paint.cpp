// Painting of the frame and of single caption buttons.
#include <string>

#include "draw/api.h"
#include "draw/brushes.h"
#include "draw/font.h"
#include "draw/owners.h"
#include "draw/pen.h"
#include "draw/string_format.h"
#include "draw/to_wide.h"
#include "skin/skin_state.h"

namespace skin {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kGrey = 0x808080;

// The window's caption; empty when the window is gone or has none.
std::string CaptionOf(HWND window) {
  if (!draw::api::IsWindow(window)) return {};
  const auto length = draw::api::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = draw::api::SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(length + 1),
                                              reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return draw::ToNarrow(text);
}

}  // namespace

std::uint32_t ToArgb(COLORREF colour, int alpha, int alphaGiven) {
  const std::uint32_t a = alphaGiven == 1 ? static_cast<std::uint32_t>(alpha) & 0xFF : 0xFF;
  return (a << 24) | (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
         (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

void PaintFrame() {
  WindowSkin* skin = Skin();
  if (!skin) return;
  const int W = skin->frame.width;
  const int H = skin->frame.height;
  const float w = static_cast<float>(W);
  const float h = static_cast<float>(H);

  const HDC hdc = draw::api::GetDC(skin->window);
  // The surface takes the device context over and gives it back when it is released.
  skin->frameSurface.Release();
  skin->frameSurface.创建_自设备句柄(hdc, W, H);
  skin->frameSurfaceHandle = skin->frameSurface.GetMemoryDC();
  draw::图形& surface = skin->frameSurface;

  {
    const draw::UniqueBrush brush(draw::api::CreateSolidBrush(skin->backgroundColour));
    const RECT all{0, 0, W, H};
    draw::api::FillRect(skin->frameSurfaceHandle, &all, brush.get());
  }

  {
    if (!skin->backgroundPicture.empty()) {
      skin->sharedImage.LoadFromBytes(skin->backgroundPicture);
      surface.DrawImageRect(skin->sharedImage, 1.0f, 1.0f, w, h);
    }

    const draw::RectF bandRect{1.0f, 1.0f, w - 3, h - 3};
    const auto bandStart = ToArgb(kWhite, 50, 1);
    const auto bandEnd = ToArgb(kWhite, 180, 1);
    draw::GdipLinearBrush topBand;
    if (skin->topBandOn == 1) {
      topBand.CreateFromRect(bandRect, bandStart, bandEnd, Gdiplus::LinearGradientModeHorizontal);
      surface.FillRectangle(topBand, 1.0f, 0.0f, w - 3, 30.0f);
    }
    draw::GdipLinearBrush bottomBand;
    if (skin->bottomBandOn == 1) {
      bottomBand.CreateFromRect(bandRect, bandStart, bandEnd,
                                Gdiplus::LinearGradientModeBackwardDiagonal);
      surface.FillRectangle(bottomBand, 1.0f, h - 33, w - 3, 30.0f);
    }

    draw::GdipSolidBrush panel;
    if (skin->panelOn == 1) {
      RECT current{};
      draw::api::GetWindowRect(skin->window, &current);
      const float wc = static_cast<float>(current.right - current.left);
      const float hc = static_cast<float>(current.bottom - current.top);
      panel.Create(ToArgb(kWhite, 250, 1));
      surface.FillRectangle(panel, 1.0f, 30.0f, wc - 1, hc - 63);
    }

    draw::GdipPen border;
    border.Create(ToArgb(kBlack, 155, 1), 1.0f, Gdiplus::UnitWorld);
    surface.DrawRectangle(border, 1.0f, 1.0f, w - 3, h - 5);

    skin->sharedImage.LoadFromBytes(skin->icon);
    surface.DrawImageRect(skin->sharedImage, 5.0f, 5.0f, 20.0f, 20.0f);

    const std::string caption = CaptionOf(skin->window);
    draw::GdipSolidBrush captionBrush;
    captionBrush.Create(ToArgb(kWhite, 255, 1));
    draw::GdipFont font;
    font.CreateFromFamilyName(Seams().captionFontFamily, 12.0f, Gdiplus::FontStyleBold,
                              Gdiplus::UnitPixel);
    const draw::GdipStringFormat format;  // none: GDI+'s default format
    surface.DrawString(caption, font, captionBrush, draw::RectF{28.0f, 9.0f, 0.0f, 0.0f}, format);

    draw::GdipSolidBrush tipBrush;
    if (skin->tipText && !skin->tipText->empty()) {
      tipBrush.Create(ToArgb(kGrey, 200, 1));
      surface.DrawString(*skin->tipText, font, tipBrush, draw::RectF{5.0f, h - 25, 0.0f, 0.0f},
                         format);
    }

    surface.CopyToDevice(1, 1, W, H - 2, SRCCOPY);
    // The font, brushes and pen go at the end of this block.
    skin->sharedImage.Dispose();
  }

  for (int index = 1; index <= 4; ++index) RedrawButton(index);
}

void RedrawButton(int index) {
  WindowSkin* skin = Skin();
  if (!skin || index < 1 || index > 4) return;
  SkinButton& button = skin->Button(index);
  const auto [x, y, w, h] = button.rect;

  draw::图形 piece;  // releases its bitmap, memory context and hdc when it goes
  piece.创建_自设备句柄(draw::api::GetDC(skin->window), w, h);
  draw::api::StretchBlt(piece.GetMemoryDC(), 0, 0, w, h, skin->frameSurfaceHandle, x, y, w, h,
                        SRCCOPY);
  const draw::GdipImage* image = nullptr;
  switch (button.state) {
    case kNormal:
      image = &button.normalImage;
      break;
    case kHover:
      LoadPendingImage(button.hoverImage, button.pendingHover);
      image = &button.hoverImage;
      break;
    case kPressed:
      LoadPendingImage(button.pressedImage, button.pendingPressed);
      image = &button.pressedImage;
      break;
  }
  if (image) piece.DrawImageRect(*image, 0.0f, 0.0f, static_cast<float>(w), static_cast<float>(h));
  piece.AlphaCopyToDevice(x, y + 1, w, h, 255);
}

}  // namespace skin
