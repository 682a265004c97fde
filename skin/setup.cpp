// The skin's state from process start to exit: creation, set-up with its geometry and button
// images, and release.
#include <memory>

#include "draw/api.h"
#include "runtime/component_directory.h"
#include "skin/images.h"
#include "skin/skin_state.h"

namespace skin {
namespace {

std::unique_ptr<WindowSkin>& Instance() {
  static std::unique_ptr<WindowSkin> skin;
  return skin;
}

constexpr COLORREF kDefaultColour = 0xFF8800;

std::span<const std::uint8_t> Bytes(const unsigned char* data, std::size_t size) {
  return {data, size};
}

// Decodes a built-in image into image from a copy of its bytes that lives for the load only.
void LoadBuiltInImage(draw::GdipImage& image, std::span<const std::uint8_t> bytes) {
  const std::vector<std::uint8_t> copy(bytes.begin(), bytes.end());
  image.LoadFromBytes(copy);
}

}  // namespace

WindowSkin* Skin() { return Instance().get(); }

SkinSeams& Seams() {
  static SkinSeams seams{"宋体"};
  return seams;
}

void CreateSkinObjects() { Instance() = std::make_unique<WindowSkin>(); }

void TearDownSkin() { Instance().reset(); }

void SetUpSkin(std::int32_t windowId, std::int32_t unitId, std::span<const std::uint8_t> icon,
               int iconGiven, std::span<const std::uint8_t> backgroundPicture, int pictureGiven,
               COLORREF colour, int colourGiven, int panelOn, int topBandOn, int bottomBandOn,
               const char* tipText, int textGiven, int buttonLayout, ClickAction firstClickAction,
               ClickAction secondClickAction) {
  (void)pictureGiven;  // an empty picture simply stays empty
  (void)textGiven;     // likewise an absent text
  WindowSkin* skin = Skin();
  if (!skin) return;  // no skin objects: nothing to bind

  skin->windowId = windowId;
  skin->unitId = unitId;
  if (iconGiven == 0) icon = Bytes(images::kDefaultIcon, images::kDefaultIconSize);
  skin->icon.assign(icon.begin(), icon.end());
  skin->backgroundColour = colourGiven == 0 ? kDefaultColour : colour;
  skin->backgroundPicture.assign(backgroundPicture.begin(), backgroundPicture.end());
  skin->panelOn = panelOn;
  skin->topBandOn = topBandOn;
  skin->bottomBandOn = bottomBandOn;
  skin->tipText = tipText ? std::optional<std::string>(tipText) : std::nullopt;
  skin->buttonLayout = buttonLayout;
  skin->firstClickAction = firstClickAction;
  skin->secondClickAction = secondClickAction;
  skin->window = runtime::ComponentWindow(static_cast<std::uint32_t>(windowId),
                                          static_cast<std::uint32_t>(unitId));
  skin->dpi = runtime::WindowDpi(skin->window);
  ReadFrameGeometry();
  LoadButtonImages();
  skin->hook.Hook(skin->window, SkinWndProc);
  LayOutButtons();
}

void SetUpSkin(const SkinSettings& settings) {
  SetUpSkin(settings.windowId, settings.unitId, settings.icon, settings.icon.empty() ? 0 : 1,
            settings.backgroundPicture, settings.backgroundPicture.empty() ? 0 : 1,
            settings.colour.value_or(0), settings.colour ? 1 : 0, settings.panelOn ? 1 : 0,
            settings.topBandOn ? 1 : 0, settings.bottomBandOn ? 1 : 0, settings.tipText,
            settings.tipText ? 1 : 0, settings.buttonLayout, settings.firstClickAction,
            settings.secondClickAction);
}

void ReadFrameGeometry() {
  WindowSkin* skin = Skin();
  if (!skin) return;
  RECT r{};
  draw::api::GetWindowRect(skin->window, &r);
  FrameRect& frame = skin->frame;
  frame.left = r.left;
  frame.top = r.top;
  frame.width = r.right - r.left;
  frame.height = r.bottom - r.top;
  if (draw::api::IsZoomed(skin->window) && !draw::api::IsIconic(skin->window))
    frame.height = frame.height - frame.top - skin->Px(25);
}

// The normal looks show in the first frame and are decoded here; the hover and pressed looks
// are left pending until a button first takes them (RedrawButton).
void LoadButtonImages() {
  WindowSkin* skin = Skin();
  if (!skin) return;
  using namespace images;
  if (skin->buttonLayout == kFourButtons) {
    const std::span<const std::uint8_t> normal[] = {
        Bytes(kCloseNormal, kCloseNormalSize), Bytes(kMinimizeNormal, kMinimizeNormalSize),
        Bytes(kMenuNormal, kMenuNormalSize), Bytes(kBubbleNormal, kBubbleNormalSize)};
    const std::span<const std::uint8_t> hover[] = {
        Bytes(kCloseHover, kCloseHoverSize), Bytes(kMinimizeHover, kMinimizeHoverSize),
        Bytes(kMenuHover, kMenuHoverSize), Bytes(kBubbleHover, kBubbleHoverSize)};
    const std::span<const std::uint8_t> pressed[] = {
        Bytes(kClosePressed, kClosePressedSize), Bytes(kMinimizePressed, kMinimizePressedSize),
        Bytes(kMenuPressed, kMenuPressedSize), Bytes(kBubblePressed, kBubblePressedSize)};
    for (int i = 0; i < 4; ++i) {
      SkinButton& button = skin->buttons[i];
      LoadBuiltInImage(button.normalImage, normal[i]);
      button.pendingHover = hover[i];
      button.pendingPressed = pressed[i];
    }
    return;
  }
  SkinButton& close = skin->Button(1);
  LoadBuiltInImage(close.normalImage, Bytes(kSingleCloseNormal, kSingleCloseNormalSize));
  close.pendingHover = Bytes(kSingleCloseHover, kSingleCloseHoverSize);
  close.pendingPressed = Bytes(kSingleClosePressed, kSingleClosePressedSize);
}

void LoadPendingImage(draw::GdipImage& image, std::span<const std::uint8_t>& pending) {
  if (pending.empty()) return;
  LoadBuiltInImage(image, pending);
  pending = {};
}

void LayOutButtons() {
  WindowSkin* skin = Skin();
  if (!skin) return;
  const int W = skin->frame.width;
  const int H = skin->frame.height;
  const auto px = [skin](int design) { return skin->Px(design); };
  // From (2, 2) to (W + 1, H - 1), exclusive.
  skin->hook.SetRoundRectRegion(px(2), px(2), W + px(1) - px(2), H - px(1) - px(2), px(3), px(3),
                                TRUE);
  // A button whose left and right edges lie left and right design units left of the frame's
  // right edge, between the design rows top and bottom.
  const auto fromRight = [&](int left, int top, int right, int bottom) {
    return SkinRect{W - px(left), px(top), px(left) - px(right), px(bottom) - px(top)};
  };
  if (skin->buttonLayout == kFourButtons) {
    skin->Button(1).rect = fromRight(48, 3, 11, 22);
    skin->Button(2).rect = fromRight(73, 3, 48, 22);
    skin->Button(3).rect = fromRight(98, 3, 73, 22);
    skin->Button(4).rect = fromRight(123, 3, 98, 22);
  } else {
    skin->Button(1).rect = fromRight(42, 1, 2, 21);
  }
}

void OnDpiChanged(int dpi) {
  WindowSkin* skin = Skin();
  if (!skin) return;
  skin->dpi = dpi;
  ReadFrameGeometry();
  LayOutButtons();
}

}  // namespace skin
