#pragma once
// The two platform calls that would block a test or leave the machine: the message box and the
// shell. Everything that shows a message box or hands something to the shell goes through here,
// so that tests can put recorders in their place.
#include <windows.h>

namespace runtime {

struct PlatformSeams {
  int(WINAPI* messageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
  HINSTANCE(WINAPI* shellExecute)
  (HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
};

// The process-wide seams; they start out as MessageBoxA and ShellExecuteA.
PlatformSeams& Seams();

}  // namespace runtime
