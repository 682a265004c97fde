#include "app/game_process.h"

#include <windows.h>
#include <tlhelp32.h>

#include "app/file_ops.h"
#include "runtime/commands.h"
#include "runtime/unique_handle.h"

namespace app {
namespace {

bool IsGameImage(const wchar_t* imageName) {
  const std::wstring game = ToWide(kGameImageName);
  return CompareStringOrdinal(imageName, -1, game.c_str(), static_cast<int>(game.size()), TRUE) ==
         CSTR_EQUAL;
}

}  // namespace

bool GameIsRunning() {
  const runtime::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return false;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry))
    if (IsGameImage(entry.szExeFile)) return true;
  return false;
}

bool RefuseWhileGameRuns() {
  if (!GameIsRunning()) return false;
  runtime::InfoMessage(kGameRunningMessage);
  return true;
}

}  // namespace app
