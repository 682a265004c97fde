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

// A menu item's action for an operation that needs no form, such as opening a link.
template <void (*Operation)()>
void WithoutForm(runtime::Form&) {
  Operation();
}

constexpr runtime::FontDef kDescriptionFont{"微软雅黑", -19, 400, GB2312_CHARSET};

const runtime::PictureData kBackgroundPicture{pictures::kBackgroundJpeg,
                                              pictures::kBackgroundJpegSize};
const runtime::PictureData kPanelPicture{pictures::kPanelPng, pictures::kPanelPngSize};

// clang-format off
constexpr ComponentDef kComponents[] = {
    {.kind = Kind::Timer, .id = ids::时钟1, .name = "时钟1",
     .left = 464, .top = 152, .width = 26, .height = 26, .visible = false,
     .onEvent = SlideStep},
    {.kind = Kind::PictureBox, .id = ids::图片框1, .name = "图片框1",
     .left = 3, .top = 200, .width = 496, .height = 166,
     .picture = &kPanelPicture, .onMouseDown = TogglePanelOnPress},
    {.kind = Kind::Menu, .id = ids::菜单, .name = "菜单", .visible = false, .text = "菜单"},
    {.kind = Kind::MenuItem, .id = ids::打开更新网盘, .name = "打开更新网盘",
     .text = "打开更新网盘", .menuLevel = 1, .onEvent = WithoutForm<OpenNetDiskLink>},
    {.kind = Kind::MenuItem, .id = ids::关注微博, .name = "关注微博",
     .text = "关注微博", .menuLevel = 1, .onEvent = WithoutForm<OpenMicroblogLink>},
    {.kind = Kind::MenuItem, .id = ids::B站个人主页, .name = "B站个人主页",
     .text = "B站个人主页", .menuLevel = 1, .onEvent = WithoutForm<OpenVideoSpaceLink>},
    {.kind = Kind::MenuItem, .id = ids::Steam主页, .name = "Steam主页",
     .text = "Steam主页", .menuLevel = 1, .onEvent = WithoutForm<OpenSteamLink>},
    {.kind = Kind::MenuItem, .id = ids::分隔条, .name = "", .text = "-", .menuLevel = 1},
    {.kind = Kind::MenuItem, .id = ids::QQ私聊墨鸢, .name = "QQ私聊墨鸢",
     .text = "QQ私聊墨鸢", .menuLevel = 1, .onEvent = WithoutForm<OpenQQChatLink>},
    {.kind = Kind::MenuItem, .id = ids::神秘二维码, .name = "神秘二维码",
     .text = "神秘二维码", .menuLevel = 1, .onEvent = TogglePanel},
    {.kind = Kind::Button, .id = ids::按钮4, .name = "按钮4",
     .left = 403, .top = 85, .width = 80, .height = 32, .tabStop = true,
     .text = "低配优化", .onEvent = LowSpecOptimizeAction},
    {.kind = Kind::TransparentLabel, .id = ids::透明标签2, .name = "透明标签2",
     .left = 21, .top = 55, .width = 365, .height = 56,
     .text = texts::kDescription, .font = &kDescriptionFont, .wordWrap = true},
    {.kind = Kind::Button, .id = ids::按钮3, .name = "按钮3",
     .left = 403, .top = 117, .width = 80, .height = 32, .tabStop = true,
     .text = "还原", .onEvent = RestoreButtonAction},
    {.kind = Kind::Button, .id = ids::按钮2, .name = "按钮2",
     .left = 403, .top = 53, .width = 80, .height = 32, .tabStop = true,
     .text = "普通优化", .onEvent = NormalOptimizeAction},
    {.kind = Kind::Button, .id = ids::按钮1, .name = "按钮1",
     .left = 315, .top = 129, .width = 80, .height = 20, .tabStop = true,
     .text = "打开目录", .onEvent = OpenFolderAction},
    {.kind = Kind::EditBox, .id = ids::编辑框1, .name = "编辑框1",
     .left = 109, .top = 129, .width = 203, .height = 20, .tabStop = true, .text = ""},
    {.kind = Kind::TransparentLabel, .id = ids::透明标签1, .name = "透明标签1",
     .left = 19, .top = 127, .width = 86, .height = 24, .text = texts::kPathLabel},
};
// clang-format on
static_assert(std::size(kComponents) == 17);
static_assert(runtime::CommandIdsAreUnique(kComponents));

const runtime::FormDef kMainForm{
    .windowId = kMainWindowId,
    .componentId = kMainWindowSelf,
    .className = "ChengYuanMainWindow",
    .caption = texts::kCaption,
    .width = 500,
    .height = 200,
    .style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
    .exStyle = WS_EX_APPWINDOW,
    .background = &kBackgroundPicture,
    .iconResource = kAppIconResource,
    .escCloses = true,
    .components = kComponents,
    .onCreated = StartUpHandler,
};

}  // namespace

const runtime::FormDef& MainForm() { return kMainForm; }

std::unique_ptr<runtime::Form> LoadMainWindow() { return runtime::Form::Create(MainForm()); }

}  // namespace app
