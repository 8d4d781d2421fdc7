#include "skin/paint/win32/dib_bitmap.h"

#include <utility>

#include "skin/paint/colour.h"

namespace velmora::skin {

DibBitmap DibBitmap::Make(int32_t width, int32_t height) {
  DibBitmap made;
  if (width <= 0 || height <= 0) return made;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first, positive stride
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  made.bitmap_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  made.dc_.reset(CreateCompatibleDC(nullptr));
  if (!made.bitmap_ || !made.dc_ || !bits) return DibBitmap();
  made.previous_ = SelectObject(made.dc_.get(), made.bitmap_.get());
  made.pixels_ = {static_cast<uint32_t*>(bits), width, width, height};
  return made;
}

DibBitmap::DibBitmap(DibBitmap&& other) noexcept { *this = std::move(other); }

DibBitmap& DibBitmap::operator=(DibBitmap&& other) noexcept {
  if (this != &other) {
    Release();
    bitmap_ = std::move(other.bitmap_);
    dc_ = std::move(other.dc_);
    previous_ = std::exchange(other.previous_, nullptr);
    pixels_ = std::exchange(other.pixels_, {});
  }
  return *this;
}

DibBitmap::~DibBitmap() { Release(); }

// The section is selected out before the context and the bitmap go.
void DibBitmap::Release() {
  if (dc_ && previous_) SelectObject(dc_.get(), previous_);
  previous_ = nullptr;
  pixels_ = {};
  dc_.reset();
  bitmap_.reset();
}

void PaintSolidGdi(HDC dc, const Rect& rect, uint32_t colour) {
  const int saved = SaveDC(dc);
  const ui::UniqueHandle<HBRUSH, DeleteObject> brush(
      CreateSolidBrush(ResolveColour(colour) & 0x00FFFFFFu));
  if (brush) {
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    FillRect(dc, &r, brush.get());
  }
  RestoreDC(dc, saved);
}

void DrawPixels(HDC dc, int32_t x, int32_t y, const SourceView& pixels) {
  if (pixels.Empty() || pixels.Stride != pixels.Width) return;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), pixels.Width, -pixels.Height, 1, 32, BI_RGB};
  const DWORD layout = GetLayout(dc);
  if (layout & LAYOUT_RTL) SetLayout(dc, 0);
  SetDIBitsToDevice(dc, x, y, DWORD(pixels.Width), DWORD(pixels.Height), 0, 0, 0,
                    UINT(pixels.Height), pixels.Row0, &info, DIB_RGB_COLORS);
  if (layout & LAYOUT_RTL) SetLayout(dc, layout);
}

void UsePlatformSystemColours() {
  SetSystemColourSource([](int number) { return uint32_t(GetSysColor(number)); });
}

}  // namespace velmora::skin
