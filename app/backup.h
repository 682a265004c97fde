#pragma once
// The backup of the three configuration files in a sub-folder of the configuration folder, and
// the restore action that brings them back. folder is always the configuration folder text as
// the caller reads it from the path box at the moment of the click.
#include <string>

#include "app/window_update.h"

namespace app {

inline constexpr char kBackupFailedMessage[] = "备份失败，请以管理员身份运行本程序。";
inline constexpr char kRestoreFailedMessage[] = "还原失败，请以管理员身份运行本程序。";
inline constexpr char kDeleteBackupFailedMessage[] = "删除备份文件失败，请手动删除。";
inline constexpr char kRestoreDoneCaption[] =
    "还原完毕，感谢你的使用。\r\n（如有使用问题欢迎反馈）";

// True when a directory entry named exactly folder + the backup folder name exists; a file of
// that name counts too.
bool BackupExists(const std::string& folder);

// Run before every optimization. When no backup exists, creates the backup folder and copies the
// three files into it. When one exists, completes it: a file of the configuration folder whose
// copy is missing is copied in now, and a copy that exists is never replaced, so the backup
// keeps the files as they were before anything was written to them. One message when a copy
// failed (at the first backup, a missing file counts too); the result says whether it was shown.
bool BackupStep(const std::string& folder);

// False for a file of the configuration folder that exists without a copy in the backup folder:
// writing it would lose the player's own settings.
bool OriginalIsSaved(const std::string& folder, const char* name);

// Copies the saved files back over the game's files, then removes the backup folder with the
// copies. A file that already holds the bytes of its copy (one the optimize could not change)
// counts as put back. When a saved copy could not be put back, the folder stays with all its
// copies, those already put back included, so that a later optimize makes no new backup over them
// and a retry brings every file back. A copy missing from the folder counts as a failure but
// keeps nothing. A backup folder that is a link is removed as a link: what it points to stays.
WindowUpdate RestoreAction(const std::string& folder);

// Opens the folder in the shell ("open", no parameters, empty default directory); the result is
// ignored. Texts too long to be an ANSI path are not handed to the shell at all.
void OpenFolderInShell(const std::string& folder);

}  // namespace app
