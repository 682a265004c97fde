#include "runtime/seams.h"

#include <shellapi.h>

namespace runtime {

PlatformSeams& Seams() {
  static PlatformSeams seams{::MessageBoxW, ::ShellExecuteW};
  return seams;
}

}  // namespace runtime
