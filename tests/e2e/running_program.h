#pragma once
// The program started as its own process, found by its window and driven through the window
// system as a user would.
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace e2e {

// The executable's path as Windows sees it under Wine.
std::string ProgramPath();

// The game's folder of the test prefix's user, as the program resolves it, made anew and empty.
std::string FreshGameFolder();

// A copy of the program in folder whose manifest asks for no code page, as Windows 10 and earlier
// read it (they take no locale name there, and before 1903 nothing): the process then runs in the
// system's code page. The element is blanked out, so the resource keeps its length.
std::string CopyWithoutCodePage(const std::string& folder);

// A window's text as the window system holds it, in UTF-16.
std::wstring WindowTextW(HWND window);

class RunningProgram {
 public:
  // Starts the executable (the built program unless another copy is named) and waits for its
  // main window.
  explicit RunningProgram(const std::string& program = ProgramPath());
  // Starts the executable as Wine started with LANG=locale does, and waits for its main window.
  // Under Wine a process takes its locale, and the system's code page with it, from the Unix
  // environment it starts in: a program that a Windows program starts inherits its parent's,
  // whatever its environment block says, so this one is started through Wine's loader, a Unix
  // program, with LANG in its environment block and without LC_ALL.
  RunningProgram(const std::string& program, const std::string& locale);
  ~RunningProgram();  // ends the process if it is still running, and waits until it has
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  HWND window() const { return window_; }
  DWORD processId() const { return process_.dwProcessId; }
  HWND Button(const char* caption) const;
  // Clicks a button without waiting for its action, answers any message box the program shows
  // meanwhile, and returns once the program is idle again.
  void Click(const char* caption);
  // Waits for the process to end; returns its exit code, or STILL_ACTIVE on time-out.
  DWORD WaitForExit(DWORD milliseconds = 10000);
  int messagesAnswered() const { return static_cast<int>(answered_.size()); }
  // The caption and text of each box answered, as the box showed them.
  const std::vector<std::pair<std::wstring, std::wstring>>& answered() const { return answered_; }

 private:
  void WaitForMainWindow();
  bool AnswerInfoMessage();
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  std::vector<std::pair<std::wstring, std::wstring>> answered_;
  HWND lastAnswered_ = nullptr;  // a box that is still closing is answered again, not counted again
};

}  // namespace e2e
