#pragma once
// A program of the test session copied under another image name and running until the object goes
// away: what a test needs for "a process of that name is running" on the real process list.
#include <windows.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace testing_support {

class RunningCopy {
 public:
  // Copies the desktop keeper (a program with one hidden window that waits for messages) into a
  // temporary folder as imageName, starts it, and waits until the system's process list shows it
  // under that name. Throws when it cannot.
  explicit RunningCopy(const std::string& imageName);
  // Ends the process and waits until it has ended.
  ~RunningCopy();
  RunningCopy(const RunningCopy&) = delete;
  RunningCopy& operator=(const RunningCopy&) = delete;

 private:
  void End();
  TempDir dir_;
  PROCESS_INFORMATION process_{};
};

}  // namespace testing_support
