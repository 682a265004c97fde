#pragma once
#include <windows.h>

namespace draw {

// Starts GDI+ for the rest of the process: version 1, no debug callback, background thread and
// external codecs not suppressed, no output record. The result is not looked at; GDI+ is never
// shut down.
void StartGdiplus();

// The token GdiplusStartup returned (0 before StartGdiplus).
ULONG_PTR GdiplusToken();

}  // namespace draw
