#include "app/backup.h"

#include <windows.h>

#include "app/config_folder.h"
#include "app/file_ops.h"
#include "app/texts.h"
#include "runtime/commands.h"
#include "runtime/unique_handle.h"

namespace app {
namespace {

// A search pattern holds wildcards only after an optional "\\?\" prefix.
bool HasWildcard(const std::string& path) {
  const size_t start = path.starts_with("\\\\?\\") ? 4 : 0;
  return path.find_first_of("*?", start) != std::string::npos;
}

// CopyFileA gives the copy of a read-only file the read-only attribute, which DeleteFileA
// refuses: the program's own copies are made writable before the folder goes.
bool RemoveBackupFolder(const std::string& folder) {
  const std::string backup = folder + kBackupFolder;
  if (!IsLinkedFolder(backup))
    for (const char* name : kConfigFiles) ClearReadOnly(BackupPath(folder, name));
  return RemoveFolderTree(backup);
}

}  // namespace

bool BackupExists(const std::string& folder) {
  const std::string path = folder + kBackupFolder;
  // "*" and "?" cannot be part of a name; searching with them would match other entries.
  if (HasWildcard(path)) return false;
  WIN32_FIND_DATAA entry;
  return static_cast<bool>(runtime::UniqueFind(FindFirstFileA(path.c_str(), &entry)));
}

bool BackupStep(const std::string& folder) {
  const bool first = !BackupExists(folder);
  if (first) CreateFolder(folder + kBackupFolder);
  bool failed = false;
  for (const char* name : kConfigFiles) {
    const std::string original = folder + name, saved = BackupPath(folder, name);
    if (EntryExists(saved)) continue;
    // A file that is not there has nothing to lose; only the first backup reports it.
    if (!first && !EntryExists(original)) continue;
    if (!CopyToNewFile(original, saved)) failed = true;
  }
  if (failed) runtime::InfoMessage(kBackupFailedMessage);
  return failed;
}

bool OriginalIsSaved(const std::string& folder, const char* name) {
  return !EntryExists(folder + name) || EntryExists(BackupPath(folder, name));
}

WindowUpdate RestoreAction(const std::string& folder) {
  CreateFolder(folder + kBackupFolder);
  bool failed = false;
  bool copyLeftBehind = false;
  // The saved copies are only copied over the game's files here; they go with the folder, so
  // that the folder keeps every copy until all of them are back in place.
  for (const char* name : kConfigFiles) {
    const std::string saved = BackupPath(folder, name), file = folder + name;
    if (CopyFileOverwrite(saved, file) || SameFileContents(saved, file)) continue;
    failed = true;
    if (EntryExists(saved)) copyLeftBehind = true;
  }
  if (failed) runtime::InfoMessage(kRestoreFailedMessage);
  // A copy that could not be put back keeps the whole folder for a retry; a missing copy does not.
  if (!copyLeftBehind && !RemoveBackupFolder(folder)) {
    runtime::InfoMessage(kDeleteBackupFailedMessage);
    OpenFolderInShell(folder);
  }
  return {false, kRestoreDoneCaption, texts::kPathLabel};
}

void OpenFolderInShell(const std::string& folder) {
  // An ANSI path has at most MAX_PATH - 1 characters; the shell can open nothing longer as a
  // folder, and Wine's ShellExecuteA brings the process down on texts of about 1000 characters.
  if (ToWide(folder).size() >= MAX_PATH) return;
  runtime::ShellOpen(nullptr, folder, "");
}

}  // namespace app
