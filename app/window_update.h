#pragma once
// What an action asks the main window to show once it has run: the enabled state of the restore
// button and the captions of the two transparent labels.
#include <string>

namespace app {

struct WindowUpdate {
  bool restoreEnabled;
  std::string label2Caption;
  std::string label1Caption;
};

}  // namespace app
