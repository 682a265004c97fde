#include "tests/e2e/running_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "app/config_folder.h"
#include "runtime/wide_text.h"
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
  testing_support::MakeFolders(folder);
  return folder;
}

std::string CopyWithoutCodePage(const std::string& folder) {
  std::string bytes = testing_support::ReadFileBytes(ProgramPath());
  const std::string open = "<activeCodePage", close = "</activeCodePage>";
  const std::size_t start = bytes.find(open), end = bytes.find(close, start);
  if (start == std::string::npos || end == std::string::npos)
    throw std::runtime_error("the program's manifest names no code page");
  bytes.replace(start, end + close.size() - start, end + close.size() - start, ' ');
  const std::string copy = folder + "chengyuan.exe";
  testing_support::WriteFileBytes(copy, bytes);
  return copy;
}

std::wstring WindowTextW(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

namespace {

constexpr char kMainWindowClass[] = "ChengYuanMainWindow";

// A visible top-level window of the process with the given class.
struct WindowQuery {
  DWORD processId;
  const char* className;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (owner != query->processId || !IsWindowVisible(window) ||
      std::string(className) != query->className)
    return TRUE;
  query->found = window;
  return FALSE;
}

HWND FindProcessWindow(DWORD processId, const char* className) {
  WindowQuery query{processId, className};
  EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

// The test's own environment with LANG=locale and without LC_ALL, which would override it.
std::wstring EnvironmentInLocale(const std::string& locale) {
  std::wstring block;
  wchar_t* strings = GetEnvironmentStringsW();
  for (const wchar_t* entry = strings; *entry; entry += wcslen(entry) + 1)
    if (!std::wstring_view(entry).starts_with(L"LC_ALL=") &&
        !std::wstring_view(entry).starts_with(L"LANG="))
      block.append(entry).push_back(L'\0');
  FreeEnvironmentStringsW(strings);
  return block + L"LANG=" + runtime::ToWide(locale) + L'\0';  // c_str() adds the last zero
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
  WaitForMainWindow();
}

RunningProgram::RunningProgram(const std::string& program, const std::string& locale) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::string loader = "Z:" WINE_LOADER;
  std::replace(loader.begin(), loader.end(), '/', '\\');
  std::wstring command = runtime::ToWide('"' + loader + "\" \"" + program + '"');
  std::wstring environment = EnvironmentInLocale(locale);
  PROCESS_INFORMATION loaderProcess{};  // Wine gives no handles of a Unix process
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                      environment.data(), nullptr, &startup, &loaderProcess))
    throw std::runtime_error("cannot start Wine's loader (error " + std::to_string(GetLastError()) +
                             ")");
  // The program is known by its main window from when it exists, still hidden, so that it is
  // ended even when it never shows the window.
  HWND created = nullptr;
  for (int i = 0; i < 200 && !(created = FindWindowA(kMainWindowClass, nullptr)); ++i) Sleep(50);
  GetWindowThreadProcessId(created, &process_.dwProcessId);
  process_.hProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION,
                                  FALSE, process_.dwProcessId);
  if (process_.hProcess) WaitForMainWindow();
}

void RunningProgram::WaitForMainWindow() {
  for (int i = 0; i < 200 && !window_; ++i) {
    window_ = FindProcessWindow(process_.dwProcessId, kMainWindowClass);
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
  const HWND box = FindProcessWindow(process_.dwProcessId, "#32770");
  if (!box) return false;
  // Window handles carry a generation count, so a new box never has the handle of the last one.
  // The box's text is in its static control, whose id is 0xFFFF.
  if (box != lastAnswered_)
    answered_.emplace_back(WindowTextW(box), WindowTextW(GetDlgItem(box, 0xFFFF)));
  lastAnswered_ = box;
  PostMessageA(box, WM_COMMAND, IDOK, 0);
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
