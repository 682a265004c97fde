// The main of every test executable: GoogleTest's, after leaving the mark by which the session's
// Wine launcher (scripts/wine-run) tells a test process that ran from one that Wine ended before
// any of its code ran.
#include <windows.h>

#include <cstdlib>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (const char* mark = std::getenv("CHENGYUAN_STARTED_MARK"); mark && *mark) {
    HANDLE file = ::CreateFileA(mark, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
