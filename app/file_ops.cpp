#include "app/file_ops.h"

#include <windows.h>

#include <array>
#include <cstring>

#include "app/retry_while_held.h"
#include "runtime/unique_handle.h"

namespace app {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsLink(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// The attributes less the given ones; FILE_ATTRIBUTE_NORMAL when none is left, which is how
// SetFileAttributesW is told to clear them all.
DWORD Without(DWORD attributes, DWORD cleared) {
  const DWORD rest = attributes & ~cleared;
  return rest ? rest : FILE_ATTRIBUTE_NORMAL;
}

// Clears the given attributes of a file, runs the operation on it, and gives the file its
// attributes back when the operation failed; the result is the operation's.
template <typename Operation>
bool WithAttributesCleared(const std::string& path, DWORD cleared, Operation operation) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  const bool lifted = attributes != INVALID_FILE_ATTRIBUTES && (attributes & cleared) &&
                      SetFileAttributesW(ToWide(path).c_str(), Without(attributes, cleared));
  if (operation()) return true;
  if (lifted) SetFileAttributesW(ToWide(path).c_str(), attributes);
  return false;
}

// Writes what the system still holds of the file to the disk. A read-only file cannot be opened
// for writing, which flushing needs: its attribute is lifted meanwhile. The file is opened sharing
// everything, so that a program reading it at the same moment does not make the flush fail.
bool FlushToDisk(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return false;
  const bool readOnly = attributes & FILE_ATTRIBUTE_READONLY;
  if (readOnly &&
      !SetFileAttributesW(ToWide(path).c_str(), Without(attributes, FILE_ATTRIBUTE_READONLY)))
    return false;
  const bool flushed = RetryWhileHeld(path, [&] {
    const runtime::UniqueFile file(CreateFileW(
        ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_EXISTING, 0, nullptr));
    return file && FlushFileBuffers(file.get());
  });
  if (flushed && SaveCopySeams().afterStep) SaveCopySeams().afterStep(SaveCopyStep::kFlushed, path);
  if (readOnly && !SetFileAttributesW(ToWide(path).c_str(), attributes)) return false;
  return flushed;
}

// Deletes a file and sees its name gone. A deleted file that another program still holds open
// keeps its name until that program lets go (under Wine, and on Windows without POSIX-style
// deletion), and meanwhile no file of that name can be made and its folder cannot be removed: it
// counts as held.
bool RemoveFile(const std::string& path) {
  return RetryWhileHeld(path, [&] {
    if (!DeleteFileW(ToWide(path).c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return false;
    if (FileIsAbsent(path)) return true;
    SetLastError(ERROR_SHARING_VIOLATION);
    return false;
  });
}

bool RemoveFolder(const std::string& path) {
  return RetryWhileHeld(path, [&] { return RemoveDirectoryW(ToWide(path).c_str()) != FALSE; });
}

runtime::UniqueFile OpenForReading(const std::string& path) {
  return runtime::UniqueFile(CreateFileW(ToWide(path).c_str(), GENERIC_READ,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Deletes what the folder holds, depth first; what cannot be deleted stays.
void DeleteContents(const std::string& folder) {
  WIN32_FIND_DATAW entry;
  const runtime::UniqueFind find(FindFirstFileW(ToWide(folder + "\\*.*").c_str(), &entry));
  if (!find) return;
  do {
    if (entry.cFileName[0] == L'.') continue;
    const std::string path = folder + "\\" + runtime::ToNarrow(entry.cFileName);
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // A linked folder points somewhere else: remove the link, never what it points to.
      if (!IsLink(entry.dwFileAttributes)) DeleteContents(path);
      RemoveFolder(path);
    } else {
      RemoveFile(path);
    }
  } while (FindNextFileW(find.get(), &entry));
}

}  // namespace

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
  return CreateDirectoryW(ToWide(path).c_str(), nullptr) != FALSE;
}

bool CopyBackOver(const std::string& from, const std::string& to) {
  constexpr DWORD kRefused = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;
  if (!WithAttributesCleared(to, kRefused, [&] {
        return RetryWhileHeld(to, [&] {
          return CopyFileW(ToWide(from).c_str(), ToWide(to).c_str(), FALSE) != FALSE;
        });
      }))
    return false;
  // Windows gives the replaced file the attributes of the source; Wine keeps the old ones.
  const DWORD source = GetFileAttributesW(ToWide(from).c_str()),
              copied = GetFileAttributesW(ToWide(to).c_str());
  if (source != INVALID_FILE_ATTRIBUTES && copied != INVALID_FILE_ATTRIBUTES &&
      (source & kRefused) != (copied & kRefused))
    SetFileAttributesW(ToWide(to).c_str(), Without((copied & ~kRefused) | (source & kRefused), 0));
  return true;
}

bool SaveWholeCopy(const std::string& from, const std::string& to, const std::string& unfinished) {
  // What an earlier run left unfinished is not a copy: it is made again.
  DeleteFileIfPresent(unfinished);
  bool whole = RetryWhileHeld(unfinished, [&] {
    return CopyFileW(ToWide(from).c_str(), ToWide(unfinished).c_str(), TRUE) != FALSE;
  });
  if (whole && SaveCopySeams().afterStep)
    SaveCopySeams().afterStep(SaveCopyStep::kCopied, unfinished);
  whole = whole && FlushToDisk(unfinished) && RetryWhileHeld(unfinished, [&] {
            return MoveFileExW(ToWide(unfinished).c_str(), ToWide(to).c_str(),
                               MOVEFILE_WRITE_THROUGH) != FALSE;
          });
  if (!whole) DeleteFileIfPresent(unfinished);
  return whole;
}

bool MoveEntry(const std::string& from, const std::string& to) {
  return RetryWhileHeld(from, [&] {
    return MoveFileExW(ToWide(from).c_str(), ToWide(to).c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
  });
}

bool FindsEntry(const std::string& path) {
  WIN32_FIND_DATAW entry;
  return static_cast<bool>(runtime::UniqueFind(FindFirstFileW(ToWide(path).c_str(), &entry)));
}

SaveCopySeam& SaveCopySeams() {
  static SaveCopySeam seam;
  return seam;
}

bool CreateEmptyFile(const std::string& path) {
  return static_cast<bool>(
      runtime::UniqueFile(CreateFileW(ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr)));
}

bool FileIsAbsent(const std::string& path) {
  return GetFileAttributesW(ToWide(path).c_str()) == INVALID_FILE_ATTRIBUTES &&
         GetLastError() == ERROR_FILE_NOT_FOUND;
}

bool DeleteFileIfPresent(const std::string& path) {
  return FileIsAbsent(path) ||
         WithAttributesCleared(path, FILE_ATTRIBUTE_READONLY, [&] { return RemoveFile(path); });
}

bool EntryExists(const std::string& path) {
  return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
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
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_READONLY)) return;
  SetFileAttributesW(ToWide(path).c_str(), Without(attributes, FILE_ATTRIBUTE_READONLY));
}

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(ToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsLinkedFolder(const std::string& path) {
  return IsLink(GetFileAttributesW(ToWide(path).c_str()));
}

bool RemoveFolderTree(const std::string& folder) {
  if (folder.empty() || IsDriveRoot(folder)) return false;
  // Listing a linked folder would list, and delete, what it points to.
  if (!IsLinkedFolder(folder)) DeleteContents(folder);
  return RemoveFolder(folder);
}

}  // namespace app
