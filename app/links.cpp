#include "app/links.h"

#include <windows.h>

#include "app/ids.h"
#include "runtime/commands.h"
#include "runtime/form.h"

namespace app {

void OpenLink(const char* address) {
  HWND owner = ::FindWindowW(nullptr, L"Microsoft Internet Explorer");
  runtime::ShellOpen(owner, address, nullptr);
}

void OpenNetDiskLink() { OpenLink(kLinks[0].address); }
void OpenMicroblogLink() { OpenLink(kLinks[1].address); }
void OpenVideoSpaceLink() { OpenLink(kLinks[2].address); }
void OpenSteamLink() { OpenLink(kLinks[3].address); }
void OpenQQChatLink() { OpenLink(kLinks[4].address); }

void ShowLinkMenu() {
  runtime::Form* form = runtime::FindForm(kMainWindowId);
  if (!form) return;
  runtime::UniqueMenu menu = form->BuildPopupMenu(ids::菜单);
  POINT pointer{};
  ::GetCursorPos(&pointer);
  const int offset = runtime::Scaled(3, form->dpi());
  // A chosen item reaches the window as a menu command; the menu is destroyed afterwards.
  ::TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pointer.x + offset,
                   pointer.y + offset, 0, form->window(), nullptr);
}

}  // namespace app
