// The main window's painting against its floor, a plain copy of the same pixels: the whole
// background (the FORM section with texture, gradient and borders over 764 x 537, then the
// 800 x 600 photograph blended at 93 over it) and one slider (its section, channel and thumb over
// 118 x 19).
#include <benchmark/benchmark.h>

#include <cstring>

#include "skin/paint/borders_mask.h"
#include "skin/paint/draw_with_alpha.h"
#include "skin/paint/glyph.h"
#include "skin/paint/section_paint.h"
#include "tests/skin/paint/loaded_skin.h"

namespace velmora::skin {
namespace {

constexpr int32_t kWindowWidth = 764, kWindowHeight = 537;
constexpr int32_t kSliderWidth = 118, kSliderHeight = 19;

// A master image with a 160 x 120 wood-grain tile, a 12 x 12 window border, a slider channel and
// three 17 x 18 thumbs over their mask layer.
Image32 Master() {
  return test::Picture(256, 160, [](int32_t x, int32_t y) -> uint32_t {
    if (x < 160 && y < 120) return 0xFF000000u | uint32_t(0x0E + (x * 7 + y) % 9) << 16 | 0x2A00u | 0x20u;
    if (x >= 160 && x < 172 && y < 12) return (x == 160 && y == 0) ? 0x00FF00FFu : 0xFF1F4A38u;
    if (x >= 172 && x < 181 && y < 15) return 0xFF07170Fu;  // channel, three frames of 3 x 5
    if (x < 51 && y >= 120 && y < 138) return 0xFF5FC68Eu;  // thumbs
    if (x < 51 && y >= 138 && y < 156) return (x % 17 < 2 || x % 17 > 14) ? 0xFFFFFFFFu : 0xFF000000u;
    return 0xFF102030u;
  });
}

const char* kSections =
    "[FORM]\r\nCOLOR=2764302\r\nIMAGEPERCENT=70\r\nGRADIENTPERCENT=30\r\n"
    "PATTERN=~0000~0000~0160~0120~00\r\n"
    "GRADIENTDATA=1319434;2502162;50;0;0;2502162;1319434;50;0;0;1319434;1319434;0;0;0\r\n"
    "BORDERSMASK=^0160^0000^0172^0012^0004^0004^0004^0004^1^0^0^0\r\n"
    "[TRACKBAR]\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
    "SLIDERCHANNEL=^0172^0000^0181^0005^0001^0002^0001^0002^3^0^4^0\r\n"
    "SLIDERMASK=@0000@0120@0051@0156@3@1\r\n";

struct Window {
  test::LoadedSkin skin{kSections, Master()};
  Image32 background = NewWorkBitmap(kWindowWidth, kWindowHeight);
  Image32 photograph = test::Picture(800, 600, [](int32_t x, int32_t y) {
    return 0xFF000000u | uint32_t((x * 13 + y * 7) & 0xFF) << 8 | uint32_t((x ^ y) & 0x3F);
  });
  Image32 slider = NewWorkBitmap(kSliderWidth, kSliderHeight);

  void PaintBackground() {
    const PaintTarget form{PixelRows(background), {0, 0, kWindowWidth, kWindowHeight}, 0, {}, 0, 0};
    PaintSection(form, skin.registry.get(), skin.Index("FORM"));
    AlphaDrawing blend;
    blend.Transparency = 93;
    DrawWithAlpha(PixelRows(background), {0, 0, kWindowWidth, kWindowHeight}, PixelRows(photograph),
                  {0, 0, 800, 600}, blend, ParentFromBitmap(PixelRows(background), 0, 0));
  }

  void PaintSlider() {
    const SkinRegistry& r = *skin.registry;
    const TacParentBg behind = ParentFromBitmap(PixelRows(background), 120, 200);
    PaintSection({PixelRows(slider), {0, 0, kSliderWidth, kSliderHeight}, 1, behind, 0, 0}, &r,
                 skin.Index("TRACKBAR"));
    const TsMaskData& channel = r.Masks()[size_t(r.GetMaskIndexByName("TRACKBAR", "SLIDERCHANNEL"))];
    DrawBordersMask(PixelRows(slider), {8, 7, kSliderWidth - 8, 12}, behind, true, 1, channel);
    const TsMaskData& thumb = r.Masks()[size_t(r.GetMaskIndexByName("TRACKBAR", "SLIDERMASK"))];
    DrawGlyph(PixelRows(slider), 50, 0, 1, ParentFromBitmap(PixelRows(slider), 0, 0), thumb, kGlyphNormal);
  }
};

void Floor(benchmark::State& state, int32_t width, int32_t height) {
  const Image32 from = NewWorkBitmap(width, height);
  Image32 to = NewWorkBitmap(width, height);
  for (auto _ : state) {
    std::memcpy(to.Pixels.data(), from.Pixels.data(), from.Pixels.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(to.Pixels.data());
    benchmark::ClobberMemory();
  }
}

void BM_WindowBackground(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    window.PaintBackground();
    benchmark::DoNotOptimize(window.background.Pixels.data());
  }
}
BENCHMARK(BM_WindowBackground)->Unit(benchmark::kMicrosecond);

void BM_WindowBackgroundMemcpyFloor(benchmark::State& state) { Floor(state, kWindowWidth, kWindowHeight); }
BENCHMARK(BM_WindowBackgroundMemcpyFloor)->Unit(benchmark::kMicrosecond);

void BM_Slider(benchmark::State& state) {
  Window window;
  window.PaintBackground();
  for (auto _ : state) {
    window.PaintSlider();
    benchmark::DoNotOptimize(window.slider.Pixels.data());
  }
}
BENCHMARK(BM_Slider)->Unit(benchmark::kMicrosecond);

void BM_SliderMemcpyFloor(benchmark::State& state) { Floor(state, kSliderWidth, kSliderHeight); }
BENCHMARK(BM_SliderMemcpyFloor)->Unit(benchmark::kMicrosecond);

// The background's two parts, to see where its time goes.
void BM_FormSectionAlone(benchmark::State& state) {
  Window window;
  const PaintTarget form{PixelRows(window.background), {0, 0, kWindowWidth, kWindowHeight}, 0, {}, 0, 0};
  for (auto _ : state) PaintSection(form, window.skin.registry.get(), window.skin.Index("FORM"));
}
BENCHMARK(BM_FormSectionAlone)->Unit(benchmark::kMicrosecond);

void BM_PhotographBlendAlone(benchmark::State& state) {
  Window window;
  AlphaDrawing blend;
  blend.Transparency = 93;
  for (auto _ : state)
    DrawWithAlpha(PixelRows(window.background), {0, 0, kWindowWidth, kWindowHeight},
                  PixelRows(window.photograph), {0, 0, 800, 600}, blend,
                  ParentFromBitmap(PixelRows(window.background), 0, 0));
}
BENCHMARK(BM_PhotographBlendAlone)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::skin
