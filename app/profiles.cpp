#include "app/profiles.h"

#include <windows.h>

#include "app/backup.h"
#include "app/file_ops.h"
#include "app/texts.h"

namespace app {

bool WriteProfileItem(const std::string& folder, const ProfileItem& item) {
  const std::string path = folder + item.file;
  if (!HasFolderPart(path)) return false;
  return WritePrivateProfileStringA(item.section, item.key, item.value, path.c_str()) != FALSE;
}

WindowUpdate OptimizeAction(const std::string& folder, const Profile& profile) {
  BackupStep(folder);
  for (const ProfileItem& item : profile) WriteProfileItem(folder, item);
  return {true, kOptimizeDoneCaption, texts::kPathLabel};
}

}  // namespace app
