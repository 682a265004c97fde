#pragma once
// The main window: its form, its start-up handler and the actions of its buttons.
#include <memory>

#include "runtime/form.h"

namespace app {

const runtime::FormDef& MainForm();

// Creates the main window from its form, still hidden; null when it cannot be created.
std::unique_ptr<runtime::Form> LoadMainWindow();

// Shown at start where the process's code page is not 936: on a Windows that does not honour the
// manifest's code page (10 and earlier) whose language for non-Unicode programs is another.
inline constexpr char kCodePageMessage[] =
    "系统的“非 Unicode 程序的语言”不是中文(简体)，本程序的文字可能显示为乱码。请在 Windows 11 "
    "上运行，或在“控制面板 → 区域 → 管理”中将其改为“中文(简体，中国)”后重启电脑。";

// Runs once after the window and its components exist, before the window is first shown: says
// so where the code page is not 936, sets up the skin, fills the path box with the configuration
// folder and enables "还原" exactly when a backup exists.
void StartUpHandler(runtime::Form& form);

// Button actions; each reads the configuration folder from the path box at the moment of the
// click. While the game runs, the optimize and restore actions show the game-running message and
// change nothing, the window included.
void OpenFolderAction(runtime::Form& form);       // "打开目录"
void LowSpecOptimizeAction(runtime::Form& form);  // "低配优化"
void NormalOptimizeAction(runtime::Form& form);   // "普通优化"
void RestoreButtonAction(runtime::Form& form);    // "还原"

}  // namespace app
