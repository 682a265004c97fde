#include "runtime/fatal_error.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <string>

#include "runtime/seams.h"
#include "runtime/wide_text.h"

namespace runtime {
namespace {

// The thread whose report is on screen or whose exit sequence is running; 0 before any report.
std::atomic<DWORD> g_reportingThread{0};

// While the report is open its message loop still delivers the messages of the program's
// windows; their procedures could reach the failing code again. From now on those windows only
// get the system's default handling, which runs none of the program's code.
BOOL CALLBACK Quieten(HWND window, LPARAM) {
  if (reinterpret_cast<HMODULE>(::GetClassLongPtrW(window, GCLP_HMODULE)) ==
      ::GetModuleHandleW(nullptr))
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(::DefWindowProcW));
  return TRUE;
}

}  // namespace

void FatalRuntimeError(std::string_view detail) {
  const DWORD self = ::GetCurrentThreadId();
  DWORD none = 0;
  if (!g_reportingThread.compare_exchange_strong(none, self)) {
    // A report is already under way and ends the process with -1. Re-entered on its own thread
    // (from the report's message loop or the exit sequence) there is nowhere to return to: end
    // now, without a second report and without running the exit sequence again. Another thread
    // waits for the reporting one to end the process.
    if (none == self) std::_Exit(-1);
    for (;;) ::Sleep(INFINITE);
  }
  ::EnumThreadWindows(self, Quieten, 0);
  std::string text = "运行时出错!\r\n\r\n错误信息：";
  text += detail;
  Seams().messageBox(nullptr, ToWide(text).c_str(), L"错误", MB_ICONERROR);
  std::exit(-1);
}

}  // namespace runtime
