#include "runtime/commands.h"

#include <cstdlib>

#include "runtime/seams.h"
#include "runtime/wide_text.h"

namespace runtime {

void InfoMessage(const std::string& text) {
  Seams().messageBox(nullptr, text.c_str(), "信息：", MB_OK | MB_TASKMODAL);
}

void InfoMessageUnlessCodePage936(const std::string& text) {
  constexpr UINT kChineseSimplified = 936;
  if (Seams().activeCodePage() == kChineseSimplified) return;
  Seams().messageBoxW(nullptr, ToWide(text, kChineseSimplified).c_str(),
                      ToWide("信息：", kChineseSimplified).c_str(), MB_OK | MB_TASKMODAL);
}

void ShellOpen(HWND owner, const std::string& file, const char* directory) {
  Seams().shellExecute(owner, "open", file.c_str(), nullptr, directory, SW_SHOWNORMAL);
}

void EndProgram() { std::exit(0); }

}  // namespace runtime
