#include "skin/paint/win32/dib_bitmap.h"

#include <gtest/gtest.h>

#include "skin/paint/colour.h"
#include "skin/paint/fill.h"
#include "skin/paint/win32/section_dc.h"
#include "tests/skin/paint/loaded_skin.h"

namespace velmora::skin {
namespace {

// The painting code's rows and the platform's device context reach the same pixels.
TEST(DibBitmap, RowsAndDeviceContextShareThePixels) {
  DibBitmap bitmap = DibBitmap::Make(4, 3);
  const PixelView rows = bitmap.Pixels();
  ASSERT_FALSE(rows.Empty());
  EXPECT_EQ(rows.Stride, 4);
  PaintSolid32(rows, {1, 1, 3, 2}, 0x00112233u, 255);
  EXPECT_EQ(GetPixel(bitmap.Dc(), 2, 1), COLORREF(0x00112233u));
  SetPixel(bitmap.Dc(), 0, 2, RGB(0x10, 0x20, 0x30));
  GdiFlush();
  EXPECT_EQ(rows.At(0, 2) & 0x00FFFFFFu, 0x00102030u);
}

TEST(DibBitmap, MovesAndEmptySizes) {
  DibBitmap first = DibBitmap::Make(2, 2);
  DibBitmap second = std::move(first);
  EXPECT_TRUE(first.Pixels().Empty());
  EXPECT_FALSE(second.Pixels().Empty());
  EXPECT_TRUE(DibBitmap::Make(0, 5).Pixels().Empty());
}

TEST(PaintSolidGdi, FillsWithTheResolvedColourAndRestoresTheContext) {
  DibBitmap bitmap = DibBitmap::Make(3, 3);
  UsePlatformSystemColours();
  const HGDIOBJ brushBefore = GetCurrentObject(bitmap.Dc(), OBJ_BRUSH);
  PaintSolidGdi(bitmap.Dc(), {0, 0, 2, 2}, 0xFF00000Fu);
  GdiFlush();
  EXPECT_EQ(bitmap.Pixels().At(1, 1) & 0x00FFFFFFu, Swap(GetSysColor(COLOR_BTNFACE)) & 0x00FFFFFFu);
  EXPECT_EQ(bitmap.Pixels().At(2, 2), 0u);
  EXPECT_EQ(GetCurrentObject(bitmap.Dc(), OBJ_BRUSH), brushBefore);
  SetSystemColourSource(nullptr);
}

}  // namespace
}  // namespace velmora::skin

namespace velmora::skin {
namespace {

Image32 PlainMaster() { return MakeImage(4, 4, 0xFF000000u); }

TEST(PaintSectionOverDC, AClearSectionShowsWhatTheContextShows) {
  test::LoadedSkin skin("[CLEAR]\r\nTRANSPARENCY=100\r\n[RED]\r\nCOLOR=255\r\n", PlainMaster());
  DibBitmap screen = DibBitmap::Make(8, 8);
  PaintSolid32(screen.Pixels(), {0, 0, 8, 8}, 0x00204060u, 255);
  DibBitmap bitmap = DibBitmap::Make(3, 3);
  PaintSectionOverDC(bitmap, 0, skin.registry.get(), skin.Index("CLEAR"), -1, screen.Dc(),
                     {2, 2, 5, 5}, 0);
  EXPECT_EQ(bitmap.Pixels().At(1, 1) & 0x00FFFFFFu, 0x00604020u);
  PaintSectionOverDC(bitmap, 0, skin.registry.get(), -1, skin.Index("RED"), nullptr, {}, 0);
  EXPECT_EQ(bitmap.Pixels().At(1, 1), 0xFFFF0000u);
}

TEST(PaintSectionToDC, CopiesThePaintedSectionToTheContext) {
  test::LoadedSkin skin("[RED]\r\nCOLOR=255\r\n", PlainMaster());
  DibBitmap screen = DibBitmap::Make(8, 8);
  PaintSectionToDC(screen.Dc(), {2, 2, 5, 5}, 0, TacParentBg{}, 0, 0, skin.registry.get(),
                   skin.Index("RED"));
  GdiFlush();
  EXPECT_EQ(screen.Pixels().At(4, 4) & 0x00FFFFFFu, 0x00FF0000u);
  EXPECT_EQ(screen.Pixels().At(5, 5), 0u);
}

}  // namespace
}  // namespace velmora::skin
