#pragma once
// The two optimization profiles: 13 fixed writes into the game's three configuration files,
// and the optimize action that applies one of them.
#include <array>
#include <string>

#include "app/config_folder.h"
#include "app/window_update.h"

namespace app {

// One write into one configuration file. A null key deletes the whole section; the value is
// then null too. Values are written exactly as the game expects them.
struct ProfileItem {
  const char* file;  // appended to the configuration folder
  const char* section;
  const char* key;
  const char* value;
};

using Profile = std::array<ProfileItem, 13>;

// The profile of one texture level: the streaming keys go into that level's section of
// Scalability.ini and the other level's section is deleted. The two profiles differ only there
// and in item 7, the level itself.
constexpr Profile TextureLevelProfile(const char* level, const char* levelSection,
                                      const char* otherSection) {
  return {{
      {kEngineIni, "Core.System", "r.TextureStreaming", "False"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.ResolutionQuality", "70.000000"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.ViewDistanceQuality", "0"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.AntiAliasingQuality", "0"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.ShadowQuality", "0"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.PostProcessQuality", "0"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.TextureQuality", level},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.EffectsQuality", "0"},
      {kGameUserSettingsIni, "ScalabilityGroups", "sg.FoliageQuality", "0"},
      {kScalabilityIni, otherSection, nullptr, nullptr},
      {kScalabilityIni, levelSection, "r.Streaming.MipBias", "16"},
      {kScalabilityIni, levelSection, "r.MaxAnisotropy", "8"},
      {kScalabilityIni, levelSection, "r.Streaming.PoolSize", "0.01"},
  }};
}

// Texture level 0, the low-end profile ("低配优化").
inline constexpr Profile kLowSpecProfile =
    TextureLevelProfile("0", "TextureQuality@0", "TextureQuality@3");

// Texture level 3.
inline constexpr Profile kNormalProfile =
    TextureLevelProfile("3", "TextureQuality@3", "TextureQuality@0");

inline constexpr char kOptimizeDoneCaption[] =
    "优化完毕，求关注收藏硬币评论。↗\r\n（如果更新后出现不兼容随时可以还原）";
inline constexpr char kWriteFailedMessage[] =
    "写入配置文件失败，请关闭游戏并取消配置文件的只读属性后重试。";

// WritePrivateProfileStringA of one item into folder + item.file, tried again while another
// program holds the file for a moment. A path without a folder part is not written: the profile
// functions would put it into the Windows directory.
bool WriteProfileItem(const std::string& folder, const ProfileItem& item);

// Backup step, then every item of the profile in order, except the items of a file that has no
// saved copy. When an item was not written, one message (none when the backup step showed its
// own) and the labels keep what they show; the completion texts only when all were written. The
// restore button is enabled when a backup folder is there.
WindowUpdate OptimizeAction(const std::string& folder, const Profile& profile);

}  // namespace app
