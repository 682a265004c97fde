#include "runtime/commands.h"

#include <cstdlib>

#include "runtime/seams.h"

namespace runtime {

void InfoMessage(const std::string& text) {
  Seams().messageBox(nullptr, text.c_str(), "信息：", MB_OK | MB_TASKMODAL);
}

void ShellOpen(HWND owner, const std::string& file, const char* directory) {
  Seams().shellExecute(owner, "open", file.c_str(), nullptr, directory, SW_SHOWNORMAL);
}

void EndProgram() { std::exit(0); }

}  // namespace runtime
