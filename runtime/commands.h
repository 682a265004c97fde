#pragma once
// Built-in commands that the actions call to talk to the user and to the shell.
#include <windows.h>

#include <string>

namespace runtime {

// The info message: no owner, caption "信息：", MB_OK | MB_TASKMODAL; the answer is ignored.
void InfoMessage(const std::string& text);

// Hands a file, folder or address to the shell with the verb "open" and SW_SHOWNORMAL; the result
// is ignored. directory is the default directory text, or null for none.
void ShellOpen(HWND owner, const std::string& file, const char* directory);

// The end command: runs the registered exit sequence and ends the process with exit code 0,
// without closing the window first.
[[noreturn]] void EndProgram();

}  // namespace runtime
