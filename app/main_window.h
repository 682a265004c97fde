#pragma once
// The main window: its form, its start-up handler and the actions of its buttons.
#include <memory>

#include "runtime/form.h"

namespace app {

const runtime::FormDef& MainForm();

// Creates the main window from its form, still hidden; null when it cannot be created.
std::unique_ptr<runtime::Form> LoadMainWindow();

// Runs once after the window and its components exist, before the window is first shown: sets up
// the skin, fills the path box with the configuration folder, gives a backup folder that an
// earlier build left under a misread name its right one, and enables "还原" exactly when a backup
// exists.
void StartUpHandler(runtime::Form& form);

// Button actions; each reads the configuration folder from the path box at the moment of the
// click. While the game runs, the optimize and restore actions show the game-running message and
// change nothing, the window included.
void OpenFolderAction(runtime::Form& form);       // "打开目录"
void LowSpecOptimizeAction(runtime::Form& form);  // "低配优化"
void NormalOptimizeAction(runtime::Form& form);   // "普通优化"
void RestoreButtonAction(runtime::Form& form);    // "还原"

}  // namespace app
