#pragma once
// Builds before this one wrote file names in code page 936 through the ANSI file functions. On a
// Windows whose ANSI code page is another (Windows 10 and earlier, where the manifest's code page
// was not honoured), the backup folder was made under the name those bytes give in the system's
// code page: "蘋藎珨瑩蚥趙掘爺" at 950, "Ä«ð°Ò»¼üÓÅ»¯±¸·Ý" at 1252. The player's originals are in
// it.
#include <string>

namespace app {

// The backup folder's name and the absence records' suffix as such a build left them on a system
// whose ANSI code page is codePage; empty where nothing was misread (code page 936).
std::string MisreadBackupFolderName(unsigned codePage);
std::string MisreadAbsentSuffix(unsigned codePage);

// The system's ANSI code page: that of the system's locale, whatever the process's is.
unsigned SystemAnsiCodePage();

// Gives a backup folder that an earlier build left under its misread name, in the configuration
// folder, its right name, and its absence records theirs, so that "还原" finds them. Only where
// there is no backup folder of the right name: where both exist neither is touched. A rename that
// fails (a holder beyond the waits) leaves everything as it was for the next start to try again;
// the records are renamed first, so that a folder of the right name is whole.
void AdoptMisreadBackupFolder(const std::string& folder, unsigned codePage);

}  // namespace app
