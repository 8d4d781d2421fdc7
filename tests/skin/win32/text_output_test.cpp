// Text through the platform's fonts, read back pixel by pixel.
#include "skin/paint/win32/text_output.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "skin/paint/fill.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "tests/skin/paint/loaded_skin.h"

namespace velmora::skin {
namespace {

constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
constexpr uint32_t kBehind = 0x00204060u;  // a cache pixel nothing has made opaque yet
constexpr uint32_t kRed = 0x000000FFu;     // colour value: red 255

ui::UniqueFont MakeFont(const wchar_t* face, int height, int weight = FW_NORMAL) {
  return ui::UniqueFont(CreateFontW(-height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    ANTIALIASED_QUALITY, 0, face));
}

// The platform's own black-on-white drawing of the text, made here without the code under test.
Image32 PlatformCoverage(HFONT font, const std::wstring& text, int32_t w, int32_t h, UINT format) {
  DibBitmap paper = DibBitmap::Make(w, h);
  PaintSolid32(paper.Pixels(), paper.Pixels().Bounds(), 0xFFFFFF, 0);
  const HGDIOBJ before = SelectObject(paper.Dc(), font);
  SetBkMode(paper.Dc(), TRANSPARENT);
  SetTextColor(paper.Dc(), 0);
  RECT r{0, 0, w, h};
  DrawTextW(paper.Dc(), text.c_str(), int(text.size()), &r, format);
  GdiFlush();
  SelectObject(paper.Dc(), before);
  Image32 copy = MakeImage(w, h);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) copy.At(x, y) = paper.Pixels().At(x, y);
  return copy;
}

Image32 Drawn(HFONT font, const std::wstring& text, int32_t w, int32_t h, UINT format) {
  Image32 image = MakeImage(w, h, kBehind);
  DrawText32({PixelRows(image), nullptr, font}, text, false, kRed, format, {0, 0, w, h});
  return image;
}

// Every pixel the platform's text touched becomes the text colour weighed by its coverage,
// channel by channel, and opaque; the others keep the cache's pixel, alpha 0 included.
TEST(DrawText32, GlyphPixelsAreOpaqueAndWeighedByTheirCoverage) {
  const ui::UniqueFont font = MakeFont(L"Tahoma", 13);
  const std::wstring caption = L"Ручей Wg";
  const Image32 coverage = PlatformCoverage(font.get(), caption, 80, 17, kFormat);
  const Image32 image = Drawn(font.get(), caption, 80, 17, kFormat);
  int opaque = 0;
  for (int32_t y = 0; y < 17; ++y)
    for (int32_t x = 0; x < 80; ++x) {
      const uint32_t t = coverage.At(x, y), d = image.At(x, y);
      if ((t & 0x00FFFFFFu) == 0x00FFFFFFu) {
        EXPECT_EQ(d, kBehind) << x << "," << y;
        continue;
      }
      ++opaque;
      // Red 255 over red 0x20, green and blue 0 over 0x40 and 0x60.
      const uint32_t red = (0x20 * (t >> 16 & 0xFF) + 255 * (256 - (t >> 16 & 0xFF))) >> 8;
      const uint32_t green = (0x40 * (t >> 8 & 0xFF)) >> 8, blue = (0x60 * (t & 0xFF)) >> 8;
      EXPECT_EQ(d, 0xFF000000u | red << 16 | green << 8 | blue) << x << "," << y;
    }
  EXPECT_GT(opaque, 40);
}

// Any 32-bit pixels take text: a plain image and a section's own rows give the same result.
TEST(DrawText32, AnImageAndASectionReceiveTheSamePixels) {
  const ui::UniqueFont font = MakeFont(L"Tahoma", 13);
  const Image32 image = Drawn(font.get(), L"Ручей", 60, 17, kFormat);
  DibBitmap section = DibBitmap::Make(60, 17);
  PaintSolid32(section.Pixels(), section.Pixels().Bounds(), Swap(kBehind), 0);
  SelectObject(section.Dc(), font.get());
  DrawText32({section.Pixels(), section.Dc()}, L"Ручей", false, kRed, kFormat, {0, 0, 60, 17});
  SelectObject(section.Dc(), GetStockObject(SYSTEM_FONT));
  for (int32_t y = 0; y < 17; ++y)
    for (int32_t x = 0; x < 60; ++x)
      ASSERT_EQ(section.Pixels().At(x, y), image.At(x, y)) << x << "," << y;
}

// Right-aligned lines end where the text ends. Five lines of 999 dots, then a sixth of 460
// dots reach exactly 5460 characters; what follows is never drawn. (Lines stay short: the
// platform's own formatted output may limit the length of one line.)
TEST(DrawText32, TextIsCutAfter5460Characters) {
  const ui::UniqueFont font = MakeFont(L"Tahoma", 13);
  const UINT right = DT_RIGHT | DT_NOPREFIX;
  std::wstring text;
  for (int line = 0; line < 5; ++line) text += std::wstring(999, L'.') + L"\n";
  text += std::wstring(460, L'.');
  ASSERT_EQ(text.size(), 5460u);
  const Image32 cut = Drawn(font.get(), text, 60, 120, right);
  EXPECT_EQ(Drawn(font.get(), text + L"WWW", 60, 120, right).Pixels, cut.Pixels);
  const std::wstring shown = text.substr(0, 5457) + L"WWW";
  EXPECT_NE(Drawn(font.get(), shown, 60, 120, right).Pixels, cut.Pixels);
}

int32_t CountNot(const Image32& image, uint32_t pixel) {
  int32_t n = 0;
  for (uint32_t p : image.Pixels) n += p != pixel;
  return n;
}

// A halo reaches beyond the glyphs; a holder filled for one font never serves another.
TEST(DrawTextGlow, TheHolderDrawsAgainForAnotherFontOfTheSameSize) {
  const ui::UniqueFont narrow = MakeFont(L"Tahoma", 13), bold = MakeFont(L"Tahoma", 13, FW_BOLD);
  auto glow = [](HFONT font, TextGlowHolder& holder) {
    Image32 image = MakeImage(60, 30, kBehind);
    DrawTextGlow({PixelRows(image), nullptr, font}, L"Glow", {10, 5, 50, 25}, holder, kRed, 3,
                 kGlowAll, kFormat, {0, 0, 60, 30});
    return image;
  };
  TextGlowHolder holder;
  const Image32 first = glow(narrow.get(), holder);
  EXPECT_GT(CountNot(first, kBehind), 100);
  EXPECT_EQ(first.At(0, 0), kBehind);
  TextGlowHolder fresh;
  EXPECT_EQ(glow(bold.get(), holder).Pixels, glow(bold.get(), fresh).Pixels);
  EXPECT_NE(glow(bold.get(), fresh).Pixels, first.Pixels);
}

// Without pixels the text goes to the device context: disabled and unskinned it is engraved in
// the button highlight and shadow colours, and the context keeps its font and colours.
TEST(DrawControlText, OnADeviceContextEngravesDisabledTextAndRestoresTheContext) {
  UsePlatformSystemColours();
  const ui::UniqueFont font = MakeFont(L"Tahoma", 13, FW_BOLD);
  DibBitmap screen = DibBitmap::Make(60, 17);
  PaintSolid32(screen.Pixels(), screen.Pixels().Bounds(), 0x123456, 255);
  SelectObject(screen.Dc(), font.get());
  SetTextColor(screen.Dc(), RGB(1, 2, 3));
  DrawControlText({{}, screen.Dc()}, L"Ручей", false, 0, ControlTextSource{}, kFormat,
                  {0, 0, 60, 17});
  GdiFlush();
  const uint32_t highlight = Swap(GetSysColor(COLOR_BTNHIGHLIGHT)) & 0xFFFFFFu;
  const uint32_t shadow = Swap(GetSysColor(COLOR_BTNSHADOW)) & 0xFFFFFFu;
  int lit = 0, shaded = 0;
  for (uint32_t p :
       std::vector<uint32_t>(screen.Pixels().Row(0), screen.Pixels().Row(0) + 60 * 17)) {
    lit += (p & 0xFFFFFFu) == highlight;
    shaded += (p & 0xFFFFFFu) == shadow;
  }
  EXPECT_GT(lit, 5);
  EXPECT_GT(shaded, 20);
  EXPECT_EQ(GetCurrentObject(screen.Dc(), OBJ_FONT), font.get());
  EXPECT_EQ(GetTextColor(screen.Dc()), RGB(1, 2, 3));
  SelectObject(screen.Dc(), GetStockObject(SYSTEM_FONT));
  SetSystemColourSource(nullptr);
}

// A section's contour is drawn one pixel off before the font colour: with a left contour in
// green, a column of green appears left of the text that plain text does not have.
TEST(DrawSectionText32, DrawsTheContourBeforeTheText) {
  test::LoadedSkin skin("[OUTLINED]\r\nFONTCOLOR=255\r\nTCLEFT=65280\r\n",
                        MakeImage(4, 4, 0xFF000000u));
  const ui::UniqueFont font = MakeFont(L"Tahoma", 13, FW_BOLD);
  Image32 image = MakeImage(60, 17, kBehind);
  DrawSectionText32({PixelRows(image), nullptr, font.get()}, L"Ll", true, skin.registry.get(), 0,
                    skin.Index("OUTLINED"), kFormat, {2, 0, 60, 17});
  // Leftmost columns where green and where red dominate.
  int32_t green = 60, red = 60;
  for (int32_t y = 0; y < 17; ++y)
    for (int32_t x = 0; x < 60; ++x) {
      const uint32_t p = image.At(x, y), r = p >> 16 & 0xFF, g = p >> 8 & 0xFF;
      if (g > 64 && g > 2 * r) green = std::min(green, x);
      if (r > 64 && r > 2 * g) red = std::min(red, x);
    }
  EXPECT_LT(red, 60);
  EXPECT_LT(green, red);
}

// A skinned caption lays its section's glow under the text, into the same pixels; a web button
// above state 0 is underlined, which reaches columns between the letters.
TEST(DrawControlText, IntoPixelsLaysTheGlowAndUnderlinesWebButtons) {
  test::LoadedSkin skin(
      "[GLOWING]\r\nFONTCOLOR=0\r\nGSIZE=3\r\nGCOL=65280\r\n"
      "[WEBBUTTON]\r\nFONTCOLOR=0\r\nHOTFONTCOLOR=0\r\n",
      MakeImage(4, 4, 0xFF000000u));
  const ui::UniqueFont font = MakeFont(L"Tahoma", 13);
  ControlTextSource control;
  control.Skin = skin.registry.get();
  control.SkinIndex = skin.Index("GLOWING");
  Image32 glowing = MakeImage(60, 24, kBehind);
  DrawControlText({PixelRows(glowing), nullptr, font.get()}, L"i i", true, 0, control, kFormat,
                  {10, 2, 50, 22});
  // Left of the first letter lies only the green halo.
  EXPECT_GT(glowing.At(10, 12) >> 8 & 0xFF, 0x40u);
  EXPECT_EQ(glowing.At(0, 0), kBehind);

  control.SkinIndex = skin.Index("WEBBUTTON");
  auto blackPixels = [&](int32_t state) {
    Image32 image = MakeImage(60, 24, kBehind);
    DrawControlText({PixelRows(image), nullptr, font.get()}, L"i i", true, state, control, kFormat,
                    {10, 2, 50, 22});
    return CountNot(image, kBehind);
  };
  EXPECT_GT(blackPixels(1), blackPixels(0) + 5);
}

}  // namespace
}  // namespace velmora::skin
