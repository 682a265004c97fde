#include "tests/support/seam_recorder.h"

namespace testing_support {
namespace {

std::vector<MessageBoxCall> g_messages;
std::vector<ShellCall> g_shellCalls;

int WINAPI RecordMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT style) {
  g_messages.push_back({owner, text ? text : "", caption ? caption : "", style});
  return IDOK;
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                                    LPCSTR directory, INT show) {
  g_shellCalls.push_back({owner, verb ? verb : "", file ? file : "", parameters != nullptr,
                          directory != nullptr, directory ? directory : "", show});
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

}  // namespace

SeamRecorder::SeamRecorder() : saved_(runtime::Seams()) {
  clear();
  runtime::Seams().messageBox = RecordMessageBox;
  runtime::Seams().shellExecute = RecordShellExecute;
}

SeamRecorder::~SeamRecorder() { runtime::Seams() = saved_; }

const std::vector<MessageBoxCall>& SeamRecorder::messages() const { return g_messages; }
const std::vector<ShellCall>& SeamRecorder::shellCalls() const { return g_shellCalls; }

std::vector<std::string> SeamRecorder::messageTexts() const {
  std::vector<std::string> texts;
  for (const auto& m : g_messages) texts.push_back(m.text);
  return texts;
}

void SeamRecorder::clear() {
  g_messages.clear();
  g_shellCalls.clear();
}

}  // namespace testing_support
