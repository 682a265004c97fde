#pragma once
#include <string_view>

namespace runtime {

// The run-time error report: a message box without owner, caption "错误", the error icon, the text
// "运行时出错!", an empty line, "错误信息：" and the detail; then the process ends with exit code -1
// (the registered exit sequence runs).
[[noreturn]] void FatalRuntimeError(std::string_view detail);

}  // namespace runtime
