#include "app/file_ops.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "app/backup.h"
#include "app/config_folder.h"
#include "app/profiles.h"
#include "tests/app/app_test_util.h"
#include "tests/support/seam_recorder.h"

using apptest::RunUnix;
using apptest::UnixName;
using apptest::WaitForPath;
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
  ASSERT_TRUE(apptest::WriteReadOnlyFile(file, "[s]\r\nk=1\r\n"));
  WriteFileBytes(other, "x");
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
// folder named in any script gets its backslash.
TEST(ConfigFolder, JoinsTheSubPathWithExactlyOneBackslash) {
  const std::string sub = "..\\Local\\TslGame\\Saved\\Config\\WindowsNoEditor\\";
  EXPECT_EQ(app::JoinConfigFolder("D:\\"), "D:\\" + sub);
  EXPECT_EQ(app::JoinConfigFolder(""), sub);
  EXPECT_EQ(app::JoinConfigFolder("C:\\Users\\A\\AppData\\Roaming"),
            "C:\\Users\\A\\AppData\\Roaming\\" + sub);
  EXPECT_EQ(app::JoinConfigFolder("E:\\Muñoz-한국\\陳誠"), "E:\\Muñoz-한국\\陳誠\\" + sub);
}

// The path box's text as every action uses it: a path copied from an indented line, with blanks
// or tabs around it, names the folder itself.
TEST(ConfigFolder, PathBoxTextLosesItsBlanksAndEndsInOneBackslash) {
  const std::pair<std::string, std::string> rows[] = {
      {"  C:\\x\\", "C:\\x\\"},     {"\tC:\\x", "C:\\x\\"}, {" \t C:\\游 戏\\ \t", "C:\\游 戏\\"},
      {" E:\\陳誠 ", "E:\\陳誠\\"}, {" \t ", ""},           {"", ""},
  };
  for (const auto& [text, folder] : rows)
    EXPECT_EQ(app::FolderFromPathBoxText(text), folder) << text;
}

