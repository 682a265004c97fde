#pragma once
// Builds the real main window hidden, as the program does before the start-up handler, with the
// message box and shell seams recording.
#include <gtest/gtest.h>

#include <memory>

#include "app/ids.h"
#include "app/main_window.h"
#include "tests/support/seam_recorder.h"

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    form = app::LoadMainWindow();
    ASSERT_NE(form, nullptr);
  }
  void TearDown() override { form.reset(); }

  HWND Child(std::uint32_t id) const { return form->ComponentWindow(id); }
  void Click(std::uint32_t id) const { SendMessageA(Child(id), BM_CLICK, 0, 0); }

  testing_support::SeamRecorder seams;
  std::unique_ptr<runtime::Form> form;
};
