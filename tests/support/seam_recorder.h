#pragma once
// Replaces the message box and shell seams with recorders for the life of the object, so that
// tests can check exactly what the program would have shown or handed to the shell.
#include <windows.h>

#include <string>
#include <vector>

#include "runtime/seams.h"

namespace testing_support {

struct MessageBoxCall {
  HWND owner;
  std::string text;
  std::string caption;
  UINT style;
};

struct ShellCall {
  HWND owner;
  std::string verb;
  std::string file;
  bool hasParameters;
  bool hasDirectory;
  std::string directory;
  INT show;
};

// A message box seam for the child process of a death test: prints
// "owner=<pointer> style=<number> caption=[<caption>] text=[<text>]" in UTF-8 to stderr, where the
// parent matches it, and answers OK.
int WINAPI PrintMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style);

class SeamRecorder {
 public:
  SeamRecorder();
  ~SeamRecorder();
  SeamRecorder(const SeamRecorder&) = delete;
  SeamRecorder& operator=(const SeamRecorder&) = delete;

  const std::vector<MessageBoxCall>& messages() const;
  const std::vector<ShellCall>& shellCalls() const;
  // The texts of the recorded message boxes, in order.
  std::vector<std::string> messageTexts() const;
  void clear();

 private:
  runtime::PlatformSeams saved_;
};

}  // namespace testing_support
