#pragma once
// Small images for painting tests: filled bitmaps and pixels spelled by channel.
#include <array>
#include <cstdint>

#include "skin/paint/pixel_view.h"
#include "tests/skin/package_builder.h"

namespace velmora::skin::test {

// A value no painter writes: pixels that still hold it were left alone.
constexpr uint32_t kUntouched = 0x12345678u;
// Opaque black ground under marks and numbered frames.
constexpr uint32_t kPaper = 0xFF000000u;

inline uint32_t Bgra(uint32_t b, uint32_t g, uint32_t r, uint32_t a) { return Pack(b, g, r, a); }

inline Image32 Filled(int32_t w, int32_t h, uint32_t pixel) { return MakeImage(w, h, pixel); }

}  // namespace velmora::skin::test

#include "skin/data/skin_registry.h"

namespace velmora::skin::test {

// A mask over the whole of its own image, owned by a registry of the tests.
inline TsMaskData MaskOver(const Image32& image, int16_t frames, int16_t layout,
                           std::array<int16_t, 4> widths, int16_t drawMode = 0) {
  static const SkinRegistry owner;
  TsMaskData m;
  m.Image = &image;
  m.Rect = {0, 0, image.Width, image.Height};
  m.FrameCount = frames;
  m.MaskLayout = layout;
  m.DrawMode = drawMode;
  m.LeftWidth = widths[0], m.TopWidth = widths[1], m.RightWidth = widths[2];
  m.BottomWidth = widths[3];
  m.FrameWidth = image.Width / frames;
  m.FrameHeight = image.Height / (layout + 1);
  m.Owner = &owner;
  return m;
}

}  // namespace velmora::skin::test
