#include "runtime/message_loop.h"

#include "runtime/form.h"

namespace runtime {

bool PreTranslateMessage(const Form& form, const MSG& message) {
  HWND window = form.window();
  if (message.message != WM_KEYDOWN || !window) return false;
  if (message.hwnd != window && !::IsChild(window, message.hwnd)) return false;
  if (message.wParam == VK_ESCAPE && form.definition().escCloses) {
    ::SendMessageW(window, WM_CLOSE, 0, 0);
    return true;
  }
  if (message.wParam == VK_TAB) {
    const bool backwards = ::GetKeyState(VK_SHIFT) < 0;
    // With the focus on the window itself the search starts from the ends of the tab order.
    HWND focus = ::GetFocus();
    HWND next = ::GetNextDlgTabItem(window, ::IsChild(window, focus) ? focus : nullptr, backwards);
    if (next) ::SetFocus(next);
    return true;
  }
  return false;
}

int RunMessageLoop(Form& form) {
  form.SetQuitOnDestroy(true);
  MSG message;
  // The W loop: a typed character reaches a Unicode window whole, not through the keyboard's code
  // page.
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (PreTranslateMessage(form, message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace runtime
