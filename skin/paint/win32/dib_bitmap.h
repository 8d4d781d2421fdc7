#pragma once
#include <windows.h>

#include <cstdint>

#include "skin/paint/pixel_view.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

// A working bitmap backed by a top-down 32-bit device-independent section, selected into a
// memory device context of its own so that platform text and block copies reach the same rows
// the painting code writes.
class DibBitmap {
 public:
  DibBitmap() = default;
  // Empty when the platform cannot make it (too large, out of resources).
  static DibBitmap Make(int32_t width, int32_t height);
  DibBitmap(DibBitmap&& other) noexcept;
  DibBitmap& operator=(DibBitmap&& other) noexcept;
  ~DibBitmap();

  PixelView Pixels() const { return pixels_; }
  HDC Dc() const { return dc_.get(); }
  HBITMAP Handle() const { return bitmap_.get(); }

 private:
  void Release();

  ui::UniqueBitmap bitmap_;
  ui::UniqueHandle<HDC, DeleteDC> dc_;
  HGDIOBJ previous_ = nullptr;
  PixelView pixels_;
};

// Fills a rectangle of a device context that is not 32-bit with the resolved colour; the
// context's state is restored afterwards.
void PaintSolidGdi(HDC dc, const Rect& rect, uint32_t colour);

// Copies 32-bit pixels of memory to (x, y) of a device context, left-to-right layout whatever
// the context's.
void DrawPixels(HDC dc, int32_t x, int32_t y, const SourceView& pixels);

// Makes colour resolution answer with the platform's current system colours.
void UsePlatformSystemColours();

}  // namespace velmora::skin
