#include "app/config_folder.h"

#include <windows.h>
#include <shlobj.h>

#include "app/file_ops.h"

namespace app {

bool EndsWithBackslash(const std::string& text) {
  const std::wstring wide = ToWide(text);
  return !wide.empty() && wide.back() == L'\\';
}

std::string ResolveConfigFolder() {
  char buffer[MAX_PATH] = {};
  std::string folder;
  if (SHGetSpecialFolderPathA(nullptr, buffer, CSIDL_APPDATA, FALSE)) folder = buffer;
  if (!folder.empty() && !EndsWithBackslash(folder)) folder += '\\';
  return folder + kConfigSubPath;
}

}  // namespace app
