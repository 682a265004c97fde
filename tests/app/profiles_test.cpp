#include "app/profiles.h"

#include <gtest/gtest.h>

#include "app/backup.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using apptest::Ini;
using apptest::ReadIni;
using testing_support::ReadFileBytes;
using testing_support::SeamRecorder;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

namespace {

const std::vector<std::string> kStreamingKeys = {"r.Streaming.MipBias=16", "r.MaxAnisotropy=8",
                                                 "r.Streaming.PoolSize=0.01"};

// The section of the game's file after the profile: its three keys first, in their places.
std::vector<std::string> ScalabilityGroups(const char* textureLevel) {
  return {"sg.ResolutionQuality=70.000000",
          "sg.ViewDistanceQuality=0",
          std::string("sg.TextureQuality=") + textureLevel,
          "sg.AntiAliasingQuality=0",
          "sg.ShadowQuality=0",
          "sg.PostProcessQuality=0",
          "sg.EffectsQuality=0",
          "sg.FoliageQuality=0"};
}

}  // namespace

// Existing keys are replaced in their lines, new keys follow them, other sections stay, and the
// section of the other texture level goes with the game's own lines in it.
TEST(OptimizeProfiles, UpdateInPlaceAndSwitchingLevelsLeavesOnlyTheSelectedSection) {
  SeamRecorder recorder;
  apptest::GameFolder dir;

  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  const std::string engine = ReadFileBytes(dir.path() + "Engine.ini");
  const std::string settings = ReadFileBytes(dir.path() + "GameUserSettings.ini");
  const std::string scalability = ReadFileBytes(dir.path() + "Scalability.ini");
  EXPECT_EQ(apptest::ParseIni(engine),
            (Ini{{"Core.System", {"Paths=../../../Engine/Content", "r.TextureStreaming=False"}},
                 {"/Script/Engine.RendererSettings", {"r.DefaultFeature.MotionBlur=False"}}}));
  const Ini lowSettings{{"ScalabilityGroups", ScalabilityGroups("0")},
                        {"/Script/TslGame.TslGameUserSettings", {"bUseVSync=False"}}};
  EXPECT_EQ(apptest::ParseIni(settings), lowSettings);
  EXPECT_EQ(apptest::ParseIni(scalability), (Ini{{"TextureQuality@1", {"r.MaxAnisotropy=2"}},
                                                 {"TextureQuality@0", kStreamingKeys}}));

  // The same profile again changes nothing.
  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  EXPECT_EQ(ReadFileBytes(dir.path() + "Engine.ini"), engine);
  EXPECT_EQ(ReadFileBytes(dir.path() + "GameUserSettings.ini"), settings);
  EXPECT_EQ(ReadFileBytes(dir.path() + "Scalability.ini"), scalability);

  app::OptimizeAction(dir.path(), app::kNormalProfile);
  EXPECT_EQ(ReadIni(dir.path() + "GameUserSettings.ini"),
            (Ini{{"ScalabilityGroups", ScalabilityGroups("3")},
                 {"/Script/TslGame.TslGameUserSettings", {"bUseVSync=False"}}}));
  EXPECT_EQ(
      ReadIni(dir.path() + "Scalability.ini"),
      (Ini{{"TextureQuality@1", {"r.MaxAnisotropy=2"}}, {"TextureQuality@3", kStreamingKeys}}));
  EXPECT_TRUE(recorder.messages().empty());
}

TEST(OptimizeProfiles, MissingSectionsAreAppendedAndAMissingFileIsCreated) {
  SeamRecorder recorder;
  TempDir dir;
  WriteFileBytes(dir.path() + "Engine.ini", "[Audio]\r\nVolume=1\r\n");
  WriteFileBytes(dir.path() + "GameUserSettings.ini", "");

  app::WindowUpdate update = app::OptimizeAction(dir.path(), app::kNormalProfile);

  EXPECT_EQ(ReadIni(dir.path() + "Engine.ini"),
            (Ini{{"Audio", {"Volume=1"}}, {"Core.System", {"r.TextureStreaming=False"}}}));
  EXPECT_EQ(ReadIni(dir.path() + "GameUserSettings.ini"),
            (Ini{{"ScalabilityGroups",
                  {"sg.ResolutionQuality=70.000000", "sg.ViewDistanceQuality=0",
                   "sg.AntiAliasingQuality=0", "sg.ShadowQuality=0", "sg.PostProcessQuality=0",
                   "sg.TextureQuality=3", "sg.EffectsQuality=0", "sg.FoliageQuality=0"}}}));
  EXPECT_EQ(ReadIni(dir.path() + "Scalability.ini"), (Ini{{"TextureQuality@3", kStreamingKeys}}));
  // A missing Scalability.ini has nothing to lose: its absence is recorded, without a message.
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_EQ(update.label2Caption, app::kOptimizeDoneCaption);
  EXPECT_TRUE(update.restoreEnabled);
}

TEST(OptimizeProfiles, CompletionTextsCarryTheArrowInUtf8) {
  SeamRecorder recorder;
  TempDir dir;
  app::WindowUpdate update = app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  EXPECT_TRUE(update.restoreEnabled);
  EXPECT_EQ(update.label1Caption, "配置文件路径：");
  EXPECT_EQ(update.label2Caption,
            "优化完毕，求关注收藏硬币评论。↗\r\n（如果更新后出现不兼容随时可以还原）");
  // "。" is E3 80 82 and U+2197 is E2 86 97 in UTF-8; the label starts with "优" (E4 BC 98).
  ASSERT_TRUE(update.label2Caption);
  EXPECT_NE(update.label2Caption->find("\xE3\x80\x82\xE2\x86\x97\r\n"), std::string::npos);
  EXPECT_EQ(update.label2Caption->substr(0, 3), "\xE4\xBC\x98");
}
