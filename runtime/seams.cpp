#include "runtime/seams.h"

#include <shellapi.h>

namespace runtime {

PlatformSeams& Seams() {
  static PlatformSeams seams{::MessageBoxA, ::ShellExecuteA};
  return seams;
}

}  // namespace runtime
