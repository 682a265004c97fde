#pragma once
// The skin's state and the operations of its painting and mouse handling, for the skin's own
// files, its tests and the benchmark. The program itself uses skin/skin.h only.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "draw/image.h"
#include "draw/surface.h"
#include "draw/window_hook.h"
#include "runtime/dpi.h"
#include "skin/skin.h"

namespace skin {

// Cursor zones near the right and bottom edges.
inline constexpr int kZoneNone = 0;
inline constexpr int kZoneRightEdge = 1;
inline constexpr int kZoneCorner = 2;
inline constexpr int kZoneBottomEdge = 4;

// Button states.
inline constexpr int kNormal = 0;
inline constexpr int kHover = 1;
inline constexpr int kPressed = 2;

using SkinRect = draw::Rect<int>;

// left and top: the window's screen position at set-up; width and height: the frame size W × H
// that all geometry uses, in pixels.
struct FrameRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct SkinButton {
  SkinRect rect;  // relative to the window's top-left corner; zero until laid out
  int state = kNormal;
  draw::GdipImage normalImage;
  draw::GdipImage hoverImage;
  draw::GdipImage pressedImage;
  // The built-in bytes of the hover and pressed looks, which no frame needs before the mouse
  // comes: decoded into their image the first time the button takes that look, and then
  // emptied, so that each is decoded once (a failed load leaves its image empty).
  std::span<const std::uint8_t> pendingHover;
  std::span<const std::uint8_t> pendingPressed;
};

struct WindowSkin {
  std::int32_t windowId = 0;
  std::int32_t unitId = 0;
  std::vector<std::uint8_t> icon;
  COLORREF backgroundColour = 0;
  std::vector<std::uint8_t> backgroundPicture;
  int panelOn = 0;
  int topBandOn = 0;
  int bottomBandOn = 0;
  std::optional<std::string> tipText;
  int buttonLayout = 0;
  ClickAction firstClickAction = nullptr;
  ClickAction secondClickAction = nullptr;
  HWND window = nullptr;
  // The window's DPI. The skin's numbers are design units, pixels at 96 DPI: they reach the
  // frame, the region, the buttons and the mouse zones through Px, edge by edge, so that what
  // meets at 96 DPI meets at every scale.
  int dpi = runtime::kDesignDpi;
  draw::WindowHook hook;
  FrameRect frame;
  // Button index 1 to 4 is buttons[index - 1]: close, minimise, menu, speech bubble.
  std::array<SkinButton, 4> buttons;
  draw::图形 frameSurface;
  HDC frameSurfaceHandle = nullptr;  // the frame surface's memory device context
  draw::GdipImage sharedImage;       // the picture and the icon, one after the other, per paint
  int cursorZone = kZoneNone;
  int pressMissed = 0;

  SkinButton& Button(int index) { return buttons[static_cast<std::size_t>(index - 1)]; }
  int Px(int design) const { return runtime::Scaled(design, dpi); }
};

// The skin of this process; null before CreateSkinObjects and after TearDownSkin.
WindowSkin* Skin();

// Steps of set-up.
void ReadFrameGeometry();
void LoadButtonImages();
void LayOutButtons();
// The window has moved to a monitor of another DPI and taken its new size: the frame size, the
// region and the buttons follow.
void OnDpiChanged(int dpi);
// Decodes pending bytes into image, if any are left, and empties them.
void LoadPendingImage(draw::GdipImage& image, std::span<const std::uint8_t>& pending);

// The replacement window procedure: paints on WM_PAINT, tracks the mouse, and passes every
// message on to the window's previous procedure.
LRESULT CALLBACK SkinWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Composes the frame on the frame surface, shows it, and redraws the four buttons.
void PaintFrame();
// Repaints button index (1 to 4) on the window in its current state, over the composed frame.
void RedrawButton(int index);
// Whether (x, y) lies on button index, all four edges included.
bool HitButton(int index, int x, int y);
void OnMouseMove(int x, int y);
void OnLButtonDown(int x, int y);
void OnLButtonUp(int x, int y);
void RunButtonAction(int index);
void ApplyZoneCursor();

// COLORREF 0x00BBGGRR to GDI+ ARGB 0xAARRGGBB; alpha is used when alphaGiven is 1, else 255.
std::uint32_t ToArgb(COLORREF colour, int alpha, int alphaGiven);

// The face the caption and the tip line are drawn in: "宋体". Tests put a face that is not
// installed in its place to see the frame without text.
struct SkinSeams {
  const char* captionFontFamily;
};
SkinSeams& Seams();

}  // namespace skin
