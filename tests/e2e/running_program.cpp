#include "tests/e2e/running_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "app/config_folder.h"
#include "tests/support/temp_dir.h"

namespace e2e {

std::string ProgramPath() {
  std::string path = "Z:" + std::string(CHENGYUAN_EXE);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::string FreshGameFolder() {
  const std::string folder = app::ResolveConfigFolder();
  testing_support::RemoveTree(folder.substr(0, folder.size() - 1));
  for (std::size_t at = folder.find('\\', 3); at != std::string::npos;
       at = folder.find('\\', at + 1))
    CreateDirectoryA(folder.substr(0, at).c_str(), nullptr);
  return folder;
}

namespace {

// A visible top-level window of the process with the given caption and, when given, class.
struct WindowQuery {
  DWORD processId;
  const char* caption;
  const char* className;  // null: any class
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[32] = {}, caption[32] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (owner != query->processId || !IsWindowVisible(window) ||
      std::string(caption) != query->caption ||
      (query->className && std::string(className) != query->className))
    return TRUE;
  query->found = window;
  return FALSE;
}

HWND FindProcessWindow(DWORD processId, const char* caption, const char* className = nullptr) {
  WindowQuery query{processId, caption, className};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

}  // namespace

RunningProgram::RunningProgram(const std::string& program) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = '"' + program + '"';
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_))
    throw std::runtime_error("cannot start " + command + " (error " +
                             std::to_string(GetLastError()) + ")");
  WaitForInputIdle(process_.hProcess, 10000);
  for (int i = 0; i < 200 && !window_; ++i) {
    window_ = FindProcessWindow(process_.dwProcessId, "澄远");
    if (!window_) Sleep(50);
  }
}

RunningProgram::~RunningProgram() {
  // The process is gone before the test ends: the next test must not start beside it.
  if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_.hProcess, 1);
    if (WaitForSingleObject(process_.hProcess, 30000) != WAIT_OBJECT_0)
      ADD_FAILURE() << "the program did not end within 30 s of being terminated";
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND RunningProgram::Button(const char* caption) const {
  return FindWindowExA(window_, nullptr, "Button", caption);
}

bool RunningProgram::AnswerInfoMessage() {
  const HWND box = FindProcessWindow(process_.dwProcessId, "信息：", "#32770");
  if (!box) return false;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  // Window handles carry a generation count, so a new box never has the handle of the last one.
  if (box != lastAnswered_) ++messagesAnswered_;
  lastAnswered_ = box;
  return true;
}

void RunningProgram::Click(const char* caption) {
  // The click is sent from a thread of its own, which returns when the action has run to its
  // end; meanwhile any info message the action opens is answered.
  HWND button = Button(caption);
  HANDLE sender = CreateThread(
      nullptr, 0,
      [](LPVOID param) -> DWORD {
        SendMessageA(static_cast<HWND>(param), BM_CLICK, 0, 0);
        return 0;
      },
      button, 0, nullptr);
  while (WaitForSingleObject(sender, 50) == WAIT_TIMEOUT) AnswerInfoMessage();
  CloseHandle(sender);
}

DWORD RunningProgram::WaitForExit(DWORD milliseconds) {
  if (WaitForSingleObject(process_.hProcess, milliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

}  // namespace e2e
