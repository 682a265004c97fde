#include "app/file_ops.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/profiles.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using testing_support::PathExists;
using testing_support::ReadFileBytes;
using testing_support::TempDir;
using testing_support::WriteFileBytes;

// The bench runs Wine as an ordinary user, as a player runs the program. Only then does the
// read-only attribute stop writes and replacements as on Windows: as root, Wine lets both through
// and every test of a read-only game file would pass for the wrong reason.
TEST(Bench, ReadOnlyFilesRefuseWritesAsForAPlayer) {
  TempDir dir;
  const std::string file = dir.path() + "readonly.ini", other = dir.path() + "other.ini";
  WriteFileBytes(file, "[s]\r\nk=1\r\n");
  WriteFileBytes(other, "x");
  ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WritePrivateProfileStringA("s", "k", "2", file.c_str()));
  EXPECT_FALSE(CopyFileA(other.c_str(), file.c_str(), FALSE));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(ReadFileBytes(file), "[s]\r\nk=1\r\n");
}

TEST(ConfigFolder, IsTheRoamingFolderWithTheUnresolvedGameSubPath) {
  char roaming[MAX_PATH] = {};
  ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, roaming, CSIDL_APPDATA, FALSE));
  const std::string folder = app::ResolveConfigFolder();
  EXPECT_EQ(folder,
            std::string(roaming) + "\\..\\Local\\TslGame\\Saved\\Config\\WindowsNoEditor\\");
  EXPECT_NE(folder.find("\\AppData\\Roaming\\..\\Local\\"), std::string::npos);
}

// A drive root already ends in its backslash; a failed query leaves the relative text alone; a
// folder name ending in "乗" (81 5C) ends in a byte 0x5C but still needs its backslash.
TEST(ConfigFolder, JoinsTheSubPathWithExactlyOneBackslash) {
  const std::string sub = "..\\Local\\TslGame\\Saved\\Config\\WindowsNoEditor\\";
  EXPECT_EQ(app::JoinConfigFolder("D:\\"), "D:\\" + sub);
  EXPECT_EQ(app::JoinConfigFolder(""), sub);
  EXPECT_EQ(app::JoinConfigFolder("C:\\Users\\A\\AppData\\Roaming"),
            "C:\\Users\\A\\AppData\\Roaming\\" + sub);
  EXPECT_EQ(app::JoinConfigFolder("E:\\游戏\x81\x5C"), "E:\\游戏\x81\x5C\\" + sub);
}

// "乗" is 81 5C in code page 936: a second byte that looks like a backslash is no separator.
TEST(PathChecks, DoubleByteCharactersAreNotMistakenForSeparators) {
  EXPECT_TRUE(app::EndsWithBackslash("C:\\x\\"));
  EXPECT_FALSE(app::EndsWithBackslash("C:\\\x81\x5C"));
  EXPECT_FALSE(app::EndsWithBackslash(""));
  EXPECT_FALSE(
      app::HasFolderPart("\x81\x5C"
                         "Engine.ini"));
  EXPECT_FALSE(app::HasFolderPart("Engine.ini"));
  EXPECT_FALSE(app::HasFolderPart("foo:Engine.ini"));
  EXPECT_TRUE(app::HasFolderPart("C:Engine.ini"));
  EXPECT_TRUE(app::HasFolderPart("cfg/Engine.ini"));
  EXPECT_TRUE(app::HasFolderPart("..\\Local\\Engine.ini"));
}

TEST(PathChecks, DriveRootsAreRecognisedWhateverTheSeparators) {
  for (const char* root : {"C:", "C:\\", "d:/", "C:\\\\"})
    EXPECT_TRUE(app::IsDriveRoot(root)) << root;
  for (const char* other : {"C:\\x", "C:x", "\\\\", "", "CC:\\", "\\\\srv\\share"})
    EXPECT_FALSE(app::IsDriveRoot(other)) << other;
}

TEST(RemoveFolderTree, RemovesNestedContentsButLeavesDotEntries) {
  TempDir dir;
  const std::string tree = dir.path() + "tree";
  CreateDirectoryA(tree.c_str(), nullptr);
  CreateDirectoryA((tree + "\\sub").c_str(), nullptr);
  WriteFileBytes(tree + "\\a.ini", "a");
  WriteFileBytes(tree + "\\sub\\b.ini", "b");
  EXPECT_TRUE(app::RemoveFolderTree("  " + tree));
  EXPECT_FALSE(PathExists(tree));

  CreateDirectoryA(tree.c_str(), nullptr);
  CreateDirectoryA((tree + "\\.git").c_str(), nullptr);
  WriteFileBytes(tree + "\\.keep", "k");
  WriteFileBytes(tree + "\\c.ini", "c");
  EXPECT_FALSE(app::RemoveFolderTree(tree));
  EXPECT_TRUE(PathExists(tree + "\\.keep"));
  EXPECT_TRUE(PathExists(tree + "\\.git"));
  EXPECT_FALSE(PathExists(tree + "\\c.ini"));

  EXPECT_FALSE(app::RemoveFolderTree(""));
  EXPECT_FALSE(app::RemoveFolderTree("   "));
}

