// Libraries put beside the program under the names of those that the program loads by name
// (gdiplus.dll first, at start; msimg32.dll when the skin paints its buttons; mpr.dll and
// comctl32.dll, which its table names too) must not be loaded. Wine prefers its own built-in
// libraries; the "name=n,b" overrides (set by CTest for this test's process, and inherited by the
// program) make it look for native ones the way Windows does, where the program's own folder comes
// first.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "runtime/wide_text.h"
#include "tests/e2e/running_program.h"
#include "tests/support/temp_dir.h"

namespace {

// The names given "n,b" in this test's Wine overrides (tests/e2e/CMakeLists.txt).
constexpr const char* kPlanted[] = {"gdiplus.dll", "msimg32.dll", "mpr.dll", "comctl32.dll"};

// The files of the planted names that the process has loaded, by lower-case name.
std::map<std::string, std::string> LoadedPlantedNames(DWORD processId) {
  std::map<std::string, std::string> loaded;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return loaded;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module))
    for (const char* name : kPlanted)
      if (lstrcmpiW(module.szModule, runtime::ToWide(name).c_str()) == 0)
        loaded[name] = runtime::ToNarrow(module.szExePath);
  CloseHandle(snapshot);
  return loaded;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

// System32, or the side-by-side store, from which the manifest's Common-Controls dependency takes
// comctl32.dll version 6.
bool IsSystemLibrary(const std::string& path) {
  char system[MAX_PATH] = {}, windows[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string store = std::string(windows) + "\\winsxs\\";
  return lstrcmpiA(FolderOf(path).c_str(), system) == 0 ||
         (path.size() > store.size() &&
          lstrcmpiA(path.substr(0, store.size()).c_str(), store.c_str()) == 0);
}

TEST(PlantedLibrary, TheProgramLoadsItsLibrariesFromSystem32NotFromItsOwnFolder) {
  testing_support::TempDir folder("planted");
  const std::string program = folder.path() + "chengyuan.exe";
  std::string planted = "Z:" + std::string(PLANTED_LIBRARY);
  std::replace(planted.begin(), planted.end(), '/', '\\');
  ASSERT_TRUE(CopyFileA(e2e::ProgramPath().c_str(), program.c_str(), FALSE));
  for (const char* name : kPlanted)
    ASSERT_TRUE(CopyFileA(planted.c_str(), (folder.path() + name).c_str(), FALSE)) << name;

  bool shown = false;
  std::map<std::string, std::string> loaded;
  {
    e2e::RunningProgram running(program);
    shown = running.window() != nullptr;
    // msimg32.dll is bound when the skin first paints its buttons; a generous bound, left as soon
    // as it is.
    for (int i = 0; shown && i < 600 && !loaded.count("msimg32.dll"); ++i) {
      loaded = LoadedPlantedNames(running.processId());
      if (!loaded.count("msimg32.dll")) Sleep(50);
    }
    // A round trip through the window's thread, which is the one loading the libraries: once it
    // answers, the load (and a planted library's start-up code) has run to its end.
    if (shown) SendMessageTimeoutA(running.window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, nullptr);
  }
  // A planted library that was loaded has left its mark, even if the program died of it.
  for (const char* name : kPlanted)
    EXPECT_FALSE(testing_support::PathExists(folder.path() + name + ".loaded"))
        << name << " was loaded from the program's folder";
  ASSERT_TRUE(shown) << "the program's window never showed";
  EXPECT_TRUE(loaded.count("gdiplus.dll")) << "the program never loaded gdiplus.dll";
  EXPECT_TRUE(loaded.count("msimg32.dll")) << "the program never loaded msimg32.dll";
  for (const auto& [name, path] : loaded) EXPECT_TRUE(IsSystemLibrary(path)) << path;
}

}  // namespace
