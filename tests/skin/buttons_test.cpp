// The caption buttons driven with real mouse messages on the shown window: hover, press and
// release with their redraws, the actions, the resize cursors and the window move.
#include <cstdlib>

#include "app/links.h"
#include "app/program.h"
#include "draw/last_error.h"
#include "tests/skin/skin_fixture.h"

namespace skin_testing {
namespace {

constexpr COLORREF kMark = RGB(255, 0, 255);

class SkinButtonsTest : public SkinTest {
 protected:
  void SetUp() override {
    SkinTest::SetUp();
    SetUpWith({});
  }
  void TearDown() override {
    watch.reset();
    SkinTest::TearDown();
  }

  void SetUpWith(const SkinArgs& args) {
    SetUpSkin(args);
    ShowWindow(window(), SW_SHOWNOACTIVATE);
    UpdateWindow(window());
    watch = std::make_unique<MessageWatch>(window());
  }

  // Paints each button's place on the window in a colour no button has, so that a later redraw
  // of a button shows as that colour gone.
  void Mark() const {
    HDC dc = GetDC(window());
    HBRUSH brush = CreateSolidBrush(kMark);
    for (const skin::SkinButton& b : Skin().buttons) {
      const RECT r{b.rect.x, b.rect.y + 1, b.rect.x + b.rect.width, b.rect.y + 1 + b.rect.height};
      FillRect(dc, &r, brush);
    }
    DeleteObject(brush);
    ReleaseDC(window(), dc);
  }
  bool Redrawn(int index) const {
    const POINT c = Centre(index);
    HDC dc = GetDC(window());
    const COLORREF pixel = GetPixel(dc, c.x, c.y + 1);
    ReleaseDC(window(), dc);
    return pixel != kMark;
  }
  // Which buttons a step redrew, as a string of four flags ("0100": button 2 only).
  std::string RedrawnSet() const {
    std::string set;
    for (int i = 1; i <= 4; ++i) set += Redrawn(i) ? '1' : '0';
    return set;
  }
  std::string States() const {
    std::string set;
    for (int i = 1; i <= 4; ++i) set += static_cast<char>('0' + State(i));
    return set;
  }
  std::size_t MoveRequests() const { return watch->Of(WM_NCLBUTTONDOWN).size(); }
  // Pixels that differ between two captures of the window around the centre of button index.
  int DifferencesAround(int index, const draw_testing::PixelTarget& a,
                        const draw_testing::PixelTarget& b) const {
    const POINT c = Centre(index);
    int different = 0;
    for (int y = c.y - 5; y <= c.y + 5; ++y)
      for (int x = c.x - 8; x <= c.x + 8; ++x) different += a.At(x, y) != b.At(x, y);
    return different;
  }
  void Click(int index) const {
    const POINT c = Centre(index);
    Press(c.x, c.y);
    Release(c.x, c.y);
  }

