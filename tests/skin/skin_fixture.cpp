#include "tests/skin/skin_fixture.h"

namespace skin_testing {
namespace {

MessageWatch* g_watch = nullptr;

}  // namespace

MessageWatch::MessageWatch(HWND window) : window_(window) {
  g_watch = this;
  below_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
}

MessageWatch::~MessageWatch() {
  if (IsWindow(window_))
    SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(below_));
  g_watch = nullptr;
}

std::vector<MessageWatch::Message> MessageWatch::Of(UINT message) const {
  std::vector<Message> found;
  for (const Message& m : messages_)
    if (m.message == message) found.push_back(m);
  return found;
}

LRESULT CALLBACK MessageWatch::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageWatch* watch = g_watch;
  watch->messages_.push_back({message, wParam, lParam});
  switch (message) {
    case WM_NCLBUTTONDOWN:
      return 0;
    case WM_INITMENUPOPUP:
      watch->popupItems = GetMenuItemCount(reinterpret_cast<HMENU>(wParam));
      break;
    case WM_ENTERIDLE:
      if (wParam == MSGF_MENU) EndMenu();
      break;
  }
  return CallWindowProcA(watch->below_, window, message, wParam, lParam);
}

int SkinTest::firstClicks = 0;
int SkinTest::secondClicks = 0;

void SkinTest::SetUp() {
  firstClicks = secondClicks = 0;
  skin::CreateSkinObjects();
  form = app::LoadMainWindow();
  ASSERT_NE(form, nullptr);
}

void SkinTest::TearDown() {
  // The window goes first, while the skin still passes its messages on.
  form.reset();
  skin::TearDownSkin();
  skin::Seams().captionFontFamily = "宋体";
}

void SkinTest::Restart() {
  TearDown();
  SetUp();
}

void SkinTest::SetUpSkin(const SkinArgs& args) {
  skin::SetUpSkin(static_cast<std::int32_t>(app::kMainWindowId),
                  static_cast<std::int32_t>(app::kMainWindowSelf), args.icon, args.iconGiven,
                  args.picture, 1, args.colour, args.colourGiven, args.panelOn, args.topBandOn,
                  args.bottomBandOn, args.tip, 1, args.layout, RecordFirstClick, RecordSecondClick);
}

std::unique_ptr<draw_testing::PixelTarget> SkinTest::ReadFrame() const {
  auto target = std::make_unique<draw_testing::PixelTarget>(W(), H());
  BitBlt(target->dc(), 0, 0, W(), H(), Skin().frameSurfaceHandle, 0, 0, SRCCOPY);
  return target;
}

std::unique_ptr<draw_testing::PixelTarget> SkinTest::ReadWindow() const {
  auto target = std::make_unique<draw_testing::PixelTarget>(W(), H());
  HDC dc = GetDC(window());
  BitBlt(target->dc(), 0, 0, W(), H(), dc, 0, 0, SRCCOPY);
  ReleaseDC(window(), dc);
  return target;
}

void SkinTest::Move(int x, int y) const {
  SendMessageA(window(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
}

void SkinTest::Press(int x, int y) const {
  SendMessageA(window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
}

void SkinTest::Release(int x, int y) const {
  SendMessageA(window(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

POINT SkinTest::Centre(int index) const {
  const skin::SkinRect& r = Skin().Button(index).rect;
  return {r.x + r.width / 2, r.y + r.height / 2};
}

std::vector<std::uint8_t> SolidPng(int width, int height, std::uint32_t argb) {
  return draw_testing::EncodeSolidImage(L"image/png", width, height, argb);
}

}  // namespace skin_testing
