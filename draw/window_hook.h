#pragma once
// WindowHook subclasses one window: it puts a procedure of its user in place of the window's
// procedure and keeps the previous one so that every message can be passed on. It also holds
// the paint record of a BeginPaint/EndPaint bracket and clips the window to a region.
//
// Failures are reported by the result and a fixed message in the last-error text (the
// subclassing messages replace the text, the region messages are appended to it).
#include <windows.h>

#include <array>

namespace draw {

class Region;

// The fields of PAINTSTRUCT, kept as a record of their own and laid out as the system's
// structure only for the calls.
struct PaintRecord {
  HDC deviceContext = nullptr;
  BOOL erase = FALSE;
  RECT paint{};
  BOOL restore = FALSE;
  BOOL incrementalUpdate = FALSE;
  std::array<BYTE, 32> reserved{};
};

class WindowHook {
 public:
  WindowHook() = default;
  // A copy duplicates the fields and the paint record; it shares nothing with the original.
  // Destruction does not restore the previous procedure.
  WindowHook(const WindowHook&) = default;
  WindowHook& operator=(const WindowHook&) = default;
  ~WindowHook() = default;

  // Restores the previous procedure and forgets the window; returns what SetWindowLongPtrA
  // returned (the replaced procedure), or 0 when no procedure was ever installed.
  LONG_PTR Unhook();

  // Records window and, when procedure is given, installs it as the window's procedure.
  // Without a procedure only the window is recorded (enough for painting and regions).
  // Hooking the same window again with the same procedure keeps the procedure it replaced the
  // first time. A failure leaves no previous procedure: neither an invalid window nor a window
  // that already runs procedure through another hook (whose predecessor is unknown here).
  bool Hook(HWND window, WNDPROC procedure = nullptr);

  HDC BeginPaint();
  BOOL EndPaint();

  // Passes a message on to the procedure that was replaced; 0 with a message when Hook got no
  // procedure.
  LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  // On success the system owns the region. region is the caller's on failure.
  bool SetRegion(HRGN region, BOOL redraw = TRUE);
  // The same with a Region object, which gives its region up to the system on success and keeps
  // it on failure. An empty object removes the window's region.
  bool SetRegion(Region& region, BOOL redraw = TRUE);
  // Coordinates relative to the window's top-left corner; right and bottom are exclusive.
  bool SetEllipticRegion(int x, int y, int width, int height, BOOL redraw = TRUE);
  bool SetRoundRectRegion(int x, int y, int width, int height, int cornerWidth, int cornerHeight,
                          BOOL redraw = TRUE);

  WNDPROC GetPreviousProcedure() const { return previousProcedure_; }
  HWND GetWindow() const { return window_; }
  bool IsForwarding() const { return forwarding_; }
  const PaintRecord& GetPaintRecord() const { return paint_; }

 private:
  bool ApplyRegion(HRGN region, BOOL redraw);
  // Sets a region just created (null when its creation failed, which failure then names), and
  // deletes it when it cannot be set.
  bool ApplyNewRegion(HRGN created, BOOL redraw, const char* failure);

  WNDPROC previousProcedure_ = nullptr;
  HWND window_ = nullptr;
  bool forwarding_ = false;
  PaintRecord paint_;
};

}  // namespace draw
