#pragma once
// File primitives of the backup and the restore, and the small path checks they and the profile
// writes share. Paths are UTF-8 texts, handed to the system's W file functions.
#include <string>

#include "runtime/wide_text.h"

namespace app {

// Creates the one folder named, not recursively.
bool CreateFolder(const std::string& path);

// Copies over the destination, which takes the bytes and the attributes of the source. The
// destination's read-only and hidden attributes are cleared first, since Windows copies over
// neither. Fails when the destination stays in use beyond a moment's hold; it then keeps its bytes
// and its attributes.
bool CopyBackOver(const std::string& from, const std::string& to);

// Makes a copy that is whole or absent: the bytes go to a file of the unfinished name, which is
// flushed to disk and only then renamed to the copy's name, never replacing a file there. A crash
// on the way leaves at most a file of the unfinished name, which the next call makes anew. The
// copy keeps the attributes of the source. On failure no file of either name is left.
bool SaveWholeCopy(const std::string& from, const std::string& to, const std::string& unfinished);

// Where a test looks into SaveWholeCopy: called, when set, with the unfinished copy's path right
// after its bytes were copied and right after they were flushed to disk, to see the order of the
// steps or what a crash in the middle of a copy leaves on disk.
enum class SaveCopyStep { kCopied, kFlushed };
struct SaveCopySeam {
  void (*afterStep)(SaveCopyStep step, const std::string& unfinished) = nullptr;
};
SaveCopySeam& SaveCopySeams();

// Renames a file or folder, never replacing an entry of the new name; a holder of the entry is
// waited out for a moment.
bool MoveEntry(const std::string& from, const std::string& to);

// True when a search for the path finds an entry of exactly that name.
bool FindsEntry(const std::string& path);

// Creates an empty file, failing when any entry of that name exists.
bool CreateEmptyFile(const std::string& path);

// True only when the file is known not to exist: its folder exists and holds no entry of that
// name. A file that cannot be looked at is not taken for absent.
bool FileIsAbsent(const std::string& path);

// Deletes a file, its read-only attribute cleared first; a file that is not there counts as
// deleted, and one that another program holds for a moment is deleted once it lets go. When the
// file cannot be deleted (it is in use) it keeps its attributes.
bool DeleteFileIfPresent(const std::string& path);

// True when a file, folder or link of that name exists.
bool EntryExists(const std::string& path);

// True when both files can be read and hold the same bytes.
bool SameFileContents(const std::string& first, const std::string& second);

// Clears the read-only attribute of a file, which the system would otherwise refuse to delete.
void ClearReadOnly(const std::string& path);

// True when a folder (or a link to one) of that name exists.
bool IsFolder(const std::string& path);

// True for a folder that is a link to another one (a junction or symbolic link: a reparse point).
bool IsLinkedFolder(const std::string& path);

// Removes a folder with everything in it. The path is taken as it is (blanks included, as every
// other file call takes it); an empty path and a drive root fail at once. Entries whose names begin
// with "." are left alone; a file that another program holds for a moment is waited for. A linked
// folder (a reparse point), the one named or one inside it, is removed as a link: what it points to
// stays. Failures on the way are ignored; the result is that of removing the folder itself.
bool RemoveFolderTree(const std::string& path);

// True for "X:" followed by nothing but path separators: a drive root, never removed.
bool IsDriveRoot(const std::string& path);

// True when the path names its folder: it holds a path separator or starts with a drive. A bare
// file name, which the profile functions would put into the Windows directory, does not.
bool HasFolderPart(const std::string& path);

// The text in UTF-16, converted from UTF-8.
using runtime::ToWide;

}  // namespace app
