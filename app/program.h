#pragma once

namespace app {

// The whole life of the process: start, the main window's message loop, and the exit sequence
// (registered at start, so it also runs when the program is ended at once).
int RunProgram();

// What runs when the program ends, however it ends.
void ExitSequence();

}  // namespace app
