#pragma once
// Resident scanners, indexers and backup tools open a file they see created or changed and hold
// it for a moment. Meanwhile Windows answers a program that opens, writes, renames or deletes the
// file with a sharing or lock violation, or with "access denied". Every file step of the backup,
// the profile writes and the restore goes through RetryWhileHeld, so that such a moment is waited
// out instead of being reported with advice that cannot help.
#include <windows.h>

#include <functional>
#include <string>

namespace app {

// Runs the step, which returns whether it succeeded and leaves the system's error code when it did
// not. While it fails because another program holds the file for a moment, it runs again after
// short growing waits: in all at most about one second for the step, and about three seconds for
// the steps of one action (ActionWaits). "Access denied" means a holder only for a file that is
// there, is not read-only and is not a folder: a new file in a folder without rights, a read-only
// file and a folder are refused for good, at once.
bool RetryWhileHeld(const std::string& path, const std::function<bool()>& step);

// What the steps of one action may wait in all, from its construction to its destruction. Steps
// run outside an action have their own limit only.
class ActionWaits {
 public:
  ActionWaits();
  ~ActionWaits();
  ActionWaits(const ActionWaits&) = delete;
  ActionWaits& operator=(const ActionWaits&) = delete;

 private:
  int previous_;
};

// Where a test takes the place of the wait between two tries: to count the waits, or to let a
// holder go at a moment of its choosing instead of after some time. Null: Sleep.
struct HoldWaitSeam {
  void (*wait)(DWORD milliseconds) = nullptr;
};
HoldWaitSeam& HoldWaitSeams();

}  // namespace app