// "誠" ends in the byte of a backslash in code page 936, which earlier builds used: in UTF-8 no
// byte of a character outside ASCII is one.
TEST(PathChecks, CharactersOfAnyScriptAreNotMistakenForSeparators) {
  EXPECT_TRUE(app::EndsWithBackslash("C:\\x\\"));
  EXPECT_FALSE(app::EndsWithBackslash("C:\\陳誠"));
  EXPECT_FALSE(app::EndsWithBackslash(""));
  EXPECT_FALSE(app::HasFolderPart("誠Engine.ini"));
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
  // A blank-led text names another, relative path: nothing is removed.
  EXPECT_FALSE(app::RemoveFolderTree("  " + tree));
  EXPECT_FALSE(app::RemoveFolderTree("\t" + tree));
  EXPECT_TRUE(PathExists(tree + "\\sub\\b.ini"));
  EXPECT_TRUE(app::RemoveFolderTree(tree));
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
  apptest::GameFolder target, dir;
  WriteFileBytes(target.path() + "keep.ini", "k");
  // The command line is UTF-8, as Wine hands it to the Unix command.
  std::string unixFolder = UnixName(dir.path());
  if (unixFolder.back() != '/') unixFolder += '/';
  const std::string backup = dir.path() + apptest::kBackup;
  RunUnix("/bin/ln -s \"" + UnixName(target.path()) + "\" \"" + unixFolder + apptest::kBackup +
          "\"");
  ASSERT_TRUE(WaitForPath(backup));
  ASSERT_TRUE(app::IsLinkedFolder(backup));

  // What it points to keeps its read-only files read-only: the restore clears the attribute
  // only of its own copies in a real folder.
  for (const char* name : apptest::kGameFiles)
    ASSERT_TRUE(SetFileAttributesA((target.path() + name).c_str(), FILE_ATTRIBUTE_READONLY));

  app::OptimizeAction(dir.path(), app::kLowSpecProfile);
  app::RestoreAction(dir.path());
  apptest::ExpectGameFilesUnchanged(dir.path());
  apptest::ExpectGameFilesUnchanged(target.path());
  for (const char* name : apptest::kGameFiles) {
    EXPECT_TRUE(GetFileAttributesA((target.path() + name).c_str()) & FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA((target.path() + name).c_str(), FILE_ATTRIBUTE_NORMAL);
  }
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

namespace {

constexpr DWORD kReadOnlyHidden = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN;

}  // namespace

// The restore copies its saved files back over the game's files, whatever attributes the player
// gave them since, and deletes the saved files only with the backup folder. The file comes back
// with the attributes of the copy. Wine keeps no hidden attribute at all and lets a copy over a
// hidden file pass, while Windows refuses one: the checks compare with what the system reports.
TEST(CopyBackOver, ReplacesReadOnlyAndHiddenFilesAndFailsWhenTheDestinationIsInUse) {
  struct Row {
    DWORD source, destination;
  };
  const Row rows[] = {{0, 0},
                      {0, FILE_ATTRIBUTE_READONLY},
                      {0, kReadOnlyHidden},
                      {FILE_ATTRIBUTE_READONLY, 0},
                      {FILE_ATTRIBUTE_READONLY, kReadOnlyHidden}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "source " << row.source << ", destination " << row.destination);
    TempDir dir;
    const std::string from = dir.path() + "from.ini", to = dir.path() + "to.ini";
    WriteFileBytes(from, "saved");
    WriteFileBytes(to, "optimized");
    if (row.source) {
      ASSERT_TRUE(SetFileAttributesA(from.c_str(), row.source));
    }
    if (row.destination) {
      ASSERT_TRUE(SetFileAttributesA(to.c_str(), row.destination));
    }
    EXPECT_TRUE(app::CopyBackOver(from, to));
    EXPECT_EQ(ReadFileBytes(from), "saved");
    EXPECT_EQ(ReadFileBytes(to), "saved");
    EXPECT_EQ(apptest::GuardAttributes(to), row.source);
    SetFileAttributesA(from.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  }

  TempDir dir;
  const std::string from = dir.path() + "from.ini", to = dir.path() + "to.ini";
  WriteFileBytes(from, "saved");
  WriteFileBytes(to, "optimized");
  ASSERT_TRUE(SetFileAttributesA(to.c_str(), kReadOnlyHidden));
  const DWORD guarded = apptest::GuardAttributes(to);
  ASSERT_NE(guarded & FILE_ATTRIBUTE_READONLY, 0u);
  {
    apptest::FileLock lock(to);
    ASSERT_TRUE(lock.held());
    EXPECT_FALSE(app::CopyBackOver(from, to));
  }
  EXPECT_EQ(ReadFileBytes(to), "optimized");
  EXPECT_EQ(apptest::GuardAttributes(to), guarded);
  SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_FALSE(app::CopyBackOver(dir.path() + "missing.ini", to));
  EXPECT_EQ(ReadFileBytes(to), "optimized");
}

// A copy appears under its name only when it is whole: what an earlier run left under the
// unfinished name (even read-only) is made anew, an existing copy is never replaced, and a failed
// copy leaves nothing behind.
TEST(SaveWholeCopy, ACopyIsWholeOrAbsentAndNeverReplacesOne) {
  TempDir dir;
  const std::string from = dir.path() + "Engine.ini", to = dir.path() + "saved.ini",
                    unfinished = dir.path() + "~saved.tmp";
  ASSERT_TRUE(apptest::WriteReadOnlyFile(from, std::string(100000, 'e')));
  ASSERT_TRUE(apptest::WriteReadOnlyFile(unfinished, "cut sh"));

  // The bytes are on disk before the copy gets its name; a reader that shares everything, as a
  // scanner does, stops neither the flush nor the renaming.
  static std::vector<app::SaveCopyStep> steps;
  static std::string named;
  static HANDLE reader;
  steps.clear();
  named = to;
  app::SaveCopySeams().afterStep = [](app::SaveCopyStep step, const std::string& path) {
    EXPECT_FALSE(PathExists(named));
    EXPECT_EQ(ReadFileBytes(path), std::string(100000, 'e'));
    if (step == app::SaveCopyStep::kCopied)
      reader = CreateFileA(path.c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    steps.push_back(step);
  };
  EXPECT_TRUE(app::SaveWholeCopy(from, to, unfinished));
  app::SaveCopySeams().afterStep = nullptr;
  CloseHandle(reader);
  EXPECT_EQ(steps, (std::vector{app::SaveCopyStep::kCopied, app::SaveCopyStep::kFlushed}));
  EXPECT_EQ(ReadFileBytes(to), std::string(100000, 'e'));
  EXPECT_EQ(apptest::GuardAttributes(to), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(PathExists(unfinished));

  SetFileAttributesA(from.c_str(), FILE_ATTRIBUTE_NORMAL);
  WriteFileBytes(from, "changed since");
  EXPECT_FALSE(app::SaveWholeCopy(from, to, unfinished));
  EXPECT_EQ(ReadFileBytes(to), std::string(100000, 'e'));
  EXPECT_FALSE(PathExists(unfinished));

  EXPECT_FALSE(
      app::SaveWholeCopy(dir.path() + "missing.ini", dir.path() + "other.ini", unfinished));
  EXPECT_FALSE(PathExists(dir.path() + "other.ini"));
  EXPECT_FALSE(PathExists(unfinished));
  SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Only a file whose folder is there and holds no such name is absent; a record is made once.
TEST(FileIsAbsent, OnlyWhenTheFolderIsThereWithoutTheFile) {
  TempDir dir;
  WriteFileBytes(dir.path() + "there.ini", "x");
  EXPECT_TRUE(app::FileIsAbsent(dir.path() + "gone.ini"));
  EXPECT_FALSE(app::FileIsAbsent(dir.path() + "there.ini"));
  EXPECT_FALSE(app::FileIsAbsent(dir.path() + "missing\\gone.ini"));
  EXPECT_TRUE(app::CreateEmptyFile(dir.path() + "gone.ini.不存在"));
  EXPECT_FALSE(app::CreateEmptyFile(dir.path() + "gone.ini.不存在"));
  EXPECT_FALSE(app::CreateEmptyFile(dir.path() + "missing\\gone.ini.不存在"));
  EXPECT_EQ(ReadFileBytes(dir.path() + "gone.ini.不存在"), "");
}
