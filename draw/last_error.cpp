#include "draw/last_error.h"

#include <string>

namespace draw {
namespace {

Gdiplus::Status g_lastStatus = Gdiplus::Ok;
// Held on the heap only while there is a message, so releasing it at exit frees everything.
std::string* g_lastError = nullptr;

std::string& Text() {
  if (!g_lastError) g_lastError = new std::string;
  return *g_lastError;
}

}  // namespace

Gdiplus::Status LastStatus() { return g_lastStatus; }

bool RecordStatus(Gdiplus::Status status) {
  g_lastStatus = status;
  return status == Gdiplus::Ok;
}

std::string_view LastErrorText() {
  return g_lastError ? std::string_view(*g_lastError) : std::string_view();
}

void SetLastErrorText(std::string_view message) { Text().assign(message); }

void AppendLastErrorText(std::string_view message) { Text().append(message); }

void ReleaseLastErrorText() {
  delete g_lastError;
  g_lastError = nullptr;
}

}  // namespace draw
