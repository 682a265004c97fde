// Set-up: what the start-up handler hands over, the copies and defaults, the frame geometry and
// the replacement window procedure.
#include <algorithm>

#include "app/links.h"
#include "app/pictures.h"
#include "app/texts.h"
#include "runtime/form_def.h"
#include "skin/images.h"
#include "tests/skin/skin_fixture.h"

namespace skin_testing {
namespace {

std::vector<std::uint8_t> Bytes(const unsigned char* data, std::size_t size) {
  return {data, data + size};
}

TEST_F(SkinTest, StartUpHandlerSetsTheSkinUpWithTheProgramsArguments) {
  const auto runtimeProcedure = GetWindowLongPtrW(window(), GWLP_WNDPROC);
  form->RunCreated();
  const skin::WindowSkin& s = Skin();
  EXPECT_EQ(static_cast<std::uint32_t>(s.windowId), app::kMainWindowId);
  EXPECT_EQ(static_cast<std::uint32_t>(s.unitId), app::kMainWindowSelf);
  EXPECT_EQ(s.window, window());
  EXPECT_EQ(s.icon, Bytes(app::pictures::kIconFile, app::pictures::kIconFileSize));
  EXPECT_EQ(s.backgroundPicture,
            Bytes(app::pictures::kBackgroundJpeg, app::pictures::kBackgroundJpegSize));
  EXPECT_EQ(s.backgroundColour, 0u);
  EXPECT_EQ(s.panelOn, 0);
  EXPECT_EQ(s.topBandOn, 1);
  EXPECT_EQ(s.bottomBandOn, 1);
  ASSERT_TRUE(s.tipText.has_value());
  EXPECT_EQ(*s.tipText, app::texts::kTipLine);
  EXPECT_EQ(s.buttonLayout, 1);
  EXPECT_EQ(s.firstClickAction, &app::ShowLinkMenu);
  EXPECT_EQ(s.secondClickAction, &app::OpenNetDiskLink);

  // The frame is the window's outer rectangle; the buttons sit at the top right.
  RECT r;
  GetWindowRect(window(), &r);
  EXPECT_EQ(s.frame.left, r.left);
  EXPECT_EQ(s.frame.top, r.top);
  EXPECT_EQ(s.frame.width, 500);
  EXPECT_EQ(s.frame.height, 200);
  const skin::SkinRect expected[] = {
      {452, 3, 37, 19}, {427, 3, 25, 19}, {402, 3, 25, 19}, {377, 3, 25, 19}};
  for (int i = 0; i < 4; ++i) {
    const skin::SkinButton& b = s.buttons[i];
    EXPECT_EQ(b.rect.x, expected[i].x) << i + 1;
    EXPECT_EQ(b.rect.y, expected[i].y) << i + 1;
    EXPECT_EQ(b.rect.width, expected[i].width) << i + 1;
    EXPECT_EQ(b.rect.height, expected[i].height) << i + 1;
    EXPECT_EQ(b.state, skin::kNormal);
    // The normal looks are decoded; hover and pressed wait for their first use.
    EXPECT_NE(b.normalImage.ImageHandle(), nullptr) << i + 1;
    EXPECT_EQ(b.hoverImage.ImageHandle(), nullptr) << i + 1;
    EXPECT_EQ(b.pressedImage.ImageHandle(), nullptr) << i + 1;
    EXPECT_FALSE(b.pendingHover.empty()) << i + 1;
    EXPECT_FALSE(b.pendingPressed.empty()) << i + 1;
  }

  // The skin's procedure is in place and passes everything on to the runtime's: a menu command
  // still runs its bound action.
  EXPECT_EQ(GetWindowLongPtrW(window(), GWLP_WNDPROC),
            reinterpret_cast<LONG_PTR>(skin::SkinWndProc));
  EXPECT_EQ(reinterpret_cast<LONG_PTR>(s.hook.GetPreviousProcedure()), runtimeProcedure);
  EXPECT_TRUE(s.hook.IsForwarding());
  SendMessageA(window(), WM_COMMAND, runtime::CommandId(app::ids::Steam主页), 0);
  ASSERT_EQ(seams.shellCalls().size(), 1u);
  EXPECT_EQ(seams.shellCalls()[0].file, app::kLinks[3].address);
  // The path box was filled after the skin was set up, as before.
  EXPECT_EQ(form->Text(app::ids::编辑框1).back(), '\\');
}

// Set-up keeps copies of its own; without a given icon or colour it takes the built-in icon and
// azure; an absent tip text stays absent.
TEST_F(SkinTest, SetUpKeepsCopiesAndFillsInTheDefaults) {
  std::vector<std::uint8_t> icon = SolidPng(4, 4, 0xFF112233);
  std::vector<std::uint8_t> picture = SolidPng(8, 8, 0xFF445566);
  std::string tip = "一行提示";
  const auto iconCopy = icon, pictureCopy = picture;
  skin::SetUpSkin(static_cast<std::int32_t>(app::kMainWindowId),
                  static_cast<std::int32_t>(app::kMainWindowSelf), icon, 1, picture, 0, 0x123456, 1,
                  1, 0, 0, tip.c_str(), 0, 1, nullptr, nullptr);
  std::fill(icon.begin(), icon.end(), 0);
  std::fill(picture.begin(), picture.end(), 0);
  tip.assign("xxxxxxxx");
  EXPECT_EQ(Skin().icon, iconCopy);
  EXPECT_EQ(Skin().backgroundPicture, pictureCopy);  // pictureGiven 0 is not looked at
  EXPECT_EQ(Skin().tipText, std::optional<std::string>("一行提示"));
  EXPECT_EQ(Skin().backgroundColour, 0x123456u);
  EXPECT_EQ(Skin().panelOn, 1);

  // Menu and speech bubble without actions: their release runs nothing.
  for (int index : {3, 4}) {
    const POINT c = Centre(index);
    Press(c.x, c.y);
    Release(c.x, c.y);
  }
  EXPECT_EQ(State(3) + State(4), 0);

  Restart();
  skin::SetUpSkin(static_cast<std::int32_t>(app::kMainWindowId),
                  static_cast<std::int32_t>(app::kMainWindowSelf), iconCopy, 0, {}, 1, 0x123456, 0,
                  0, 0, 0, nullptr, 1, 1, nullptr, nullptr);
  EXPECT_EQ(Skin().icon, Bytes(skin::images::kDefaultIcon, skin::images::kDefaultIconSize));
  EXPECT_EQ(Skin().backgroundColour, 0xFF8800u);
  EXPECT_TRUE(Skin().backgroundPicture.empty());
  EXPECT_FALSE(Skin().tipText.has_value());

  // The built-in icon is drawn in the icon box over the black fill.
  skin::PaintFrame();
  auto frame = ReadFrame();
  int lit = 0;
  for (int y = 6; y < 25; ++y)
    for (int x = 6; x < 25; ++x) lit += frame->At(x, y) != RGB(0, 0x88, 0xFF);
  EXPECT_GT(lit, 100);
}

// The named settings leave out what they do not give: built-in icon, azure, no picture, no bands,
// no tip line, the four-button layout.
TEST_F(SkinTest, SettingsRecordFillsInWhatItLeavesOut) {
  skin::SetUpSkin({.windowId = static_cast<std::int32_t>(app::kMainWindowId),
                   .unitId = static_cast<std::int32_t>(app::kMainWindowSelf),
                   .panelOn = true});
  EXPECT_EQ(Skin().window, window());
  EXPECT_EQ(Skin().icon, Bytes(skin::images::kDefaultIcon, skin::images::kDefaultIconSize));
  EXPECT_TRUE(Skin().backgroundPicture.empty());
  EXPECT_EQ(Skin().backgroundColour, 0xFF8800u);
  EXPECT_EQ(Skin().panelOn, 1);
  EXPECT_EQ(Skin().topBandOn + Skin().bottomBandOn, 0);
  EXPECT_FALSE(Skin().tipText.has_value());
  EXPECT_EQ(Skin().buttonLayout, skin::kFourButtons);
  EXPECT_EQ(Skin().firstClickAction, nullptr);

  // A colour that is given is taken even when it is black.
  Restart();
  skin::SetUpSkin({.windowId = static_cast<std::int32_t>(app::kMainWindowId),
                   .unitId = static_cast<std::int32_t>(app::kMainWindowSelf),
                   .colour = RGB(0, 0, 0),
                   .tipText = "提示"});
  EXPECT_EQ(Skin().backgroundColour, 0u);
  EXPECT_EQ(Skin().tipText, std::optional<std::string>("提示"));
}

TEST_F(SkinTest, MaximisedWindowLosesItsTopAndTwentyFivePixelsOfHeight) {
  ShowWindow(window(), SW_MAXIMIZE);
  ASSERT_TRUE(IsZoomed(window()));
  SetUpSkin({});
  RECT r;
  GetWindowRect(window(), &r);
  EXPECT_EQ(W(), r.right - r.left);
  EXPECT_EQ(H(), r.bottom - r.top - r.top - 25);
  EXPECT_EQ(Skin().Button(1).rect.x, W() - 48);
}

}  // namespace
}  // namespace skin_testing
