#include "app/config_folder.h"

#include <windows.h>
#include <shlobj.h>

#include <utility>

#include "app/file_ops.h"

namespace app {

bool EndsWithBackslash(const std::string& text) { return !text.empty() && text.back() == '\\'; }

std::string WithTrailingBackslash(std::string folder) {
  if (!folder.empty() && !EndsWithBackslash(folder)) folder += '\\';
  return folder;
}

std::string FolderFromPathBoxText(const std::string& text) {
  // In UTF-8 every byte below 0x80 is a character of its own, so the text can be cut at spaces and
  // tabs byte by byte.
  constexpr char kBlanks[] = " \t";
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string::npos) return {};
  return WithTrailingBackslash(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
}

std::string JoinConfigFolder(std::string roaming) {
  return WithTrailingBackslash(std::move(roaming)) + kConfigSubPath;
}

namespace {

// The special folder's path; empty when it is not available.
std::string SpecialFolder(int id) {
  wchar_t path[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return runtime::ToNarrow(path);
}

}  // namespace

std::string ResolveConfigFolder() {
  const std::string formed = JoinConfigFolder(SpecialFolder(CSIDL_APPDATA));
  if (IsFolder(formed)) return formed;
  // A roaming folder moved to another drive or a network share leaves the local one where the
  // game keeps its files; the ".." of the formed text then leads elsewhere.
  const std::string local = SpecialFolder(CSIDL_LOCAL_APPDATA);
  if (local.empty()) return formed;
  const std::string localFolder = WithTrailingBackslash(local) + kLocalConfigSubPath;
  return IsFolder(localFolder) ? localFolder : formed;
}

}  // namespace app
