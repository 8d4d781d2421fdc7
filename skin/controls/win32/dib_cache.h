#pragma once
#include "skin/controls/skin_owner.h"
#include "skin/paint/win32/dib_bitmap.h"

namespace velmora::skin {

// A cache image the platform's text and block copies can reach.
class DibCache : public CacheSurface {
 public:
  PixelView Pixels() const override { return bitmap_.Pixels(); }
  void Resize(int32_t width, int32_t height) override {
    bitmap_ = width > 0 && height > 0 ? DibBitmap::Make(width, height) : DibBitmap();
  }
  HDC Dc() const { return bitmap_.Dc(); }

 private:
  DibBitmap bitmap_;
};

}  // namespace velmora::skin