  std::unique_ptr<MessageWatch> watch;
};

TEST_F(SkinButtonsTest, HoverFollowsTheMouseAndTheScanStopsAtANewlyHoveredButton) {
  auto normal = ReadWindow();
  Mark();
  Move(Centre(2).x, Centre(2).y);
  EXPECT_EQ(States(), "0100");
  EXPECT_EQ(RedrawnSet(), "0100");
  // The hover look is not the normal one.
  auto hovered = ReadWindow();
  EXPECT_GT(DifferencesAround(2, *hovered, *normal), 40);
  // Its hover image was decoded for this first hover, and only for this button.
  const Gdiplus::GpImage* hoverImage = Skin().Button(2).hoverImage.ImageHandle();
  EXPECT_NE(hoverImage, nullptr);
  EXPECT_TRUE(Skin().Button(2).pendingHover.empty());
  EXPECT_EQ(Skin().Button(3).hoverImage.ImageHandle(), nullptr);

  // Straight onto button 1: it hovers and the scan stops, so button 2 keeps its hover look.
  Mark();
  Move(Centre(1).x, Centre(1).y);
  EXPECT_EQ(States(), "1100");
  EXPECT_EQ(RedrawnSet(), "1000");

  // The next movement reaches button 2 and turns it back; button 1 stays as it is.
  Mark();
  Move(Centre(1).x + 1, Centre(1).y);
  EXPECT_EQ(States(), "1000");
  EXPECT_EQ(RedrawnSet(), "0100");

  Mark();
  Move(100, 100);
  EXPECT_EQ(States(), "0000");
  EXPECT_EQ(RedrawnSet(), "1000");
  EXPECT_EQ(MoveRequests(), 0u);

  // Hovering again shows the same look from the image decoded the first time.
  Move(Centre(2).x, Centre(2).y);
  EXPECT_EQ(Skin().Button(2).hoverImage.ImageHandle(), hoverImage);
  EXPECT_EQ(DifferencesAround(2, *ReadWindow(), *hovered), 0);

  // Pressed from the hover, it takes its pressed look, decoded now from its own image.
  Press(Centre(2).x, Centre(2).y);
  EXPECT_EQ(States(), "0200");
  EXPECT_NE(Skin().Button(2).pressedImage.ImageHandle(), nullptr);
  EXPECT_GT(DifferencesAround(2, *ReadWindow(), *hovered), 40);
  Release(100, 100);
}

TEST_F(SkinButtonsTest, EdgesBelongToTheButtonAndTheSharedColumnToButtonOneFirst) {
  const int W = this->W();
  EXPECT_TRUE(skin::HitButton(1, W - 48, 3));
  EXPECT_TRUE(skin::HitButton(2, W - 48, 3));
  EXPECT_TRUE(skin::HitButton(1, W - 11, 22));
  EXPECT_FALSE(skin::HitButton(1, W - 10, 10));
  EXPECT_FALSE(skin::HitButton(1, W - 30, 23));
  EXPECT_FALSE(skin::HitButton(1, W - 30, 2));
  EXPECT_TRUE(skin::HitButton(4, W - 123, 10));
  EXPECT_FALSE(skin::HitButton(4, W - 124, 10));
  EXPECT_FALSE(skin::HitButton(0, W - 30, 10));
  EXPECT_FALSE(skin::HitButton(5, W - 30, 10));

  Move(W - 48, 10);
  EXPECT_EQ(States(), "1000");
  Mark();
  Press(W - 48, 10);
  EXPECT_EQ(States(), "2000");
  EXPECT_EQ(RedrawnSet(), "1000");
  EXPECT_EQ(Skin().pressMissed, 0);
  EXPECT_EQ(MoveRequests(), 0u);
  Release(100, 100);  // off the button: nothing runs
  EXPECT_EQ(States(), "0000");
}

TEST_F(SkinButtonsTest, PressedButtonIgnoresMovesAndReleasedOffItRunsNothing) {
  auto normal = ReadWindow();
  Mark();
  Press(Centre(3).x, Centre(3).y);
  EXPECT_EQ(States(), "0020");
  EXPECT_EQ(RedrawnSet(), "0010");
  // The pressed look, decoded for this first press, is not the normal one.
  EXPECT_NE(Skin().Button(3).pressedImage.ImageHandle(), nullptr);
  EXPECT_GT(DifferencesAround(3, *ReadWindow(), *normal), 40);

  Mark();
  Move(Centre(4).x, Centre(4).y);
  Move(100, 100);
  EXPECT_EQ(States(), "0020");
  EXPECT_EQ(Redrawn(3), false);

  Mark();
  Release(100, 100);
  EXPECT_EQ(States(), "0000");
  EXPECT_EQ(RedrawnSet(), "0010");
  EXPECT_EQ(Skin().pressMissed, 1);
  EXPECT_EQ(firstClicks + secondClicks, 0);
  EXPECT_EQ(MoveRequests(), 0u);
}

TEST_F(SkinButtonsTest, ReleaseOverTheButtonRunsItsClickActionAndLeavesItNormal) {
  Click(3);
  EXPECT_EQ(firstClicks, 1);
  EXPECT_EQ(secondClicks, 0);
  // Drawn normal although the mouse is still over it, until the next movement.
  EXPECT_EQ(States(), "0000");
  Move(Centre(3).x, Centre(3).y);
  EXPECT_EQ(States(), "0010");

  Click(4);
  EXPECT_EQ(firstClicks, 1);
  EXPECT_EQ(secondClicks, 1);
  EXPECT_EQ(MoveRequests(), 0u);
}

// A release outside the window never arrives: the button stays pressed until a release inside,
// which returns the lowest pressed button and runs its action only when it is over that one.
TEST_F(SkinButtonsTest, ReleaseOutsideLeavesThePressUntilTheNextReleaseInside) {
  Press(Centre(3).x, Centre(3).y);
  Release(Centre(4).x, Centre(4).y);
  EXPECT_EQ(States(), "0000");
  EXPECT_EQ(firstClicks + secondClicks, 0);

  Press(Centre(4).x, Centre(4).y);  // released outside
  Press(Centre(3).x, Centre(3).y);
  EXPECT_EQ(States(), "0022");
  Mark();
  Release(Centre(3).x, Centre(3).y);
  EXPECT_EQ(States(), "0002");
  EXPECT_EQ(RedrawnSet(), "0010");
  EXPECT_EQ(firstClicks, 1);
  Release(Centre(4).x, Centre(4).y);
  EXPECT_EQ(States(), "0000");
  EXPECT_EQ(secondClicks, 1);

  // A press on a button that is still pressed is no press on a button: with nothing else hit it
  // counts as a press beside the buttons and starts a window move.
  Press(Centre(4).x, Centre(4).y);
  EXPECT_EQ(MoveRequests(), 0u);
  Press(Centre(4).x, Centre(4).y);
  EXPECT_EQ(States(), "0002");
  EXPECT_EQ(Skin().pressMissed, 1);
  EXPECT_EQ(MoveRequests(), 1u);
}

TEST_F(SkinButtonsTest, MinimiseButtonSendsTheMinimiseCommand) {
  Click(2);
  const auto commands = watch->Of(WM_SYSCOMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, static_cast<WPARAM>(SC_MINIMIZE));
  EXPECT_EQ(commands[0].lParam, 0);
  EXPECT_TRUE(IsIconic(window()));
  EXPECT_EQ(firstClicks + secondClicks, 0);
}

TEST_F(SkinButtonsTest, ResizeCursorsShowInTheirZonesByStrictComparison) {
  struct Case {
    int x, y, zone;
    LPCWSTR cursor;  // null: the cursor is left as it was
  };
  const int W = this->W(), H = this->H();
  const Case cases[] = {
      {W - 3, 100, skin::kZoneRightEdge, IDC_SIZEWE},
      {W - 4, 100, skin::kZoneNone, nullptr},
      {W - 3, 10, skin::kZoneNone, nullptr},
      {W - 3, 11, skin::kZoneRightEdge, IDC_SIZEWE},
      {W - 3, H - 11, skin::kZoneRightEdge, IDC_SIZEWE},
      {W - 3, H - 10, skin::kZoneNone, nullptr},
      {W - 3, H - 8, skin::kZoneCorner, IDC_SIZENWSE},
      {100, H - 6, skin::kZoneBottomEdge, IDC_SIZENS},
      {100, H - 7, skin::kZoneNone, nullptr},
      {W - 11, H - 6, skin::kZoneBottomEdge, IDC_SIZENS},
      {W - 10, H - 6, skin::kZoneNone, nullptr},  // the column between the two zones
      {W - 10, H - 1, skin::kZoneNone, nullptr},
      {W - 9, H - 8, skin::kZoneCorner, IDC_SIZENWSE},
      {W - 9, H - 9, skin::kZoneNone, nullptr},
      {100, 100, skin::kZoneNone, nullptr},
  };
  const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
  for (const Case& c : cases) {
    SetCursor(hand);
    Move(c.x, c.y);
    EXPECT_EQ(Skin().cursorZone, c.zone) << c.x << "," << c.y;
    EXPECT_EQ(GetCursor(), c.cursor ? LoadCursorW(nullptr, c.cursor) : hand) << c.x << "," << c.y;
  }
}

// A press beside the buttons and outside the zones hands the window to the system's move loop
// with WM_NCLBUTTONDOWN / HTCAPTION; a press in a zone only shows the zone's cursor again.
TEST_F(SkinButtonsTest, PressBesideTheButtonsMovesTheWindowButNotInAZone) {
  Move(100, 100);
  Press(100, 100);
  auto requests = watch->Of(WM_NCLBUTTONDOWN);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].wParam, static_cast<WPARAM>(HTCAPTION));
  EXPECT_EQ(requests[0].lParam, 0);
  EXPECT_EQ(Skin().pressMissed, 1);
  Release(100, 100);

