#pragma once
#include <windows.h>

namespace runtime {

class Form;

// Keyboard handling of the form before a message is dispatched: Esc sends the window WM_CLOSE
// (when the form says so), Tab and Shift+Tab move the focus among the tab stops. Enter is left
// alone. Returns true when the message was handled.
bool PreTranslateMessage(const Form& form, const MSG& message);

// Runs the message loop until the form's window is destroyed; returns the quit code.
int RunMessageLoop(Form& form);

}  // namespace runtime
