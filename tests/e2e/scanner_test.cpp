// The real program on a machine with a resident scanner: a program that opens every file it sees
// created or changed in the game's folder and in the backup folder, and holds it for a moment.
// Optimize and restore finish as if it were not there; a holder that does not let go during a
// click loses nothing, and the next click completes.
#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <tuple>

#include "app/config_folder.h"
#include "app/profiles.h"
#include "runtime/unique_handle.h"
#include "tests/e2e/running_program.h"
#include "tests/support/seam_recorder.h"
#include "tests/support/temp_dir.h"

using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

namespace {

// Polls both folders and holds each file that is new or changed since it last looked, sharing
// what the kind of scanner shares, one file at a time.
class Scanner {
 public:
  Scanner(const std::string& folder, DWORD share, DWORD holdMs)
      : folders_{folder, folder + app::kBackupFolder + "\\"}, share_(share), holdMs_(holdMs) {
    // What is there when it starts it has looked at before.
    for (const std::string& watched : folders_) Pass(watched, false);
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
  }
  ~Scanner() {
    stop_ = true;
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  int holds() const { return holds_; }
  // Returns once the scanner has looked at every file as it is now, or after ten seconds.
  void LookOver() const {
    const int start = passes_;
    for (int i = 0; i < 1000 && passes_ < start + 2; ++i) Sleep(10);
  }

 private:
  // Size, time of the last write (low and high part) and attributes.
  using Look = std::tuple<DWORD, DWORD, DWORD, DWORD>;

  static Look LookAt(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return {data.nFileSizeLow, data.ftLastWriteTime.dwLowDateTime,
            data.ftLastWriteTime.dwHighDateTime, data.dwFileAttributes};
  }

  static DWORD WINAPI Run(LPVOID self) {
    auto* scanner = static_cast<Scanner*>(self);
    while (!scanner->stop_) {
      for (const std::string& folder : scanner->folders_) scanner->Pass(folder, true);
      ++scanner->passes_;
      Sleep(1);
    }
    return 0;
  }

  void Pass(const std::string& folder, bool hold) {
    WIN32_FIND_DATAA entry;
    const runtime::UniqueFind find(FindFirstFileA((folder + "*").c_str(), &entry));
    if (!find) return;
    do {
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
      const std::string path = folder + entry.cFileName;
      if (hold && seen_[path] != LookAt(path)) Hold(path);
      seen_[path] = LookAt(path);
    } while (!stop_ && FindNextFileA(find.get(), &entry));
  }

  // The writer may still have the file open without sharing: the scanner tries again, briefly.
  void Hold(const std::string& path) {
    for (int i = 0; i < 100; ++i, Sleep(1)) {
      const runtime::UniqueFile file(
          CreateFileA(path.c_str(), GENERIC_READ, share_, nullptr, OPEN_EXISTING, 0, nullptr));
      if (!file) continue;
      ++holds_;
      Sleep(holdMs_);
      return;
    }
  }

  const std::string folders_[2];
  const DWORD share_, holdMs_;
  std::map<std::string, Look> seen_;
  std::atomic<bool> stop_{false};
  std::atomic<int> holds_{0}, passes_{0};
  HANDLE thread_;
};

constexpr DWORD kPolite = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
constexpr DWORD kStrict = FILE_SHARE_READ;

class ScannerTest : public testing::Test {
 protected:
  void SetUp() override {
    folder = e2e::FreshGameFolder();
    // A player's notes in comment lines make Engine.ini large enough to be seen while it is copied.
    std::string notes;
    while (notes.size() < (4 << 20))
      notes += "; 第 " + std::to_string(notes.size()) + " 行笔记\r\n";
    originals = {
        {"Engine.ini", "[Core.System]\r\nPaths=../../../Engine/Content\r\n" + notes},
        {"GameUserSettings.ini", "[ScalabilityGroups]\r\nsg.ResolutionQuality=100.000000\r\n"},
        {"Scalability.ini", "[TextureQuality@3]\r\nr.MaxAnisotropy=16\r\n"}};
    // What the profile gives on copies of the files with nothing holding them.
    testing_support::SeamRecorder recorder;
    for (const auto& [name, bytes] : originals) WriteFileBytes(reference.path() + name, bytes);
    app::OptimizeAction(reference.path(), app::kLowSpecProfile);
    for (const auto& [name, bytes] : originals) {
      optimized[name] = ReadFileBytes(reference.path() + name);
      WriteFileBytes(folder + name, bytes);
    }
  }
  void TearDown() override { testing_support::RemoveTree(folder + app::kBackupFolder); }

  void ExpectFiles(const std::map<std::string, std::string>& expected, const std::string& where) {
    for (const auto& [name, bytes] : expected)
      EXPECT_TRUE(ReadFileBytes(where + name) == bytes) << where + name;
  }

  std::string folder;
  testing_support::TempDir reference;
  std::map<std::string, std::string> originals, optimized;
};

TEST_F(ScannerTest, OptimizeAndRestoreFinishAsIfTheScannerWereNotThere) {
  struct Row {
    const char* what;
    DWORD share, holdMs;
  };
  const Row rows[] = {{"polite, 100 ms", kPolite, 100},
                      {"polite, 400 ms", kPolite, 400},
                      {"strict, 50 ms", kStrict, 50},
                      {"strict, 150 ms", kStrict, 150}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    e2e::RunningProgram program;
    ASSERT_NE(program.window(), nullptr);
    {
      const Scanner scanner(folder, row.share, row.holdMs);
      program.Click("低配优化");
      ExpectFiles(originals, folder + app::kBackupFolder + "\\");
      ExpectFiles(optimized, folder);
      // However the threads ran, the restore starts after the scanner has seen what changed.
      scanner.LookOver();
      program.Click("还原");
      EXPECT_GT(scanner.holds(), 0);
    }
    EXPECT_EQ(program.messagesAnswered(), 0);
    ExpectFiles(originals, folder);
    EXPECT_EQ(GetFileAttributesA((folder + app::kBackupFolder).c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

// A holder that keeps GameUserSettings.ini through the whole click, sharing reading only: its
// items are not written and the click says so, with every original saved; once it has let go, the
// same click completes and the restore gives back every byte.
TEST_F(ScannerTest, AHolderThatDoesNotLetGoLosesNothingAndTheNextClickCompletes) {
  e2e::RunningProgram program;
  ASSERT_NE(program.window(), nullptr);
  HANDLE holder = CreateFileA((folder + "GameUserSettings.ini").c_str(), GENERIC_READ, kStrict,
                              nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  program.Click("低配优化");
  CloseHandle(holder);
  EXPECT_EQ(program.messagesAnswered(), 1);
  EXPECT_TRUE(IsWindowEnabled(program.Button("还原")));
  ExpectFiles(originals, folder + app::kBackupFolder + "\\");
  EXPECT_EQ(ReadFileBytes(folder + "GameUserSettings.ini"), originals["GameUserSettings.ini"]);

  program.Click("低配优化");
  EXPECT_EQ(program.messagesAnswered(), 1);
  ExpectFiles(optimized, folder);
  program.Click("还原");
  EXPECT_EQ(program.messagesAnswered(), 1);
  ExpectFiles(originals, folder);
}

}  // namespace
