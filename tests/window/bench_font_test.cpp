// The bench's face for "宋体" at the size the buttons, the path label and the box show it: the
// test prefix replaces it with the bitmap strikes of WenQuanYi Zen Hei Sharp, because the outline
// face WenQuanYi Zen Hei drops strokes at 12 pixels.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/texts.h"
#include "runtime/bitmap_info.h"
#include "runtime/unique_handle.h"

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
  TextOutA(dc.get(), 2, 2, app::texts::kPathLabel,
           static_cast<int>(std::strlen(app::texts::kPathLabel)));
  GdiFlush();
  std::vector<std::uint32_t> result(pixels, pixels + kWidth * kHeight);
  for (std::uint32_t& pixel : result) pixel &= kWhite;
  return result;
}

// A font like the default GUI font the program draws these texts with (its height and weight),
// in the given face.
runtime::UniqueFont GuiFontInFace(const char* face) {
  LOGFONTA logfont{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logfont, &logfont);
  logfont.lfCharSet = GB2312_CHARSET;
  lstrcpynA(logfont.lfFaceName, face, LF_FACESIZE);
  return runtime::UniqueFont(CreateFontIndirectA(&logfont));
}

}  // namespace

TEST(Bench, SongTiAtTwelvePixelsIsTheBitmapFace) {
  LOGFONTA gui{};
  ASSERT_NE(GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui), 0);
  EXPECT_EQ(gui.lfHeight, -12);
  EXPECT_EQ(gui.lfWeight, FW_NORMAL);

  const runtime::UniqueFont songTi = GuiFontInFace("宋体");
  const runtime::UniqueFont sharp = GuiFontInFace("WenQuanYi Zen Hei Sharp");
  const runtime::UniqueFont outline = GuiFontInFace("WenQuanYi Zen Hei");
  ASSERT_TRUE(songTi && sharp && outline);
  const std::vector<std::uint32_t> drawn = DrawPathLabel(songTi.get());
  ASSERT_EQ(drawn.size(), static_cast<std::size_t>(kWidth * kHeight));
  EXPECT_GT(std::count_if(drawn.begin(), drawn.end(), [](std::uint32_t p) { return p != kWhite; }),
            100);

  EXPECT_TRUE(drawn == DrawPathLabel(sharp.get())) << "宋体 is not drawn in the bitmap face";
  // What the program itself selects: the stock font, whose face the locale resolves to 宋体.
  EXPECT_TRUE(drawn == DrawPathLabel(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
  // The comparison tells the faces apart.
  EXPECT_FALSE(drawn == DrawPathLabel(outline.get()));
}