  // In the caption band beside the buttons, and left of button 4.
  Press(W() - 124, 10);
  EXPECT_EQ(MoveRequests(), 2u);
  Release(W() - 124, 10);

  Move(W() - 3, 100);
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  Press(W() - 3, 100);
  EXPECT_EQ(MoveRequests(), 2u);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZEWE));
  Release(W() - 3, 100);

  // The zone is the one of the last movement, not of the press.
  Move(100, 100);
  Press(W() - 3, 100);
  EXPECT_EQ(MoveRequests(), 3u);
}

// The program's own set-up: the menu button opens the link menu and the speech bubble hands the
// net-disk link to the shell; every other message still reaches the runtime.
TEST_F(SkinTest, StartUpHandlerWiresTheLinkMenuAndTheNetDiskLink) {
  form->RunCreated();
  ShowWindow(window(), SW_SHOWNOACTIVATE);
  UpdateWindow(window());
  MessageWatch watch(window());
  const POINT menu = Centre(3), bubble = Centre(4);
  Press(menu.x, menu.y);
  Release(menu.x, menu.y);
  EXPECT_EQ(watch.popupItems, 7);
  Press(bubble.x, bubble.y);
  Release(bubble.x, bubble.y);
  ASSERT_EQ(seams.shellCalls().size(), 1u);
  EXPECT_EQ(seams.shellCalls()[0].file, app::kLinks[0].address);
  EXPECT_TRUE(seams.messages().empty());
}

