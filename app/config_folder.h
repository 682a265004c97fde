#pragma once
// Where the game keeps its three configuration files, and the fixed names appended to the
// configuration folder text to form every path. Paths are never normalised: a name is appended
// to the folder text exactly as the user left it in the path box.
#include <string>

namespace app {

// Below the roaming application-data folder; the ".." stays as it is.
inline constexpr char kConfigSubPath[] = "..\\Local\\TslGame\\Saved\\Config\\WindowsNoEditor\\";
// Below the local application-data folder: where the game's files are when the roaming folder
// has been moved elsewhere.
inline constexpr char kLocalConfigSubPath[] = "TslGame\\Saved\\Config\\WindowsNoEditor\\";

inline constexpr char kEngineIni[] = "Engine.ini";
inline constexpr char kGameUserSettingsIni[] = "GameUserSettings.ini";
inline constexpr char kScalabilityIni[] = "Scalability.ini";
inline constexpr char kBackupFolder[] = "墨鸢一键优化备份";

// The three files, in the order every backup and restore handles them.
inline constexpr const char* kConfigFiles[] = {kEngineIni, kGameUserSettingsIni, kScalabilityIni};

// Appended to a file's name in the backup folder: an empty file of that name records that the
// configuration file did not exist when it was to be saved, so that the restore deletes it again.
inline constexpr char kAbsentSuffix[] = ".不存在";

// The saved copy of a configuration file: folder + backup folder + "\\" + name.
inline std::string BackupPath(const std::string& folder, const char* name) {
  return folder + kBackupFolder + "\\" + name;
}

// The record that the configuration file was absent: its backup path + kAbsentSuffix.
inline std::string AbsentRecordPath(const std::string& folder, const char* name) {
  return BackupPath(folder, name) + kAbsentSuffix;
}

// The name a copy is made under until it is whole: "~" + name + ".tmp" in the backup folder. A
// file of this name is never taken for a copy.
inline std::string UnfinishedCopyPath(const std::string& folder, const char* name) {
  return folder + kBackupFolder + "\\~" + name + ".tmp";
}

// The roaming application-data folder with a backslash and kConfigSubPath appended; the bare
// kConfigSubPath when the special folder is not available. When that is not a folder and the
// local application-data folder with kLocalConfigSubPath is, the latter.
std::string ResolveConfigFolder();

// The configuration folder below the given roaming folder: WithTrailingBackslash, then
// kConfigSubPath.
std::string JoinConfigFolder(std::string roaming);

// The text with a backslash appended unless it is empty or already ends in one (a drive root such
// as D:\). A folder typed or pasted into the path box gets it before any name is appended, so
// that a path copied from Explorer's address bar names the folder itself.
std::string WithTrailingBackslash(std::string folder);

// The folder an action works on, formed once from the path box's text: blanks (spaces and tabs)
// at both ends removed, then WithTrailingBackslash. A path copied from an indented line brings
// its blanks along, and a blank-led text would name a relative path.
std::string FolderFromPathBoxText(const std::string& text);

// True when the last character of the text is a backslash.
bool EndsWithBackslash(const std::string& text);

}  // namespace app
