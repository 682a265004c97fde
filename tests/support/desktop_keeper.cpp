// Keeps Wine's desktop open for a whole test or benchmark session.
//
// Wine closes its desktop one second after the last program that uses it has ended; a program
// that starts in that moment dies before its first line runs (CreateProcess fails in the parent,
// or CTest sees a test end at once without output). Every test is a program of its own, started
// about when the previous one has ended, so the session scripts run this program first: it uses
// the desktop from the start of the session to its end (wineserver -k), so the desktop is never
// closed in between. It prints "ready" once it holds the desktop.
#include <windows.h>

#include <cstdio>

int main() {
  // Never shown: it holds the desktop without covering anything a test reads from the screen.
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr,
                                nullptr, nullptr, nullptr);
  if (!window) return 1;
  std::puts("ready");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
