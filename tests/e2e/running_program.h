#pragma once
// The program started as its own process, found by its window and driven through the window
// system as a user would.
#include <windows.h>

#include <string>

namespace e2e {

// The executable's path as Windows sees it under Wine.
std::string ProgramPath();

// The game's folder of the test prefix's user, as the program resolves it, made anew and empty.
std::string FreshGameFolder();

class RunningProgram {
 public:
  // Starts the executable (the built program unless another copy is named) and waits for its
  // main window.
  explicit RunningProgram(const std::string& program = ProgramPath());
  ~RunningProgram();  // ends the process if it is still running, and waits until it has
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND window() const { return window_; }
  DWORD processId() const { return process_.dwProcessId; }
  HWND Button(const char* caption) const;
  // Clicks a button without waiting for its action, answers any info message the program shows
  // meanwhile, and returns once the program is idle again.
  void Click(const char* caption);
  // Waits for the process to end; returns its exit code, or STILL_ACTIVE on time-out.
  DWORD WaitForExit(DWORD milliseconds = 10000);
  int messagesAnswered() const { return messagesAnswered_; }

 private:
  bool AnswerInfoMessage();
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  int messagesAnswered_ = 0;
  HWND lastAnswered_ = nullptr;  // a box that is still closing is answered again, not counted again
};

}  // namespace e2e
