#include "skin/animation/win32/screen_image.h"

#include <algorithm>

#include "skin/paint/colour.h"
#include "skin/paint/fill.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

Image32 ScreenImage(const RECT& area) {
  const int32_t width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return {};
  const DibBitmap bitmap = DibBitmap::Make(width, height);
  const PixelView pixels = bitmap.Pixels();
  if (pixels.Empty()) return {};
  {
    const ui::WindowDc screen(nullptr);
    if (!BitBlt(bitmap.Dc(), 0, 0, width, height, screen.Get(), area.left, area.top, SRCCOPY))
      return {};
    GdiFlush();
  }
  StampAlpha(pixels, pixels.Bounds(), 255, kNoColour);
  Image32 image = MakeImage(width, height);
  for (int32_t y = 0; y < height; ++y)
    std::copy_n(pixels.Row(y), width, image.Pixels.begin() + ptrdiff_t(y) * width);
  return image;
}

}  // namespace velmora::skin
