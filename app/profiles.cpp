#include "app/profiles.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "app/backup.h"
#include "app/file_ops.h"
#include "app/retry_while_held.h"
#include "app/texts.h"
#include "runtime/commands.h"

namespace app {

bool WriteProfileItem(const std::string& folder, const ProfileItem& item) {
  const std::string path = folder + item.file;
  if (!HasFolderPart(path)) return false;
  return RetryWhileHeld(path, [&] {
    return WritePrivateProfileStringA(item.section, item.key, item.value, path.c_str()) != FALSE;
  });
}

WindowUpdate OptimizeAction(const std::string& folder, const Profile& profile) {
  const ActionWaits waits;
  const bool backupReported = BackupStep(folder);
  // Decided before the first write: a write creates a missing file, which then has no copy.
  std::vector<std::string_view> unsaved;
  for (const char* name : kConfigFiles)
    if (!OriginalIsSaved(folder, name)) unsaved.push_back(name);
  bool allWritten = true;
  for (const ProfileItem& item : profile) {
    if (std::ranges::find(unsaved, item.file) != unsaved.end() || !WriteProfileItem(folder, item))
      allWritten = false;
  }
  const bool restoreEnabled = BackupExists(folder);
  if (allWritten) return {restoreEnabled, kOptimizeDoneCaption, texts::kPathLabel};
  if (!backupReported) runtime::InfoMessage(kWriteFailedMessage);
  return {restoreEnabled, std::nullopt, std::nullopt};
}

}  // namespace app
