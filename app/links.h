#pragma once
// The outside links of the pop-up menu and the skin's speech-bubble button. Each is handed to the
// system shell, which opens it with the handler registered for its scheme.

namespace app {

struct Link {
  const char* address;
};

// In menu order: net-disk album, microblog, video-site space, Steam profile, QQ chat.
inline constexpr Link kLinks[] = {
    {"https://pan.example.com/pcloud/album/info?uk=100000000001&album_id=200000000000000002"},
    {"https://microblog.example.com/chengyuan"},
    {"https://space.example.net/10000001/"},
    {"http://steamcommunity.example.org/id/chengyuan/"},
    {"tencent://Message/?Uin=10000&websiteName=chengyuan.example.com&Menu=yes"},
};

// Opens an address: the owner is a top-level window titled "Microsoft Internet Explorer", if any.
void OpenLink(const char* address);

// The open-link actions bound to the menu items (the net-disk one also serves the skin).
void OpenNetDiskLink();
void OpenMicroblogLink();
void OpenVideoSpaceLink();
void OpenSteamLink();
void OpenQQChatLink();

// Shows the items of `菜单` as a pop-up menu 3 pixels right of and below the mouse pointer.
void ShowLinkMenu();

}  // namespace app
