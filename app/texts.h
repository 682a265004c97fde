#pragma once
// Texts the window shows, written once: in the form and in what the actions set.

namespace app::texts {

inline constexpr char kCaption[] = "澄远";
inline constexpr char kPathLabel[] = "配置文件路径：";
inline constexpr char kDescription[] = "优化后远处树干不显示 地面光滑\r\n更容易看到远处的敌人";
inline constexpr char kTipLine[] = "本程序由墨鸢制作，点击右上角菜单按钮了解更多。";

}  // namespace app::texts
