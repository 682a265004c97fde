#include "app/program.h"

#include <windows.h>

#include <cstdlib>

#include "app/main_window.h"
#include "draw/gdiplus_startup.h"
#include "draw/last_error.h"
#include "runtime/fatal_error.h"
#include "runtime/message_loop.h"
#include "skin/skin.h"

namespace app {

void ExitSequence() {
  skin::TearDownSkin();
  draw::ReleaseLastErrorText();
}

int RunProgram() {
  // Libraries bound by name (msimg32.dll, gdiplus.dll, mpr.dll, ...) come from System32 only:
  // Windows would otherwise look in the program's own folder first, where a download folder can
  // hold anything.
  ::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  skin::CreateSkinObjects();
  std::atexit(ExitSequence);
  draw::StartGdiplus();
  std::unique_ptr<runtime::Form> form = LoadMainWindow();
  if (!form) runtime::FatalRuntimeError("载入启动窗口失败\r\n");
  form->RunCreated();
  ::ShowWindow(form->window(), SW_SHOW);
  return runtime::RunMessageLoop(*form);
}

}  // namespace app
