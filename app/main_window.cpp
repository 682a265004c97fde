#include "app/main_window.h"

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/game_process.h"
#include "app/ids.h"
#include "app/links.h"
#include "app/misread_backup.h"
#include "app/pictures.h"
#include "app/profiles.h"
#include "app/texts.h"
#include "app/window_update.h"
#include "skin/skin.h"

namespace app {
namespace {

// The folder as an action uses it, formed once per action so that every step works on the same
// text; the box itself keeps what the user left in it.
std::string ConfigFolderFromPathBox(const runtime::Form& form) {
  return FolderFromPathBoxText(form.Text(ids::编辑框1));
}

void ShowUpdate(runtime::Form& form, const WindowUpdate& update) {
  form.SetDisabled(ids::按钮3, !update.restoreEnabled);
  if (update.label2Caption) form.SetText(ids::透明标签2, *update.label2Caption);
  if (update.label1Caption) form.SetText(ids::透明标签1, *update.label1Caption);
}

}  // namespace

void StartUpHandler(runtime::Form& form) {
  skin::SetUpSkin({
      .windowId = static_cast<std::int32_t>(kMainWindowId),
      .unitId = static_cast<std::int32_t>(kMainWindowSelf),
      .icon = {pictures::kIconFile, pictures::kIconFileSize},
      .backgroundPicture = {pictures::kBackgroundJpeg, pictures::kBackgroundJpegSize},
      .colour = RGB(0, 0, 0),
      .topBandOn = true,
      .bottomBandOn = true,
      .tipText = texts::kTipLine,
      .buttonLayout = skin::kFourButtons,
      .firstClickAction = ShowLinkMenu,
      .secondClickAction = OpenNetDiskLink,
  });
  form.SetText(ids::编辑框1, ResolveConfigFolder());
  const std::string folder = ConfigFolderFromPathBox(form);
  AdoptMisreadBackupFolder(folder, SystemAnsiCodePage());
  form.SetDisabled(ids::按钮3, !BackupExists(folder));
}

void OpenFolderAction(runtime::Form& form) { OpenFolderInShell(ConfigFolderFromPathBox(form)); }

void LowSpecOptimizeAction(runtime::Form& form) {
  if (RefuseWhileGameRuns()) return;
  ShowUpdate(form, OptimizeAction(ConfigFolderFromPathBox(form), kLowSpecProfile));
}

void NormalOptimizeAction(runtime::Form& form) {
  if (RefuseWhileGameRuns()) return;
  ShowUpdate(form, OptimizeAction(ConfigFolderFromPathBox(form), kNormalProfile));
}

void RestoreButtonAction(runtime::Form& form) {
  if (RefuseWhileGameRuns()) return;
  ShowUpdate(form, RestoreAction(ConfigFolderFromPathBox(form)));
}

}  // namespace app