namespace {

// The Unix name of a path under Wine; empty elsewhere.
std::string UnixName(const std::string& path) {
  using Convert = char*(CDECL*)(const wchar_t*);
  auto convert = reinterpret_cast<Convert>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!convert) return {};
  char* name = convert(app::ToWide(path).c_str());
  std::string result = name ? name : "";
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

// Starts a Unix command from inside Wine, which does not wait for it: callers poll.
void RunUnix(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

bool WaitForPath(const std::string& path) {
  for (int i = 0; i < 100; ++i, Sleep(50))
    if (PathExists(path)) return true;
  return false;
}

}  // namespace

// Wine shows a Unix symbolic link as a linked folder (reparse point).
TEST(RemoveFolderTree, RemovesALinkedFolderWithoutTouchingItsTarget) {
  if (UnixName("C:\\").empty()) GTEST_SKIP() << "needs Wine";
  TempDir target, dir;
  WriteFileBytes(target.path() + "keep.ini", "k");
  const std::string tree = dir.path() + "tree";
  CreateDirectoryA(tree.c_str(), nullptr);
  RunUnix("/bin/ln -s \"" + UnixName(target.path()) + "\" \"" + UnixName(tree) + "/link\"");
  ASSERT_TRUE(WaitForPath(tree + "\\link"));
  ASSERT_TRUE(GetFileAttributesA((tree + "\\link").c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);

  // Windows removes the link itself with RemoveDirectoryA; Wine cannot, and the folder stays.
  app::RemoveFolderTree(tree);
  EXPECT_EQ(ReadFileBytes(target.path() + "keep.ini"), "k");
}

// A backup folder that is itself a link: the restore reads the copies through it and removes the
// link alone (Windows does; Wine cannot remove a Unix link, and the restore says so), never what
// it points to.
TEST(RemoveFolderTree, ABackupFolderThatIsALinkKeepsWhatItPointsTo) {
  if (UnixName("C:\\").empty()) GTEST_SKIP() << "needs Wine";
  testing_support::SeamRecorder recorder;
  TempDir target, dir;
  apptest::WriteGameFiles(target.path());
  WriteFileBytes(target.path() + "keep.ini", "k");
  apptest::WriteGameFiles(dir.path());
  // The command line is code page 936; Wine hands it to the Unix command in UTF-8.
  std::string unixFolder = UnixName(dir.path());
  if (unixFolder.back() != '/') unixFolder += '/';
  const std::string backup = dir.path() + "墨鸢一键优化备份";
  RunUnix("/bin/ln -s \"" + UnixName(target.path()) + "\" \"" + unixFolder + "墨鸢一键优化备份\"");
  ASSERT_TRUE(WaitForPath(backup));
  ASSERT_TRUE(app::IsLinkedFolder(backup));

  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  app::RestoreAction(dir.path());
  apptest::ExpectGameFilesUnchanged(dir.path());
  apptest::ExpectGameFilesUnchanged(target.path());
  EXPECT_EQ(ReadFileBytes(target.path() + "keep.ini"), "k");
}

// A drive letter of the Wine prefix is pointed at a temporary folder, whose file must survive.
TEST(RemoveFolderTree, RefusesDriveRoots) {
  const std::string driveC = UnixName("C:\\");
  const size_t cut = driveC.rfind("/c:");
  if (cut == std::string::npos) GTEST_SKIP() << "needs Wine";
  char letter = 'Y';
  while (letter > 'M' && (GetLogicalDrives() & (1u << (letter - 'A')))) --letter;
  const std::string link = driveC.substr(0, cut + 1) + char(letter - 'A' + 'a') + ":";
  TempDir target;
  WriteFileBytes(target.path() + "keep.ini", "k");
  RunUnix("/bin/ln -s \"" + UnixName(target.path()) + "\" \"" + link + "\"");
  const std::string drive(1, letter);
  const bool mapped = WaitForPath(drive + ":\\keep.ini");
  if (mapped) {
    for (const std::string& root :
         {drive + ":", drive + ":\\", "  " + drive + ":/", drive + ":\\\\"})
      EXPECT_FALSE(app::RemoveFolderTree(root)) << root;
  }
  RunUnix("/bin/rm -f \"" + link + "\"");
  ASSERT_TRUE(mapped) << link;
  EXPECT_TRUE(PathExists(target.path() + "keep.ini"));
}

// The restore copies its saved files back and deletes them only with the backup folder.
TEST(CopyFileOverwrite, KeepsTheSourceAndFailsWhenTheDestinationIsInUse) {
  TempDir dir;
  const std::string from = dir.path() + "from.ini", to = dir.path() + "to.ini";
  WriteFileBytes(from, "1");
  EXPECT_TRUE(app::CopyFileOverwrite(from, to));
  WriteFileBytes(from, "2");
  EXPECT_TRUE(app::CopyFileOverwrite(from, to));
  EXPECT_EQ(ReadFileBytes(from), "2");
  EXPECT_EQ(ReadFileBytes(to), "2");

  WriteFileBytes(from, "3");
  apptest::FileLock lock(to);
  ASSERT_TRUE(lock.held());
  EXPECT_FALSE(app::CopyFileOverwrite(from, to));
  lock.Release();
  EXPECT_EQ(ReadFileBytes(from), "3");
  EXPECT_EQ(ReadFileBytes(to), "2");

  EXPECT_FALSE(app::CopyFileOverwrite(dir.path() + "missing.ini", to));
  EXPECT_EQ(ReadFileBytes(to), "2");
}
