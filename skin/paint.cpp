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

// The rectangle between whole-pixel edges.
draw::RectF Between(int left, int top, int right, int bottom) {
  return {static_cast<float>(left), static_cast<float>(top), static_cast<float>(right - left),
          static_cast<float>(bottom - top)};
}

// A layout rectangle of no size whose top-left corner is (x, y): no wrapping, no clipping.
draw::RectF At(int x, int y) { return Between(x, y, x, y); }

// At 96 DPI the pictures keep GDI+'s default filter, and the frame its pixels; at other scales
// they are drawn into their scaled rectangles with the high-quality one.
void UseFilterForScale(draw::图形& surface, int dpi) {
  if (dpi != runtime::kDesignDpi)
    surface.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
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
  // Every rectangle lies between whole-pixel edges, each scaled on its own from the frame's left
  // and top or from its right and bottom, so that the bands, the border and the pictures agree
  // with the region and the buttons' pieces to the pixel at any scale.
  const auto px = [skin](int design) { return skin->Px(design); };

  const HDC hdc = draw::api::GetDC(skin->window);
  // The surface takes the device context over and gives it back when it is released.
  skin->frameSurface.Release();
  skin->frameSurface.创建_自设备句柄(hdc, W, H);
  skin->frameSurfaceHandle = skin->frameSurface.GetMemoryDC();
  draw::图形& surface = skin->frameSurface;
  UseFilterForScale(surface, skin->dpi);

  {
    const draw::UniqueBrush brush(draw::api::CreateSolidBrush(skin->backgroundColour));
    const RECT all{0, 0, W, H};
    draw::api::FillRect(skin->frameSurfaceHandle, &all, brush.get());
  }

  {
    if (!skin->backgroundPicture.empty()) {
      skin->sharedImage.LoadFromBytes(skin->backgroundPicture);
      surface.DrawImageRect(skin->sharedImage, static_cast<float>(px(1)), static_cast<float>(px(1)),
                            w, h);
    }

    const draw::RectF bandRect = Between(px(1), px(1), W - px(2), H - px(2));
    const auto bandStart = ToArgb(kWhite, 50, 1);
    const auto bandEnd = ToArgb(kWhite, 180, 1);
    draw::GdipLinearBrush topBand;
    if (skin->topBandOn == 1) {
      topBand.CreateFromRect(bandRect, bandStart, bandEnd, Gdiplus::LinearGradientModeHorizontal);
      const draw::RectF r = Between(px(1), 0, W - px(2), px(30));
      surface.FillRectangle(topBand, r.x, r.y, r.width, r.height);
    }
    draw::GdipLinearBrush bottomBand;
    if (skin->bottomBandOn == 1) {
      bottomBand.CreateFromRect(bandRect, bandStart, bandEnd,
                                Gdiplus::LinearGradientModeBackwardDiagonal);
      const draw::RectF r = Between(px(1), H - px(33), W - px(2), H - px(3));
      surface.FillRectangle(bottomBand, r.x, r.y, r.width, r.height);
    }

    draw::GdipSolidBrush panel;
    if (skin->panelOn == 1) {
      RECT current{};
      draw::api::GetWindowRect(skin->window, &current);
      const int wc = current.right - current.left;
      const int hc = current.bottom - current.top;
      panel.Create(ToArgb(kWhite, 250, 1));
      const draw::RectF r = Between(px(1), px(30), wc, hc - px(33));
      surface.FillRectangle(panel, r.x, r.y, r.width, r.height);
    }

    // A line of whole pixels whose outer pixels are those of the box from (1, 1) to (W - 1,
    // H - 3), exclusive. GDI+ centres a pen on its path, and a pixel on whole coordinates: the
    // path lies (line - 1) / 2 inside the outer pixels.
    const int line = px(1);
    const float inset = static_cast<float>(line - 1) / 2;
    const draw::RectF box = Between(px(1), px(1), W - px(1) - 1, H - px(3) - 1);
    draw::GdipPen border;
    border.Create(ToArgb(kBlack, 155, 1), static_cast<float>(line), Gdiplus::UnitWorld);
    surface.DrawRectangle(border, box.x + inset, box.y + inset, box.width - 2 * inset,
                          box.height - 2 * inset);

    skin->sharedImage.LoadFromBytes(skin->icon);
    const draw::RectF icon = Between(px(5), px(5), px(25), px(25));
    surface.DrawImageRect(skin->sharedImage, icon.x, icon.y, icon.width, icon.height);

    const std::string caption = CaptionOf(skin->window);
    draw::GdipSolidBrush captionBrush;
    captionBrush.Create(ToArgb(kWhite, 255, 1));
    draw::GdipFont font;
    font.CreateFromFamilyName(Seams().captionFontFamily, static_cast<float>(px(12)),
                              Gdiplus::FontStyleBold, Gdiplus::UnitPixel);
    const draw::GdipStringFormat format;  // none: GDI+'s default format
    surface.DrawString(caption, font, captionBrush, At(px(28), px(9)), format);

    draw::GdipSolidBrush tipBrush;
    if (skin->tipText && !skin->tipText->empty()) {
      tipBrush.Create(ToArgb(kGrey, 200, 1));
      surface.DrawString(*skin->tipText, font, tipBrush, At(px(5), H - px(25)), format);
    }

    // Shown from (1, 1) to (W + 1, H - 1), exclusive: the region's right and bottom edges.
    surface.CopyToDevice(px(1), px(1), W, H - 2 * px(1), SRCCOPY);
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
  UseFilterForScale(piece, skin->dpi);
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
  piece.AlphaCopyToDevice(x, y + skin->Px(1), w, h, 255);
}

}  // namespace skin
