// The main window as data: the window's own properties and its seventeen components in creation
// order, which is also their stacking order (first on top).
#include "app/pictures.h"
#include "app/ids.h"
#include "app/links.h"
#include "app/main_window.h"
#include "app/panel.h"
#include "app/resources/resource_ids.h"
#include "app/texts.h"

namespace app {
namespace {

using runtime::ComponentDef;
using runtime::Kind;

constexpr runtime::FontDef kDescriptionFont{"微软雅黑", -19, 400, GB2312_CHARSET};

const runtime::PictureData kBackgroundPicture{pictures::kBackgroundJpeg,
                                              pictures::kBackgroundJpegSize};
const runtime::PictureData kPanelPicture{pictures::kPanelPng, pictures::kPanelPngSize};

// kind, id, name, left, top, width, height, visible, disabled, tab stop, text, font, picture,
// word wrap, checked, menu level, event action, mouse-down action
constexpr ComponentDef kComponents[] = {
    {Kind::Timer, ids::时钟1, "时钟1", 464, 152, 26, 26, false, false, false, nullptr, nullptr, nullptr,
     false, false, 0, SlideStep},
    {Kind::PictureBox, ids::图片框1, "图片框1", 3, 200, 496, 166, true, false, false, nullptr,
     nullptr, &kPanelPicture, false, false, 0, nullptr, TogglePanelOnPress},
    {Kind::Menu, ids::菜单, "菜单", 0, 0, 0, 0, false, false, false, "菜单"},
    {Kind::MenuItem, ids::打开更新网盘, "打开更新网盘", 0, 0, 0, 0, true, false, false,
     "打开更新网盘", nullptr, nullptr, false, false, 1, OpenNetDiskLink},
    {Kind::MenuItem, ids::关注微博, "关注微博", 0, 0, 0, 0, true, false, false, "关注微博", nullptr,
     nullptr, false, false, 1, OpenMicroblogLink},
    {Kind::MenuItem, ids::B站个人主页, "B站个人主页", 0, 0, 0, 0, true, false, false, "B站个人主页",
     nullptr, nullptr, false, false, 1, OpenVideoSpaceLink},
    {Kind::MenuItem, ids::Steam主页, "Steam主页", 0, 0, 0, 0, true, false, false, "Steam主页",
     nullptr, nullptr, false, false, 1, OpenSteamLink},
    {Kind::MenuItem, ids::分隔条, "", 0, 0, 0, 0, true, false, false, "-", nullptr, nullptr, false,
     false, 1},
    {Kind::MenuItem, ids::QQ私聊墨鸢, "QQ私聊墨鸢", 0, 0, 0, 0, true, false, false, "QQ私聊墨鸢",
     nullptr, nullptr, false, false, 1, OpenQQChatLink},
    {Kind::MenuItem, ids::神秘二维码, "神秘二维码", 0, 0, 0, 0, true, false, false, "神秘二维码",
     nullptr, nullptr, false, false, 1, TogglePanel},
    {Kind::Button, ids::按钮4, "按钮4", 403, 85, 80, 32, true, false, true, "低配优化", nullptr, nullptr,
     false, false, 0, LowSpecOptimizeAction},
    {Kind::TransparentLabel, ids::透明标签2, "透明标签2", 21, 55, 365, 56, true, false, false,
     texts::kDescription, &kDescriptionFont, nullptr, true},
    {Kind::Button, ids::按钮3, "按钮3", 403, 117, 80, 32, true, false, true, "还原", nullptr, nullptr,
     false, false, 0, RestoreButtonAction},
    {Kind::Button, ids::按钮2, "按钮2", 403, 53, 80, 32, true, false, true, "普通优化", nullptr, nullptr,
     false, false, 0, NormalOptimizeAction},
    {Kind::Button, ids::按钮1, "按钮1", 315, 129, 80, 20, true, false, true, "打开目录", nullptr, nullptr,
     false, false, 0, OpenFolderAction},
    {Kind::EditBox, ids::编辑框1, "编辑框1", 109, 129, 203, 20, true, false, true, ""},
    {Kind::TransparentLabel, ids::透明标签1, "透明标签1", 19, 127, 86, 24, true, false, false,
     texts::kPathLabel},
};
static_assert(std::size(kComponents) == 17);
static_assert(runtime::CommandIdsAreUnique(kComponents));

const runtime::FormDef kMainForm{
    kMainWindowId,
    kMainWindowSelf,
    "ChengYuanMainWindow",
    texts::kCaption,
    500,
    200,
    WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
    WS_EX_APPWINDOW,
    &kBackgroundPicture,
    kAppIconResource,
    true,
    kComponents,
    StartUpHandler,
};

}  // namespace

const runtime::FormDef& MainForm() { return kMainForm; }

std::unique_ptr<runtime::Form> LoadMainWindow() { return runtime::Form::Create(MainForm()); }

}  // namespace app
