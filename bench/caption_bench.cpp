// A check box's caption laid into its 100 x 17 cache image: the pixel side of text (the
// platform's coverage is stood in for by a fixed glyph pattern, about a fifth of the pixels
// touched) with and without a glow of radius 3.
#include <benchmark/benchmark.h>

#include "skin/paint/text_coverage.h"
#include "skin/paint/text_glow.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

constexpr int32_t kWidth = 100, kHeight = 17;

// Strokes every fourth column and a bar through the middle rows, edges half covered.
Image32 Coverage() {
  return test::Picture(kWidth, kHeight, [](int32_t x, int32_t y) -> uint32_t {
    if (y < 3 || y > 13 || x < 18 || x > 82) return 0x00FFFFFFu;
    if (x % 4 == 0 || y == 8) return 0;
    return x % 4 == 1 ? 0x00808080u : 0x00FFFFFFu;
  });
}

void BM_CaptionCoverage(benchmark::State& state) {
  const Image32 coverage = Coverage();
  Image32 cache = NewWorkBitmap(kWidth, kHeight);
  for (auto _ : state) {
    BlendTextCoverage(PixelRows(cache), {0, 0, kWidth, kHeight}, PixelRows(coverage), 0x2D5D3A,
                      false);
    benchmark::DoNotOptimize(cache.Pixels.data());
  }
}
BENCHMARK(BM_CaptionCoverage)->Unit(benchmark::kMicrosecond);

// A glow made afresh each time (a new caption) and one served from the holder.
void Glow(benchmark::State& state, bool fresh) {
  const Image32 coverage = Coverage();
  const Rect area = GlowMaskRect({0, 0, kWidth, kHeight}, 3);
  Gray8 text{area.Width(), area.Height(),
             std::vector<uint8_t>(size_t(area.Width() * area.Height()), 255)};
  for (int32_t y = 0; y < kHeight; ++y)
    for (int32_t x = 0; x < kWidth; ++x)
      if (coverage.At(x, y) == 0) text.At(x + GlowMargin(3), y + GlowMargin(3)) = 0;
  Gray8 mask = text;
  SpreadAndBlur(mask, kGlowAll, 3);
  Image32 cache = NewWorkBitmap(kWidth, kHeight);
  for (auto _ : state) {
    if (fresh) {
      mask = text;
      SpreadAndBlur(mask, kGlowAll, 3);
    }
    ComposeGlow(PixelRows(cache), mask, area.Left, area.Top, 0xFFFFFF, {0, 0, kWidth, kHeight});
    benchmark::DoNotOptimize(cache.Pixels.data());
  }
}
void BM_CaptionGlowFresh(benchmark::State& state) { Glow(state, true); }
void BM_CaptionGlowHeld(benchmark::State& state) { Glow(state, false); }
BENCHMARK(BM_CaptionGlowFresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CaptionGlowHeld)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::skin
