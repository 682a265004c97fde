#pragma once
// Shared helpers of the optimizer tests: a game configuration folder with the three files, and
// INI contents as sections with their non-blank lines (Wine's profile writer drops blank lines).
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/backup.h"
#include "app/file_ops.h"
#include "app/retry_while_held.h"
#include "tests/support/seam_recorder.h"
#include "tests/support/temp_dir.h"

namespace apptest {

using Ini = std::vector<std::pair<std::string, std::vector<std::string>>>;

inline Ini ParseIni(const std::string& bytes) {
  Ini ini;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']')
      ini.push_back({line.substr(1, line.size() - 2), {}});
    else if (ini.empty())
      ini.push_back({"", {line}});
    else
      ini.back().second.push_back(line);
  }
  return ini;
}

inline Ini ReadIni(const std::string& path) {
  return ParseIni(testing_support::ReadFileBytes(path));
}

// The optimizer's messages, written out so that the tests check the texts themselves.
inline const std::string kBackupFailed = "备份失败，请以管理员身份运行本程序。";
inline const std::string kRestoreFailed = "还原失败，请以管理员身份运行本程序。";
inline const std::string kDeleteFailed = "删除备份文件失败，请手动删除。";
inline const std::string kWriteFailed =
    "写入配置文件失败，请关闭游戏并取消配置文件的只读属性后重试。";

// The backup folder's name and the game's three files, written out.
inline const std::string kBackup = "墨鸢一键优化备份";
inline const char* const kGameFiles[] = {"Engine.ini", "GameUserSettings.ini", "Scalability.ini"};

// The game's files as they are before any optimization, with CRLF and blank lines.
inline const char kEngine[] =
    "[Core.System]\r\nPaths=../../../Engine/Content\r\n\r\n"
    "[/Script/Engine.RendererSettings]\r\nr.DefaultFeature.MotionBlur=False\r\n";
inline const char kGameUserSettings[] =
    "[ScalabilityGroups]\r\nsg.ResolutionQuality=100.000000\r\nsg.ViewDistanceQuality=3\r\n"
    "sg.TextureQuality=3\r\n\r\n[/Script/TslGame.TslGameUserSettings]\r\nbUseVSync=False\r\n";
inline const char kScalability[] =
    "[TextureQuality@3]\r\nr.Streaming.MipBias=0\r\nr.Streaming.LimitPoolSizeToVRAM=1\r\n\r\n"
    "[TextureQuality@1]\r\nr.MaxAnisotropy=2\r\n";

inline void WriteGameFiles(const std::string& folder) {
  testing_support::WriteFileBytes(folder + "Engine.ini", kEngine);
  testing_support::WriteFileBytes(folder + "GameUserSettings.ini", kGameUserSettings);
  testing_support::WriteFileBytes(folder + "Scalability.ini", kScalability);
}

inline void ExpectGameFilesUnchanged(const std::string& folder) {
  EXPECT_EQ(testing_support::ReadFileBytes(folder + "Engine.ini"), kEngine);
  EXPECT_EQ(testing_support::ReadFileBytes(folder + "GameUserSettings.ini"), kGameUserSettings);
  EXPECT_EQ(testing_support::ReadFileBytes(folder + "Scalability.ini"), kScalability);
}

// A temporary folder that holds the game's three files as they are before any optimization.
class GameFolder : public testing_support::TempDir {
 public:
  GameFolder() { WriteGameFiles(path()); }
};

// Writes a file and marks it read-only; false when the attribute could not be set.
inline bool WriteReadOnlyFile(const std::string& path, const std::string& bytes) {
  testing_support::WriteFileBytes(path, bytes);
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY) != FALSE;
}

// The read-only and hidden attributes of a file, as the system reports them (Wine keeps no hidden
// attribute).
inline DWORD GuardAttributes(const std::string& path) {
  return GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
}

// Restores and expects every file put back: no message, no shell, the restore's window update with
// "还原" disabled, and the backup folder gone.
inline void ExpectSilentRestore(const std::string& folder) {
  testing_support::SeamRecorder recorder;
  const app::WindowUpdate update = app::RestoreAction(folder);
  EXPECT_TRUE(recorder.messages().empty());
  EXPECT_TRUE(recorder.shellCalls().empty());
  EXPECT_FALSE(update.restoreEnabled);
  EXPECT_EQ(update.label2Caption, "还原完毕，感谢你的使用。\r\n（如有使用问题欢迎反馈）");
  EXPECT_EQ(update.label1Caption, "配置文件路径：");
  EXPECT_FALSE(testing_support::PathExists(folder + kBackup));
}

// Adds up the program's waits for a holder to let go instead of sleeping them, while it lives.
class CountedWaits {
 public:
  CountedWaits() : previous_(app::HoldWaitSeams().wait) {
    total = 0;
    app::HoldWaitSeams().wait = [](DWORD milliseconds) { total += milliseconds; };
  }
  ~CountedWaits() { app::HoldWaitSeams().wait = previous_; }
  CountedWaits(const CountedWaits&) = delete;
  CountedWaits& operator=(const CountedWaits&) = delete;
  static inline DWORD total = 0;

 private:
  void (*previous_)(DWORD);
};

// A file held open as the running game holds its settings: without sharing, nothing can read,
// replace or delete it until the handle is closed; with FILE_SHARE_READ it can still be read.
// The program waits a moment for a holder to let go; this one never does while it is held, so
// while the lock lives the waits are counted instead of slept.
class FileLock {
 public:
  explicit FileLock(const std::string& path, DWORD share = 0)
      : handle_(
            CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Release() {
    if (held()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
  const CountedWaits waits_;
};

// The Unix name of a path under Wine; empty elsewhere.
inline std::string UnixName(const std::string& path) {
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
inline void RunUnix(std::string command) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                     &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

// Waits, for at most five seconds, until the path can be looked at (or, with false, no longer).
inline bool WaitForPath(const std::string& path, bool lookable = true) {
  for (int i = 0; i < 100; ++i, Sleep(50))
    if (testing_support::PathExists(path) == lookable) return true;
  return false;
}

// Keeps the process's current directory and puts it back at the end.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& path) {
    GetCurrentDirectoryA(MAX_PATH, saved_);
    SetCurrentDirectoryA(path.c_str());
  }
  ~CurrentDirectory() { SetCurrentDirectoryA(saved_); }

 private:
  char saved_[MAX_PATH] = {};
};

}  // namespace apptest
