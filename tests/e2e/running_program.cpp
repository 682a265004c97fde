#include "tests/e2e/running_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace e2e {

std::string ProgramPath() {
  std::string path = "Z:" + std::string(CHENGYUAN_EXE);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

namespace {

struct FindState {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindMainWindow(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char caption[32] = {};
  GetWindowTextA(window, caption, sizeof caption);
  if (owner == state->processId && std::string(caption) == "澄远" && IsWindowVisible(window)) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindInfoMessage(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[16] = {}, caption[32] = {};
  GetClassNameA(window, className, sizeof className);
  GetWindowTextA(window, caption, sizeof caption);
  if (owner == state->processId && std::string(className) == "#32770" &&
      std::string(caption) == "信息：" && IsWindowVisible(window)) {
    state->found = window;
    return FALSE;
  }
  return TRUE;
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
    FindState state{process_.dwProcessId, nullptr};
    EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&state));
    window_ = state.found;
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
  FindState state{process_.dwProcessId, nullptr};
  EnumWindows(FindInfoMessage, reinterpret_cast<LPARAM>(&state));
  if (!state.found) return false;
  PostMessageA(state.found, WM_COMMAND, IDOK, 0);
  // Window handles carry a generation count, so a new box never has the handle of the last one.
  if (state.found != lastAnswered_) ++messagesAnswered_;
  lastAnswered_ = state.found;
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
