#pragma once
// The platform calls that would block a test or leave the machine: the message boxes and the
// shell; and the process's code page, which a test cannot change for the process it runs in.
// Everything that shows a message box, hands something to the shell or asks for the code page
// goes through here, so that tests can put recorders and stand-ins in their place.
#include <windows.h>

namespace runtime {

struct PlatformSeams {
  int(WINAPI* messageBox)(HWND owner, LPCSTR text, LPCSTR caption, UINT style);
  int(WINAPI* messageBoxW)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);
  HINSTANCE(WINAPI* shellExecute)
  (HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, INT show);
  UINT(WINAPI* activeCodePage)();
};

// The process-wide seams; they start out as MessageBoxA, MessageBoxW, ShellExecuteA and GetACP.
PlatformSeams& Seams();

}  // namespace runtime
