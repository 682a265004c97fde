#pragma once
// Checks of top-level windows that the tests of the form and of the main window share.
#include <windows.h>

namespace testing_support {

// Expects window to be width × height, centred on the primary screen, with no caption, system
// menu or sizing border.
void ExpectCentredBorderless(HWND window, int width, int height);

}  // namespace testing_support
