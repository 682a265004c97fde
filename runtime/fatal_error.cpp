#include "runtime/fatal_error.h"

#include <cstdlib>
#include <string>

#include "runtime/seams.h"

namespace runtime {

void FatalRuntimeError(std::string_view detail) {
  std::string text = "运行时出错!\r\n\r\n错误信息：";
  text += detail;
  Seams().messageBox(nullptr, text.c_str(), "错误", MB_ICONERROR);
  std::exit(-1);
}

}  // namespace runtime
