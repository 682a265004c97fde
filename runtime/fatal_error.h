#pragma once
#include <string_view>

namespace runtime {

// The run-time error report: a message box without owner, caption "错误", the error icon, the text
// "运行时出错!", an empty line, "错误信息：" and the detail; then the process ends with exit code
// -1 (the registered exit sequence runs).
//
// There is only ever one report. While it is open, the program's top-level windows on the
// reporting thread get only the system's default handling, so that nothing the report's message
// loop delivers runs the program's code; a report asked for meanwhile, or during the exit
// sequence, shows nothing and ends the process at once with -1.
[[noreturn]] void FatalRuntimeError(std::string_view detail);

}  // namespace runtime
