#include "app/file_ops.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>

#include "runtime/unique_handle.h"

namespace app {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsLink(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

runtime::UniqueFile OpenForReading(const std::string& path) {
  return runtime::UniqueFile(CreateFileA(path.c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

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
      if (!IsLink(entry.dwFileAttributes)) DeleteContents(path);
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

bool CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool CopyFileOverwrite(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), FALSE) != FALSE;
}

bool CopyToNewFile(const std::string& from, const std::string& to) {
  return CopyFileA(from.c_str(), to.c_str(), TRUE) != FALSE;
}

bool EntryExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool SameFileContents(const std::string& first, const std::string& second) {
  const runtime::UniqueFile a = OpenForReading(first), b = OpenForReading(second);
  LARGE_INTEGER sizeA, sizeB;
  if (!a || !b || !GetFileSizeEx(a.get(), &sizeA) || !GetFileSizeEx(b.get(), &sizeB) ||
      sizeA.QuadPart != sizeB.QuadPart)
    return false;
  constexpr DWORD kChunk = 4096;
  std::array<char, kChunk> bytesA, bytesB;
  for (;;) {
    DWORD readA = 0, readB = 0;
    if (!ReadFile(a.get(), bytesA.data(), kChunk, &readA, nullptr) ||
        !ReadFile(b.get(), bytesB.data(), kChunk, &readB, nullptr) || readA != readB ||
        std::memcmp(bytesA.data(), bytesB.data(), readA) != 0)
      return false;
    if (readA == 0) return true;
  }
}

void ClearReadOnly(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return;
  const DWORD rest = attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
  SetFileAttributesA(path.c_str(), rest ? rest : FILE_ATTRIBUTE_NORMAL);
}

bool IsLinkedFolder(const std::string& path) { return IsLink(GetFileAttributesA(path.c_str())); }

bool RemoveFolderTree(const std::string& path) {
  const std::string folder = path.substr(std::min(path.find_first_not_of(" \t"), path.size()));
  if (folder.empty() || IsDriveRoot(folder)) return false;
  // Listing a linked folder would list, and delete, what it points to.
  if (!IsLinkedFolder(folder)) DeleteContents(folder);
  return RemoveDirectoryA(folder.c_str()) != FALSE;
}

}  // namespace app
