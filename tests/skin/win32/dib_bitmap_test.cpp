#include "skin/paint/win32/dib_bitmap.h"

#include <gtest/gtest.h>

#include "skin/paint/colour.h"
#include "skin/paint/fill.h"

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
