// The replacement window procedure and the mouse: caption button looks and actions, the window
// move and the resize cursors.
#include "draw/api.h"
#include "runtime/commands.h"
#include "skin/skin_state.h"

namespace skin {
namespace {

int LowX(LPARAM lParam) { return static_cast<int>(lParam & 0xFFFF); }
int HighY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

}  // namespace

LRESULT CALLBACK SkinWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  WindowSkin* skin = Skin();
  // Only after the skin has been released at exit: nothing left to forward to.
  if (!skin) return draw::api::DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      skin->hook.BeginPaint();
      PaintFrame();
      skin->hook.EndPaint();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(LowX(lParam), HighY(lParam));
      break;
    case WM_LBUTTONDOWN:
      OnLButtonDown(LowX(lParam), HighY(lParam));
      break;
    case WM_LBUTTONUP:
      OnLButtonUp(LowX(lParam), HighY(lParam));
      break;
    case WM_DPICHANGED: {
      // The window takes its new size and lays its components out first; the frame follows.
      const LRESULT result = skin->hook.CallPrevious(window, message, wParam, lParam);
      OnDpiChanged(LOWORD(wParam));
      return result;
    }
  }
  // The skin may have been released inside a click action (the end command does not return, but
  // a test or a nested exit could get here without it).
  skin = Skin();
  if (!skin) return draw::api::DefWindowProcW(window, message, wParam, lParam);
  return skin->hook.CallPrevious(window, message, wParam, lParam);
}

bool HitButton(int index, int x, int y) {
  WindowSkin* skin = Skin();
  if (!skin || index < 1 || index > 4) return false;
  const SkinRect& r = skin->Button(index).rect;
  return r.x <= x && x <= r.x + r.width && r.y <= y && y <= r.y + r.height;
}

void OnMouseMove(int x, int y) {
  WindowSkin* skin = Skin();
  if (!skin) return;
  for (int index = 1; index <= 4; ++index) {
    SkinButton& button = skin->Button(index);
    if (HitButton(index, x, y)) {
      if (button.state == kNormal) {
        button.state = kHover;
        RedrawButton(index);
        break;
      }
    } else if (button.state == kHover) {
      button.state = kNormal;
      RedrawButton(index);
    }
  }

  const int W = skin->frame.width;
  const int H = skin->frame.height;
  const auto px = [skin](int design) { return skin->Px(design); };
  if (x > W - px(4) && px(10) < y && y < H - px(10))
    skin->cursorZone = kZoneRightEdge;
  else if (x < W - px(10) && y > H - px(7))
    skin->cursorZone = kZoneBottomEdge;
  else if (x > W - px(10) && y > H - px(9))
    skin->cursorZone = kZoneCorner;
  else
    skin->cursorZone = kZoneNone;
  if (skin->cursorZone != kZoneNone) ApplyZoneCursor();
}

void ApplyZoneCursor() {
  WindowSkin* skin = Skin();
  if (!skin) return;
  LPCWSTR id = IDC_ARROW;
  switch (skin->cursorZone) {
    case kZoneRightEdge:
      id = IDC_SIZEWE;
      break;
    case kZoneBottomEdge:
      id = IDC_SIZENS;
      break;
    case kZoneCorner:
      id = IDC_SIZENWSE;
      break;
  }
  draw::api::SetCursor(draw::api::LoadCursorW(nullptr, id));
}

void OnLButtonDown(int x, int y) {
  WindowSkin* skin = Skin();
  if (!skin) return;
  for (int index = 1; index <= 4; ++index) {
    SkinButton& button = skin->Button(index);
    if (!HitButton(index, x, y)) {
      skin->pressMissed = 1;
      continue;
    }
    if (button.state == kPressed) continue;
    button.state = kPressed;
    RedrawButton(index);
    skin->pressMissed = 0;
    break;
  }
  if (skin->pressMissed == 1 && skin->cursorZone == kZoneNone)
    draw::api::SendMessageW(skin->window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  // The move loop above may have run anything, the end command included.
  skin = Skin();
  if (skin && skin->cursorZone != kZoneNone) ApplyZoneCursor();
}

void OnLButtonUp(int x, int y) {
  WindowSkin* skin = Skin();
  if (!skin) return;
  skin->pressMissed = 1;
  for (int index = 1; index <= 4; ++index) {
    SkinButton& button = skin->Button(index);
    if (button.state != kPressed) continue;
    button.state = kNormal;
    RedrawButton(index);
    if (HitButton(index, x, y)) RunButtonAction(index);
    break;
  }
}

void RunButtonAction(int index) {
  WindowSkin* skin = Skin();
  if (!skin) return;
  if (index == 1) runtime::EndProgram();  // both layouts: exit sequence, then exit code 0
  if (skin->buttonLayout != kFourButtons) return;
  switch (index) {
    case 2:
      draw::api::SendMessageW(skin->window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case 3:
      if (skin->firstClickAction) skin->firstClickAction();
      break;
    case 4:
      if (skin->secondClickAction) skin->secondClickAction();
      break;
  }
}

}  // namespace skin
