#include "app/main_window.h"

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/ids.h"
#include "app/links.h"
#include "app/pictures.h"
#include "app/profiles.h"
#include "app/texts.h"
#include "app/window_update.h"
#include "skin/skin.h"

namespace app {
namespace {

runtime::Form* MainWindow() { return runtime::FindForm(kMainWindowId); }

std::string ConfigFolderFromPathBox() {
  runtime::Form* form = MainWindow();
  return form ? form->Text(ids::编辑框1) : std::string();
}

void ShowUpdate(const WindowUpdate& update) {
  runtime::Form* form = MainWindow();
  if (!form) return;
  form->SetDisabled(ids::按钮3, !update.restoreEnabled);
  form->SetText(ids::透明标签2, update.label2Caption);
  form->SetText(ids::透明标签1, update.label1Caption);
}

}  // namespace

void StartUpHandler() {
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
  runtime::Form* form = MainWindow();
  if (!form) return;
  form->SetText(ids::编辑框1, ResolveConfigFolder());
  form->SetDisabled(ids::按钮3, !BackupExists(form->Text(ids::编辑框1)));
}

void OpenFolderAction() { OpenFolderInShell(ConfigFolderFromPathBox()); }

void LowSpecOptimizeAction() {
  ShowUpdate(OptimizeAction(ConfigFolderFromPathBox(), kLowSpecProfile));
}

void NormalOptimizeAction() {
  ShowUpdate(OptimizeAction(ConfigFolderFromPathBox(), kNormalProfile));
}

void RestoreButtonAction() { ShowUpdate(RestoreAction(ConfigFolderFromPathBox())); }

}  // namespace app
