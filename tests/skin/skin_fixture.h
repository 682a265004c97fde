#pragma once
// The skin on the real main window, built in-process: the skin objects are made as at process
// start, the window is loaded hidden, and each test sets the skin up with the arguments it needs.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/ids.h"
#include "app/main_window.h"
#include "skin/skin_state.h"
#include "tests/draw/draw_test_support.h"
#include "tests/support/seam_recorder.h"

namespace skin_testing {

// What a test hands to SetUpSkin. The defaults give a plain frame: black, no picture, no bands,
// no panel, no tip line, the four-button layout and two recording click actions.
struct SkinArgs {
  std::vector<std::uint8_t> icon;
  int iconGiven = 1;
  std::vector<std::uint8_t> picture;
  COLORREF colour = 0;
  int colourGiven = 1;
  int panelOn = 0;
  int topBandOn = 0;
  int bottomBandOn = 0;
  const char* tip = nullptr;
  int layout = 1;
};

// Messages that reach the window, seen by a procedure put over the skin's. It keeps the system's
// window move from running (WM_NCLBUTTONDOWN is recorded and not passed on) and closes a pop-up
// menu as soon as its loop goes idle.
class MessageWatch {
 public:
  explicit MessageWatch(HWND window);
  ~MessageWatch();
  MessageWatch(const MessageWatch&) = delete;
  MessageWatch& operator=(const MessageWatch&) = delete;

  struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  // The recorded messages of one kind.
  std::vector<Message> Of(UINT message) const;
  // Item count of the last pop-up menu opened on the window; -1 when none was.
  int popupItems = -1;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_;
  WNDPROC below_;
  std::vector<Message> messages_;
};

class SkinTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  void SetUpSkin(const SkinArgs& args);
  // A fresh skin on a fresh main window, as in a new process.
  void Restart();
  HWND window() const { return form->window(); }
  skin::WindowSkin& Skin() const { return *skin::Skin(); }
  int W() const { return Skin().frame.width; }
  int H() const { return Skin().frame.height; }
  int State(int index) const { return Skin().Button(index).state; }

  // The composed frame, copied off the frame surface.
  std::unique_ptr<draw_testing::PixelTarget> ReadFrame() const;
  // Pixels of the window as shown, through a device context of the window.
  std::unique_ptr<draw_testing::PixelTarget> ReadWindow() const;

  // Mouse messages as the window system sends them, in window coordinates.
  void Move(int x, int y) const;
  void Press(int x, int y) const;
  void Release(int x, int y) const;
  // The centre of button index.
  POINT Centre(int index) const;

  static int firstClicks;
  static int secondClicks;
  static void RecordFirstClick() { ++firstClicks; }
  static void RecordSecondClick() { ++secondClicks; }

  testing_support::SeamRecorder seams;
  std::unique_ptr<runtime::Form> form;
};

// A PNG of width × height in one ARGB colour.
std::vector<std::uint8_t> SolidPng(int width, int height, std::uint32_t argb);

}  // namespace skin_testing
