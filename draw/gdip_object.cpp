#include "draw/gdip_object.h"

#include "draw/api.h"

namespace draw {

void* GdipObject::Alloc(size_t size) { return api::GdipAlloc(size); }

void GdipObject::Free(void* pointer) { api::GdipFree(pointer); }

}  // namespace draw
