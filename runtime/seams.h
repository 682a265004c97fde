#pragma once
// The platform calls that would block a test or leave the machine: the message box and the
// shell. Everything that shows a message box or hands something to the shell goes through here,
// so that tests can put recorders in their place.
#include <windows.h>

namespace runtime {

struct PlatformSeams {
  int(WINAPI* messageBox)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);
  HINSTANCE(WINAPI* shellExecute)
  (HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory, INT show);
};

// The process-wide seams; they start out as MessageBoxW and ShellExecuteW.
PlatformSeams& Seams();

}  // namespace runtime
