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

namespace {

// A null key or value keeps its meaning (delete the section, or the key) in UTF-16.
struct WideOrNull {
  explicit WideOrNull(const char* text) : null(!text), wide(text ? ToWide(text) : L"") {}
  const wchar_t* get() const { return null ? nullptr : wide.c_str(); }
  bool null;
  std::wstring wide;
};

}  // namespace

bool WriteProfileItem(const std::string& folder, const ProfileItem& item) {
  const std::string path = folder + item.file;
  if (!HasFolderPart(path)) return false;
  const WideOrNull section(item.section), key(item.key), value(item.value);
  const std::wstring file = ToWide(path);
  return RetryWhileHeld(path, [&] {
    return WritePrivateProfileStringW(section.get(), key.get(), value.get(), file.c_str()) != FALSE;
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
