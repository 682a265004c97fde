#include "draw/region.h"

#include "draw/api_surface.h"
#include "draw/last_error.h"

namespace draw {

Region::~Region() { Delete(); }

Region& Region::operator=(Region&& other) noexcept {
  if (this != &other) {
    Delete();
    handle_ = other.Detach();
  }
  return *this;
}

HRGN Region::Detach() {
  const HRGN handle = handle_;
  handle_ = nullptr;
  return handle;
}

bool Region::Delete() {
  if (!handle_) return false;
  api::DeleteObject(handle_);
  handle_ = nullptr;
  return true;
}

bool Region::Take(HRGN created, const char* message) {
  Delete();
  handle_ = created;
  if (created) return true;
  AppendLastErrorText(message);
  return false;
}

bool Region::CreateRect(int left, int top, int right, int bottom) {
  return Take(api::CreateRectRgn(left, top, right, bottom),
              "创建矩形区域失败(CreateRectRgn()返回值为0)");
}

bool Region::CreateEllipse(int left, int top, int right, int bottom) {
  return Take(api::CreateEllipticRgn(left, top, right, bottom),
              "创建椭圆区域失败(CreateEllipticRgn()返回值为0)");
}

bool Region::CreateRoundRect(int left, int top, int right, int bottom, int cornerWidth,
                             int cornerHeight) {
  return Take(api::CreateRoundRectRgn(left, top, right, bottom, cornerWidth, cornerHeight),
              "创建圆角矩形区域失败(CreateRoundRectRgn()返回值为0)");
}

bool Region::CreatePolygon(std::span<const POINT> points, int fillMode) {
  return Take(api::CreatePolygonRgn(points.data(), static_cast<int>(points.size()), fillMode),
              "创建多边形区域失败(CreatePolygonRgn()返回值为0)");
}

bool Region::Combine(const Region& other, int mode) {
  if (handle_ && other.handle_ && api::CombineRgn(handle_, handle_, other.handle_, mode) != ERROR)
    return true;
  AppendLastErrorText("合并区域失败(CombineRgn()返回值为0)");
  return false;
}

bool Region::Contains(int x, int y) const { return handle_ && api::PtInRegion(handle_, x, y); }

}  // namespace draw
