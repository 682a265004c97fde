#include "draw/api.h"
#include "draw/api_surface.h"
#include "draw/api_wrappers.h"

// The definitions of every list, in list order: the order in which the table is walked.
namespace draw::api {

DRAW_API_BASE(DRAW_DEFINE_WIN32, DRAW_DEFINE_GDIPLUS)
::draw::ExternalFunction<decltype(::Gdiplus::GdiplusStartup)> GdiplusStartup{"gdiplus.dll",
                                                                              "GdiplusStartup"};
DRAW_API_SURFACE(DRAW_DEFINE_WIN32, DRAW_DEFINE_GDIPLUS)
DRAW_API_WRAPPERS(DRAW_DEFINE_WIN32, DRAW_DEFINE_GDIPLUS)

}  // namespace draw::api
