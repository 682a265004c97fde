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

// Run before every optimization. Creates the backup folder when there is none, then saves each
// configuration file that is not saved yet: a file that exists gets a whole copy (made under a
// temporary name and renamed when complete, never replacing a copy), a file that does not exist
// gets an empty record of its absence. So the backup keeps the files as they were before anything
// was written to them, and a folder the program left unfinished is completed. One message when a
// copy or a record could not be made; the result says whether it was shown.
bool BackupStep(const std::string& folder);

// True for a configuration file that has a copy or an absence record in the backup folder: only
// such a file may be written.
bool OriginalIsSaved(const std::string& folder, const char* name);

// Puts every file back as the backup saved it: a copy is copied over the game's file (its
// read-only and hidden attributes cleared first; the file comes back with the attributes it had
// when it was saved), a file recorded absent is deleted, and a file with neither was never
// written and stays. A file that already holds the bytes of its copy counts as put back. The
// folder is removed only when every file was seen put back on this folder text; otherwise it stays
// with all its copies for a retry, and "还原" stays enabled. A backup folder that is a link is
// removed as a link: what it points to stays.
WindowUpdate RestoreAction(const std::string& folder);

// Opens the folder in the shell ("open", no parameters, empty default directory); the result is
// ignored. Texts too long to be a path are not handed to the shell at all.
void OpenFolderInShell(const std::string& folder);

}  // namespace app
