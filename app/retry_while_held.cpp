#include "app/retry_while_held.h"

#include <algorithm>
#include <climits>

#include "runtime/wide_text.h"

namespace app {
namespace {

// The waits grow from a hundredth of a second to a twentieth, so that a short hold costs little
// and a long one is looked at often enough.
constexpr int kFirstWaitMs = 10;
constexpr int kLongestWaitMs = 50;
constexpr int kStepLimitMs = 1000;
constexpr int kActionLimitMs = 3000;
constexpr int kNoAction = INT_MAX;

// What the running action may still wait; kNoAction outside an action.
int g_actionAllowance = kNoAction;

// Whether the error answers a program that holds the file for a moment.
bool IsMomentaryHold(const std::string& path, DWORD error) {
  if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return true;
  if (error != ERROR_ACCESS_DENIED) return false;
  const DWORD attributes = GetFileAttributesW(runtime::ToWide(path).c_str());
  // Windows refuses even a look at a file that is being deleted while a holder keeps it open.
  if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_ACCESS_DENIED;
  return !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

void Wait(int milliseconds) {
  if (HoldWaitSeams().wait)
    HoldWaitSeams().wait(static_cast<DWORD>(milliseconds));
  else
    Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace

bool RetryWhileHeld(const std::string& path, const std::function<bool()>& step) {
  int waited = 0;
  for (int wait = kFirstWaitMs;; wait = std::min(2 * wait, kLongestWaitMs)) {
    if (step()) return true;
    const DWORD error = GetLastError();
    const bool allowed = waited + wait <= kStepLimitMs && wait <= g_actionAllowance;
    if (!allowed || !IsMomentaryHold(path, error)) {
      SetLastError(error);
      return false;
    }
    Wait(wait);
    waited += wait;
    if (g_actionAllowance != kNoAction) g_actionAllowance -= wait;
  }
}

ActionWaits::ActionWaits() : previous_(g_actionAllowance) { g_actionAllowance = kActionLimitMs; }

ActionWaits::~ActionWaits() { g_actionAllowance = previous_; }

HoldWaitSeam& HoldWaitSeams() {
  static HoldWaitSeam seam;
  return seam;
}

}  // namespace app
