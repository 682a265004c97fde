#include "tests/support/seam_recorder.h"

#include <cstdio>

#include "runtime/wide_text.h"

namespace testing_support {
namespace {

std::vector<MessageBoxCall> g_messages;
std::vector<ShellCall> g_shellCalls;

std::string Narrow(LPCWSTR text) { return text ? runtime::ToNarrow(text) : ""; }

int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
  g_messages.push_back({owner, Narrow(text), Narrow(caption), style});
  return IDOK;
}

HINSTANCE WINAPI RecordShellExecute(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                                    LPCWSTR directory, INT show) {
  g_shellCalls.push_back({owner, Narrow(verb), Narrow(file), parameters != nullptr,
                          directory != nullptr, Narrow(directory), show});
  return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(42));
}

}  // namespace

int WINAPI PrintMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT style) {
  fprintf(stderr, "owner=%p style=%u caption=[%s] text=[%s]", static_cast<void*>(owner), style,
          Narrow(caption).c_str(), Narrow(text).c_str());
  return IDOK;
}

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