// Closing ends the process at once with exit code 0: the exit sequence has released the skin and
// the last-error text, and the window was never sent a close message.
MessageWatch* g_exitWatch = nullptr;
HWND g_exitWindow = nullptr;

void ReportExit() {
  fprintf(stderr, "[skin=%s error-text=%zu close=%zu window=%s]",
          skin::Skin() ? "held" : "released", draw::LastErrorText().size(),
          g_exitWatch->Of(WM_CLOSE).size() + g_exitWatch->Of(WM_DESTROY).size(),
          IsWindow(g_exitWindow) ? "alive" : "gone");
}

constexpr char kOrderlyExit[] = "^\\[skin=released error-text=0 close=0 window=alive\\]$";

TEST_F(SkinButtonsTest, CloseButtonEndsTheProgramWithExitCodeZero) {
  EXPECT_EXIT(
      {
        g_exitWatch = watch.get();
        g_exitWindow = window();
        std::atexit(ReportExit);
        std::atexit(app::ExitSequence);
        draw::SetLastErrorText("测试");
        Click(1);
        fprintf(stderr, "still running");
      },
      testing::ExitedWithCode(0), kOrderlyExit);
}

TEST_F(SkinTest, SingleCloseButtonLayout) {
  SkinArgs args;
  args.layout = 0;
  SetUpSkin(args);
  EXPECT_EQ(Skin().Button(1).rect.x, W() - 42);
  EXPECT_EQ(Skin().Button(1).rect.y, 1);
  EXPECT_EQ(Skin().Button(1).rect.width, 40);
  EXPECT_EQ(Skin().Button(1).rect.height, 20);
  for (int i = 2; i <= 4; ++i) {
    const skin::SkinButton& b = Skin().Button(i);
    EXPECT_EQ(b.rect.x | b.rect.y | b.rect.width | b.rect.height, 0) << i;
    EXPECT_EQ(b.normalImage.ImageHandle(), nullptr);
    EXPECT_EQ(b.hoverImage.ImageHandle(), nullptr);
    EXPECT_EQ(b.pressedImage.ImageHandle(), nullptr);
  }
  const skin::SkinButton& close = Skin().Button(1);
  EXPECT_NE(close.normalImage.ImageHandle(), nullptr);
  EXPECT_FALSE(close.pendingHover.empty());
  EXPECT_FALSE(close.pendingPressed.empty());

  // Where the four-button layout has its menu and speech bubble, a click is a window move.
  MessageWatch watch(window());
  for (int x : {W() - 90, W() - 110}) {
    Press(x, 10);
    Release(x, 10);
  }
  EXPECT_EQ(watch.Of(WM_NCLBUTTONDOWN).size(), 2u);
  EXPECT_EQ(firstClicks + secondClicks, 0);
  EXPECT_EXIT(
      {
        g_exitWatch = &watch;
        g_exitWindow = window();
        std::atexit(ReportExit);
        std::atexit(app::ExitSequence);
        Press(W() - 42, 1);
        Release(W() - 2, 21);
      },
      testing::ExitedWithCode(0), kOrderlyExit);
}

}  // namespace
}  // namespace skin_testing
