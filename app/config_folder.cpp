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

std::string JoinConfigFolder(std::string roaming) {
  return WithTrailingBackslash(std::move(roaming)) + kConfigSubPath;
}

std::string ResolveConfigFolder() {
  char buffer[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_APPDATA, FALSE)) return JoinConfigFolder("");
  return JoinConfigFolder(buffer);
}

}  // namespace app
