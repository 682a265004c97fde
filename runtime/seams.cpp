#include "runtime/seams.h"

#include <shellapi.h>

namespace runtime {

PlatformSeams& Seams() {
  static PlatformSeams seams{::MessageBoxA, ::MessageBoxW, ::ShellExecuteA, ::GetACP};
  return seams;
}

}  // namespace runtime
