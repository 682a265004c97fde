#include "runtime/commands.h"

#include <cstdlib>

#include "runtime/seams.h"
#include "runtime/wide_text.h"

namespace runtime {

void InfoMessage(const std::string& text) {
  Seams().messageBox(nullptr, ToWide(text).c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

void ShellOpen(HWND owner, const std::string& file, const char* directory) {
  const std::wstring wideDirectory = directory ? ToWide(directory) : std::wstring();
  Seams().shellExecute(owner, L"open", ToWide(file).c_str(), nullptr,
                       directory ? wideDirectory.c_str() : nullptr, SW_SHOWNORMAL);
}

void EndProgram() { std::exit(0); }

}  // namespace runtime
