#pragma once
// State shared by all drawing and hook objects: the status of the last recorded GDI+ call and the
// last-error text. Nothing in the program shows either; they are there for whoever wants to look.
#include <windows.h>
#include <gdiplus.h>

#include <string_view>

namespace draw {

// The status of the most recent recorded GDI+ call (Ok before any).
Gdiplus::Status LastStatus();

// Stores status as the last status and returns whether it is Ok. Every wrapper operation that
// "records" its GDI+ call goes through here.
bool RecordStatus(Gdiplus::Status status);

// The last-error text (UTF-8); empty when none is held.
std::string_view LastErrorText();

// Replaces the text with message (the window hook's subclassing messages).
void SetLastErrorText(std::string_view message);

// Appends message without separator (the surface's and the regions' messages).
void AppendLastErrorText(std::string_view message);

// Frees the text; the exit sequence calls it. Safe to call when none is held, and afterwards the
// text can be set again.
void ReleaseLastErrorText();

}  // namespace draw
