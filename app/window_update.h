#pragma once
// What an action asks the main window to show once it has run: the enabled state of the restore
// button and the captions of the two transparent labels, which keep what they show when none is
// given.
#include <optional>
#include <string>

namespace app {

struct WindowUpdate {
  bool restoreEnabled;
  std::optional<std::string> label2Caption;
  std::optional<std::string> label1Caption;
};

}  // namespace app
