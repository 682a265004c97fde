#pragma once
// Whether the game is running. The game keeps its configuration in memory and writes it back when
// it exits, so the optimize and restore actions change nothing while it runs.
#include <string>

namespace app {

// The image name of the game's process, compared without regard to case.
inline constexpr char kGameImageName[] = "TslGame.exe";
inline constexpr char kGameRunningMessage[] = "检测到游戏正在运行，请先关闭游戏后重试。";

// True when a process of the system's process list has the game's image name. False when the list
// cannot be read: the program then acts as it would without the check.
bool GameIsRunning();

// Shows the game-running message when the game is running; true when it did, and the action must
// then change nothing.
bool RefuseWhileGameRuns();

}  // namespace app
