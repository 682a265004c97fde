// The bench's face for "宋体" at the size the buttons, the path label and the box show it: the
// test prefix replaces it with the bitmap strikes of WenQuanYi Zen Hei Sharp, because the outline
// face WenQuanYi Zen Hei drops strokes at 12 pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "app/texts.h"
#include "runtime/bitmap_info.h"
#include "runtime/unique_handle.h"
#include "runtime/wide_text.h"

namespace {

constexpr int kWidth = 120;
constexpr int kHeight = 20;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

// The path label's text drawn black on white into a 32-bit DIB section with the given font.
std::vector<std::uint32_t> DrawPathLabel(HFONT font) {
  const BITMAPINFO info = runtime::TopDown32(kWidth, kHeight);
  void* bits = nullptr;
  const runtime::UniqueBitmap bitmap(
      CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const runtime::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!bitmap || !dc) return {};
  runtime::SelectedObject selectedBitmap(dc.get(), bitmap.get());
  runtime::SelectedObject selectedFont(dc.get(), font);
  auto* pixels = static_cast<std::uint32_t*>(bits);
  std::fill(pixels, pixels + kWidth * kHeight, kWhite);
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), RGB(0, 0, 0));
  const std::wstring text = runtime::ToWide(app::texts::kPathLabel);
  TextOutW(dc.get(), 2, 2, text.c_str(), static_cast<int>(text.size()));
  GdiFlush();
  std::vector<std::uint32_t> result(pixels, pixels + kWidth * kHeight);
  for (std::uint32_t& pixel : result) pixel &= kWhite;
  return result;
}

// A font like the default GUI font of a Chinese system, which the program draws these texts with
// (its height and weight), in the given face.
runtime::UniqueFont GuiFontInFace(const wchar_t* face) {
  LOGFONTW logfont{};
  logfont.lfHeight = -12;
  logfont.lfWeight = FW_NORMAL;
  logfont.lfCharSet = GB2312_CHARSET;
  lstrcpynW(logfont.lfFaceName, face, LF_FACESIZE);
  return runtime::UniqueFont(CreateFontIndirectW(&logfont));
}

}  // namespace

TEST(Bench, SongTiAtTwelvePixelsIsTheBitmapFace) {
  const runtime::UniqueFont songTi = GuiFontInFace(L"宋体");
  const runtime::UniqueFont sharp = GuiFontInFace(L"WenQuanYi Zen Hei Sharp");
  const runtime::UniqueFont outline = GuiFontInFace(L"WenQuanYi Zen Hei");
  ASSERT_TRUE(songTi && sharp && outline);
  const std::vector<std::uint32_t> drawn = DrawPathLabel(songTi.get());
  ASSERT_EQ(drawn.size(), static_cast<std::size_t>(kWidth * kHeight));
  EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](std::uint32_t p) { return p != kWhite; }),
            100);

  EXPECT_TRUE(drawn == DrawPathLabel(sharp.get())) << "宋体 is not drawn in the bitmap face";
  // Wine makes the stock GUI font for the process's code page: for the UTF-8 of the program's
  // manifest, "MS Shell Dlg" at 11 pixels in no character set. Windows' GDI makes it for the
  // system's code page whatever the process's (宋体 at 12 pixels on a Chinese system), as Wine
  // does for a copy of the program without the manifest's code page (the end-to-end tests).
  LOGFONTW gui{};
  ASSERT_NE(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui), 0);
  EXPECT_EQ(gui.lfHeight, -11);
  EXPECT_EQ(gui.lfCharSet, ANSI_CHARSET);
  // The comparison tells the faces apart.
  EXPECT_FALSE(drawn == DrawPathLabel(outline.get()));
}
