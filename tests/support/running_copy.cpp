#include "tests/support/running_copy.h"

#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>

#include <gtest/gtest.h>

#include "runtime/unique_handle.h"
#include "runtime/wide_text.h"

namespace testing_support {
namespace {

std::string DesktopKeeperPath() {
  std::string path = "Z:" + std::string(DESKTOP_KEEPER_EXE);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// The process list as the system gives it, read here without the program's own code.
bool ListedAs(DWORD processId, const std::string& imageName) {
  const runtime::UniqueFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = snapshot && Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry))
    if (entry.th32ProcessID == processId && imageName == runtime::ToNarrow(entry.szExeFile))
      return true;
  return false;
}

}  // namespace

RunningCopy::RunningCopy(const std::string& imageName) : dir_("进程") {
  const std::string copy = dir_.path() + imageName;
  if (!CopyFileA(DesktopKeeperPath().c_str(), copy.c_str(), TRUE))
    throw std::runtime_error("cannot copy the desktop keeper to " + copy);
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = '"' + copy + '"';
  // Detached: its "ready" line goes nowhere instead of into the test's output.
  if (!CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                      nullptr, nullptr, &startup, &process_))
    throw std::runtime_error("cannot start " + copy);
  for (int i = 0; i < 200 && !ListedAs(process_.dwProcessId, imageName); ++i) Sleep(50);
  if (!ListedAs(process_.dwProcessId, imageName)) {
    End();
    throw std::runtime_error(imageName + " is not in the process list");
  }
}

RunningCopy::~RunningCopy() { End(); }

void RunningCopy::End() {
  TerminateProcess(process_.hProcess, 1);
  if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0)
    ADD_FAILURE() << "the copy did not end within 30 s of being terminated";
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

}  // namespace testing_support
