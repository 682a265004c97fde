#include "tests/draw/draw_test_support.h"

#include <cstdlib>
#include <cstring>

#include "draw/api.h"
#include "runtime/bitmap_info.h"

namespace draw_testing {

PixelTarget::PixelTarget(int width, int height) : width_(width), height_(height) {
  const BITMAPINFO info = runtime::TopDown32(width, height);
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
}

PixelTarget::~PixelTarget() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF PixelTarget::At(int x, int y) const {
  GdiFlush();
  const std::uint32_t p = bits_[y * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

void PixelTarget::Fill(COLORREF colour) {
  GdiFlush();
  const std::uint32_t p = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = p;
}

testing::AssertionResult ColourNear(COLORREF actual, COLORREF expected, int tolerance) {
  const int dr = std::abs(GetRValue(actual) - GetRValue(expected));
  const int dg = std::abs(GetGValue(actual) - GetGValue(expected));
  const int db = std::abs(GetBValue(actual) - GetBValue(expected));
  char text[96];
  snprintf(text, sizeof text, "0x%06lX vs expected 0x%06lX", static_cast<unsigned long>(actual),
           static_cast<unsigned long>(expected));
  if (dr <= tolerance && dg <= tolerance && db <= tolerance)
    return testing::AssertionSuccess() << text;
  return testing::AssertionFailure() << text;
}

namespace {

bool FindEncoder(const wchar_t* mimeType, CLSID* clsid) {
  UINT count = 0, size = 0;
  if (draw::api::GdipGetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<std::uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (draw::api::GdipGetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (wcscmp(codecs[i].MimeType, mimeType) == 0) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

std::vector<std::uint8_t> ReadAll(IStream* stream) {
  ULARGE_INTEGER end{};
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_END, &end);
  stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
  std::vector<std::uint8_t> bytes(static_cast<size_t>(end.QuadPart));
  ULONG read = 0;
  stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
  bytes.resize(read);
  return bytes;
}

}  // namespace

std::vector<std::uint8_t> EncodeSolidImage(const wchar_t* mimeType, int width, int height,
                                           std::uint32_t argb) {
  CLSID encoder;
  if (!FindEncoder(mimeType, &encoder)) return {};
  std::vector<std::uint32_t> pixels(static_cast<size_t>(width * height), argb);
  Gdiplus::GpBitmap* bitmap = nullptr;
  draw::api::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppARGB,
                                       reinterpret_cast<BYTE*>(pixels.data()), &bitmap);
  if (!bitmap) return {};
  IStream* stream = nullptr;
  std::vector<std::uint8_t> bytes;
  if (SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream))) {
    if (draw::api::GdipSaveImageToStream(bitmap, stream, &encoder, nullptr) == Gdiplus::Ok)
      bytes = ReadAll(stream);
    stream->Release();
  }
  draw::api::GdipDisposeImage(bitmap);
  return bytes;
}

std::vector<std::uint8_t> MakeIcon(int size, std::uint32_t argb) {
  const std::uint32_t maskRow = ((static_cast<std::uint32_t>(size) + 31) / 32) * 4;
  const std::uint32_t imageBytes =
      40 + static_cast<std::uint32_t>(size * size) * 4 + maskRow * static_cast<std::uint32_t>(size);
  std::vector<std::uint8_t> out;
  auto put16 = [&](std::uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
  };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  // Header: reserved, type 1 (icon), one image.
  put16(0), put16(1), put16(1);
  // Directory entry: width, height, colours, reserved, planes, bit count, size, offset.
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(static_cast<std::uint8_t>(size));
  out.push_back(0), out.push_back(0);
  put16(1), put16(32), put32(imageBytes), put32(6 + 16);
  // BITMAPINFOHEADER; the height counts the colour rows and the mask rows.
  put32(40), put32(static_cast<std::uint32_t>(size)), put32(static_cast<std::uint32_t>(size * 2));
  put16(1), put16(32), put32(BI_RGB), put32(0), put32(0), put32(0), put32(0), put32(0);
  for (int i = 0; i < size * size; ++i) put32(argb);
  out.insert(out.end(), maskRow * static_cast<std::uint32_t>(size), 0);
  return out;
}

namespace {

LRESULT CALLBACK TestWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_USER + 1) return 42;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A Unicode window, as the program's are: its procedure reads back as itself only in W form.
const wchar_t* RegisterTestClass() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = TestWindowProcedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CyDrawTestWindow";
    RegisterClassW(&wc);
    return L"CyDrawTestWindow";
  }();
  return name;
}

}  // namespace

TestWindow::TestWindow(int width, int height) {
  hwnd_ = CreateWindowExW(0, RegisterTestClass(), L"test", WS_POPUP, 10, 10, width, height, nullptr,
                          nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() { DestroyWindow(hwnd_); }

WNDPROC TestWindow::ClassProcedure() { return TestWindowProcedure; }

DWORD GdiObjectCount() {
  if (DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS)) return count;
  // Wine's GetGuiResources is a stub that answers 0. Wine takes a GDI handle whose high word is 0
  // as naming whatever object holds that slot of the process's handle table, so the live objects
  // can be counted slot by slot.
  DWORD count = 0;
  for (std::uintptr_t slot = 1; slot < 0x10000; ++slot)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot))) ++count;
  return count;
}

}  // namespace draw_testing
