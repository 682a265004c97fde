// A library put beside the program under the name of one that the program loads by name
// (msimg32.dll, whose AlphaBlend paints the skin's buttons) must not be loaded. Wine prefers its
// own built-in libraries; "msimg32=n,b" (set by CTest for this test's process, and inherited by
// the program) makes it look for a native one the way Windows does, where the program's own
// folder comes first.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/e2e/running_program.h"
#include "tests/support/temp_dir.h"

namespace {

// The file of the msimg32.dll that the process has loaded, or "" while it has none.
std::string LoadedMsimg32(DWORD processId) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (snapshot == INVALID_HANDLE_VALUE) return "";
  std::string path;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(snapshot, &module); more; more = Module32Next(snapshot, &module))
    if (lstrcmpiA(module.szModule, "msimg32.dll") == 0) path = module.szExePath;
  CloseHandle(snapshot);
  return path;
}

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

TEST(PlantedLibrary, TheProgramLoadsMsimg32FromSystem32NotFromItsOwnFolder) {
  testing_support::TempDir folder("planted");
  const std::string program = folder.path() + "chengyuan.exe";
  std::string planted = "Z:" + std::string(PLANTED_LIBRARY);
  std::replace(planted.begin(), planted.end(), '/', '\\');
  ASSERT_TRUE(CopyFileA(e2e::ProgramPath().c_str(), program.c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(planted.c_str(), (folder.path() + "msimg32.dll").c_str(), FALSE));

  std::string loaded;
  {
    e2e::RunningProgram running(program);
    ASSERT_NE(running.window(), nullptr);
    // Bound when the skin first paints its buttons; a generous bound, left as soon as it is.
    for (int i = 0; i < 600 && loaded.empty(); ++i) {
      loaded = LoadedMsimg32(running.processId());
      if (loaded.empty()) Sleep(50);
    }
    // A round trip through the window's thread, which is the one loading the library: once it
    // answers, the load (and a planted library's start-up code) has run to its end.
    SendMessageTimeoutA(running.window(), WM_NULL, 0, 0, SMTO_NORMAL, 30000, nullptr);
  }
  ASSERT_FALSE(loaded.empty()) << "the program never loaded msimg32.dll";
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(lstrcmpiA(FolderOf(loaded).c_str(), system), 0) << loaded;
  EXPECT_FALSE(testing_support::PathExists(folder.path() + "planted-library-loaded"));
}

}  // namespace
