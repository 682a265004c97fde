#pragma once
// Fixed ids of the main window and its components.
#include <cstdint>

namespace app {

inline constexpr std::uint32_t kMainWindowId = 0x52010001;
inline constexpr std::uint32_t kMainWindowSelf = 0x06010000;  // the window as its own component

namespace ids {
inline constexpr std::uint32_t 时钟1 = 0x1601004F;
inline constexpr std::uint32_t 图片框1 = 0x1601004D;
inline constexpr std::uint32_t 菜单 = 0x2601003C;
inline constexpr std::uint32_t 打开更新网盘 = 0x2601003D;
inline constexpr std::uint32_t 关注微博 = 0x26010041;
inline constexpr std::uint32_t B站个人主页 = 0x26010042;
inline constexpr std::uint32_t Steam主页 = 0x26010043;
inline constexpr std::uint32_t 分隔条 = 0x2601004A;
inline constexpr std::uint32_t QQ私聊墨鸢 = 0x26010048;
inline constexpr std::uint32_t 神秘二维码 = 0x2601004B;
inline constexpr std::uint32_t 按钮4 = 0x16010024;
inline constexpr std::uint32_t 透明标签2 = 0x1601000A;
inline constexpr std::uint32_t 按钮3 = 0x16010008;
inline constexpr std::uint32_t 按钮2 = 0x16010007;
inline constexpr std::uint32_t 按钮1 = 0x16010006;
inline constexpr std::uint32_t 编辑框1 = 0x16010004;
inline constexpr std::uint32_t 透明标签1 = 0x16010005;
}  // namespace ids

}  // namespace app
