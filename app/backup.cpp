#include "app/backup.h"

#include <windows.h>

#include "app/config_folder.h"
#include "app/file_ops.h"
#include "app/retry_while_held.h"
#include "app/texts.h"
#include "runtime/commands.h"

namespace app {
namespace {

// A search pattern holds wildcards only after an optional "\\?\" prefix.
bool HasWildcard(const std::string& path) {
  const size_t start = path.starts_with("\\\\?\\") ? 4 : 0;
  return path.find_first_of("*?", start) != std::string::npos;
}

// Saves one configuration file: a whole copy, or the record that it does not exist. A path
// without a folder part is not saved, as it is not written: it names nothing of the game's.
bool SaveOriginal(const std::string& folder, const char* name) {
  const std::string original = folder + name;
  if (!HasFolderPart(original)) return false;
  if (FileIsAbsent(original)) return CreateEmptyFile(AbsentRecordPath(folder, name));
  return SaveWholeCopy(original, BackupPath(folder, name), UnfinishedCopyPath(folder, name));
}

// Puts one configuration file back as the backup saved it. A file with neither a copy nor a
// record was never written, since the optimize writes no file it has not saved: it is the
// player's own and counts as put back.
bool RestoreOriginal(const std::string& folder, const char* name) {
  const std::string file = folder + name, saved = BackupPath(folder, name);
  if (EntryExists(saved)) return CopyBackOver(saved, file) || SameFileContents(saved, file);
  if (EntryExists(AbsentRecordPath(folder, name))) return DeleteFileIfPresent(file);
  return true;
}

// A copy of a read-only file is read-only too, which the system refuses to delete: the program's
// own files are made writable before the folder goes.
bool RemoveBackupFolder(const std::string& folder) {
  const std::string backup = folder + kBackupFolder;
  if (!IsLinkedFolder(backup))
    for (const char* name : kConfigFiles)
      for (const std::string& own : {BackupPath(folder, name), UnfinishedCopyPath(folder, name),
                                     AbsentRecordPath(folder, name)})
        ClearReadOnly(own);
  return RemoveFolderTree(backup);
}

}  // namespace

bool BackupExists(const std::string& folder) {
  const std::string path = folder + kBackupFolder;
  // "*" and "?" cannot be part of a name; searching with them would match other entries.
  if (HasWildcard(path)) return false;
  return FindsEntry(path);
}

bool BackupStep(const std::string& folder) {
  if (!BackupExists(folder)) CreateFolder(folder + kBackupFolder);
  bool failed = false;
  for (const char* name : kConfigFiles)
    if (!OriginalIsSaved(folder, name) && !SaveOriginal(folder, name)) failed = true;
  if (failed) runtime::InfoMessage(kBackupFailedMessage);
  return failed;
}

bool OriginalIsSaved(const std::string& folder, const char* name) {
  return EntryExists(BackupPath(folder, name)) || EntryExists(AbsentRecordPath(folder, name));
}

WindowUpdate RestoreAction(const std::string& folder) {
  const ActionWaits waits;
  const std::string backup = folder + kBackupFolder;
  // Without a backup folder nothing can be put back. The empty one made here goes again; one
  // that was neither found nor made on this folder text is never removed.
  const bool found = BackupExists(folder);
  const bool made = !found && CreateFolder(backup);
  // The saved copies are only copied over the game's files here; they go with the folder, so
  // that the folder keeps every copy until all of them are back in place.
  bool allBack = true;
  for (const char* name : kConfigFiles)
    if (!RestoreOriginal(folder, name)) allBack = false;
  if (!found || !allBack) runtime::InfoMessage(kRestoreFailedMessage);
  if ((found && allBack) || made) {
    if (!RemoveBackupFolder(folder)) {
      runtime::InfoMessage(kDeleteBackupFailedMessage);
      OpenFolderInShell(folder);
    }
  }
  return {BackupExists(folder), kRestoreDoneCaption, texts::kPathLabel};
}

void OpenFolderInShell(const std::string& folder) {
  // A path has at most MAX_PATH - 1 UTF-16 characters; the shell can open nothing longer as a
  // folder, and Wine's ShellExecute brings the process down on texts of about 1000 characters.
  if (ToWide(folder).size() >= MAX_PATH) return;
  runtime::ShellOpen(nullptr, folder, "");
}

}  // namespace app
