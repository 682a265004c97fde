#pragma once
// File primitives of the backup and the restore, on the Windows ANSI file interface, and the
// small path checks they and the profile writes share. Paths are code page 936 texts.
#include <string>

namespace app {

// CreateDirectoryA of the one folder named, not recursive.
bool CreateFolder(const std::string& path);

// CopyFileA, replacing an existing destination; the source stays. Fails, leaving the destination
// as it was, when the destination is in use or read-only.
bool CopyFileOverwrite(const std::string& from, const std::string& to);

// CopyFileA that fails when the destination exists, which it leaves as it was.
bool CopyToNewFile(const std::string& from, const std::string& to);

// True when a file, folder or link of that name exists.
bool EntryExists(const std::string& path);

// True when both files can be read and hold the same bytes.
bool SameFileContents(const std::string& first, const std::string& second);

// Clears the read-only attribute of a file, which DeleteFileA would otherwise refuse.
void ClearReadOnly(const std::string& path);

// True for a folder that is a link to another one (a junction or symbolic link: a reparse point).
bool IsLinkedFolder(const std::string& path);

// Removes a folder with everything in it. Leading blanks are skipped; an empty path and a drive
// root fail at once. Entries whose names begin with "." are left alone. A linked folder (a
// reparse point), the one named or one inside it, is removed as a link: what it points to stays.
// Failures on the way are ignored; the result is that of removing the folder itself.
bool RemoveFolderTree(const std::string& path);

// True for "X:" followed by nothing but path separators: a drive root, never removed.
bool IsDriveRoot(const std::string& path);

// True when the path names its folder: it holds a path separator or starts with a drive. A bare
// file name, which the profile functions would put into the Windows directory, does not.
bool HasFolderPart(const std::string& path);

// The text in UTF-16, converted from the ANSI code page.
std::wstring ToWide(const std::string& text);

}  // namespace app
