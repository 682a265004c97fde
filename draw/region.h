#pragma once
// Region: one GDI region (HRGN) that the object owns and deletes. It can clip the surface
// (图形::SetClipHrgn), be filled or framed on it (GdiFillRegion, GdiFrameRegion), and shape a
// window through WindowHook::SetRegion, which hands it over to the system.
//
// Creation failures append a fixed message to the last-error text and return false.
#include <windows.h>

#include <span>

namespace draw {

class Region {
 public:
  Region() = default;
  ~Region();
  Region(const Region&) = delete;
  Region& operator=(const Region&) = delete;
  Region(Region&& other) noexcept : handle_(other.Detach()) {}
  Region& operator=(Region&& other) noexcept;

  HRGN Handle() const { return handle_; }
  // Gives the region up without deleting it; the caller (or the system) owns it afterwards.
  HRGN Detach();
  // Deletes the region held; false when there was none.
  bool Delete();

  // Each creation deletes the region held before. Right and bottom are exclusive.
  bool CreateRect(int left, int top, int right, int bottom);
  bool CreateEllipse(int left, int top, int right, int bottom);
  bool CreateRoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  // fillMode: ALTERNATE or WINDING.
  bool CreatePolygon(std::span<const POINT> points, int fillMode = ALTERNATE);

  // This region combined with other: RGN_AND, RGN_OR, RGN_XOR or RGN_DIFF. Both must hold a
  // region.
  bool Combine(const Region& other, int mode);
  bool Contains(int x, int y) const;

 private:
  bool Take(HRGN created, const char* message);

  HRGN handle_ = nullptr;
};

}  // namespace draw
