#pragma once
// The base of every GDI+ wrapper: one native object pointer. Each derived class also keeps the
// pointer in a field of its own native type; SetHandle keeps the two in step through StoreHandle.
//
// A wrapper owns its native object: copying is disabled, since two copies would delete one
// native object twice. The clone operations of the classes make their target hold a copy of
// their own; when the copy fails the target is left empty, like an object whose creation failed,
// except when the target is the source itself, which then keeps its object. A getter given a
// null output records InvalidParameter and returns false.
#include <windows.h>
#include <gdiplus.h>

#include <cstddef>

#include "draw/last_error.h"

namespace draw {

// A rectangle of four floats, laid out as GDI+ expects (x, y, width, height).
struct RectF {
  float x = 0;
  float y = 0;
  float width = 0;
  float height = 0;
};

class GdipObject {
 public:
  GdipObject() = default;
  virtual ~GdipObject() = default;
  GdipObject(const GdipObject&) = delete;
  GdipObject& operator=(const GdipObject&) = delete;

  void* GetHandle() const { return handle_; }

  // Stores h as the handle and in the derived class's own field. Never deletes the native object
  // held before; only the create, load, delete and dispose operations of the classes do.
  void SetHandle(void* h) {
    handle_ = h;
    StoreHandle(h);
  }

  // Memory from the GDI+ allocator.
  static void* Alloc(size_t size);
  static void Free(void* pointer);

 protected:
  // Stores h in the derived class's typed field.
  virtual void StoreHandle(void* h) { (void)h; }

 private:
  void* handle_ = nullptr;
};

// The end of every clone, given the native clone call's status and copy: a failed copy of an
// object into itself leaves it as it was; any other target lets go of what it held and takes the
// copy, or stays empty when there is none. The copy is made before this, so that an object cloned
// into itself is copied before it is deleted.
template <typename Wrapper, typename Native>
bool TakeClone(const Wrapper& source, Wrapper& target, Gdiplus::Status status, Native* copy) {
  if (status != Gdiplus::Ok && &target == &source) return RecordStatus(status);
  target.Delete();
  target.SetHandle(status == Gdiplus::Ok ? copy : nullptr);
  return RecordStatus(status);
}

}  // namespace draw
