// A slider's cache repainted from the stored skin as the pointer comes and goes: the transparent
// section over the parent's image, the channel, 21 ticks and the thumb, at the window's 118 x 21.
#include <benchmark/benchmark.h>

#include "skin/controls/track_bar_paint.h"
#include "skin/data/options_text.h"
#include "skin/data/skin_package.h"
#include "skin/data/skin_registry.h"
#include "skingen/package.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

void BM_ThumbHotNormalRepaint(benchmark::State& state) {
  test::FakePlatform platform;
  const TacSkinConvertor read = ReadSkinPackage(skingen::BuildStoredSkin().Package);
  const OptionsText options = OptionsText::Parse(read.Options.value_or(""));
  const auto skin = SkinRegistry::Load(options, {&read, "", &platform}, {}, platform);
  const int32_t index = skin->Indexes().TrackBars[1].SkinIndex;
  Image32 parent = test::Filled(118, 21, test::Bgra(0x20, 0x2A, 0x0E, 255));
  Image32 cache = MakeImage(118, 21);
  TrackBarGeometry g;
  g.Channel = {9, 8, 109, 12};
  g.Thumb = {31, 3, 38, 17};
  g.TickCount = 21;
  TrackBarLook look{index, 0, 0, ResolveTrackBarMasks(*skin, index)};
  for (auto _ : state) {
    look.State = look.ThumbState = 1 - look.State;
    PaintTrackBar(PixelRows(cache), *skin, look, g, ParentFromBitmap(PixelRows(parent), 0, 0));
    benchmark::DoNotOptimize(cache.Pixels.data());
  }
}
BENCHMARK(BM_ThumbHotNormalRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::skin
