#include "app/config_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "app/file_ops.h"

namespace app {

bool EndsWithBackslash(const std::string& text) {
  const std::wstring wide = ToWide(text);
  return !wide.empty() && wide.back() == L'\\';
}

std::string WithTrailingBackslash(std::string folder) {
  if (!folder.empty() && !EndsWithBackslash(folder)) folder += '\\';
  return folder;
}

std::string FolderFromPathBoxText(const std::string& text) {
  // Spaces and tabs are single bytes that never stand as the second byte of a double-byte
  // character in code page 936, so the text can be cut at them byte by byte.
  constexpr char kBlanks[] = " \t";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return WithTrailingBackslash(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

std::string JoinConfigFolder(std::string roaming) {
  return WithTrailingBackslash(std::move(roaming)) + kConfigSubPath;
}

std::string ResolveConfigFolder() {
  char buffer[MAX_PATH] = {};
  const std::string formed = JoinConfigFolder(
      SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_APPDATA, FALSE) ? buffer : "");
  if (IsFolder(formed)) return formed;
  // A roaming folder moved to another drive or a network share leaves the local one where the
  // game keeps its files; the ".." of the formed text then leads elsewhere.
  char local[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, local, CSIDL_LOCAL_APPDATA, FALSE)) return formed;
  const std::string localFolder = WithTrailingBackslash(local) + kLocalConfigSubPath;
  return IsFolder(localFolder) ? localFolder : formed;
}

}  // namespace app
