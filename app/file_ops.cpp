#include "app/file_ops.h"

#include <windows.h>

#include <algorithm>

#include "runtime/unique_handle.h"

namespace app {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// Deletes what the folder holds, depth first; what cannot be deleted stays.
void DeleteContents(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  const runtime::UniqueFind find(FindFirstFileA((folder + "\\*.*").c_str(), &entry));
  if (!find) return;
  do {
    if (entry.cFileName[0] == '.') continue;
    const std::string path = folder + "\\" + entry.cFileName;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // A linked folder points somewhere else: remove the link, never what it points to.
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) DeleteContents(path);
      RemoveDirectoryA(path.c_str());
    } else {
      DeleteFileA(path.c_str());
    }
  } while (FindNextFileA(find.get(), &entry));
}

}  // namespace

std::wstring ToWide(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

bool IsDriveRoot(const std::string& path) {
  const std::wstring wide = ToWide(path);
  if (wide.size() < 2 || wide[1] != L':') return false;
  for (size_t i = 2; i < wide.size(); ++i)
    if (!IsSeparator(wide[i])) return false;
  return true;
}

bool HasFolderPart(const std::string& path) {
  const std::wstring wide = ToWide(path);
  if (wide.size() >= 2 && wide[1] == L':') return true;
  for (wchar_t c : wide)
    if (IsSeparator(c)) return true;
  return false;
}

bool CreateFolder(const std::string& path) { return CreateDirectoryA(path.c_str(), nullptr) != FALSE; }

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool RemoveFolderTree(const std::string& path) {
  const std::string folder = path.substr(std::min(path.find_first_not_of(" \t"), path.size()));
  if (folder.empty() || IsDriveRoot(folder)) return false;
  DeleteContents(folder);
  return RemoveDirectoryA(folder.c_str()) != FALSE;
}

}  // namespace app
