// A check box's cache rebuilt from scratch: the parent's background, the section, the check mark
// and a caption laid from a fixed coverage (the platform's text stands apart; its cost is measured
// on the desktop).
#include <benchmark/benchmark.h>

#include "bench/check_box_sections.h"
#include "skin/controls/cache_image.h"
#include "skin/paint/text_coverage.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"

namespace velmora::skin {
namespace {

using bench::kCheckHeight;
using bench::kCheckWidth;

Image32 Coverage() {
  return test::Picture(kCheckWidth - 20, kCheckHeight, [](int32_t x, int32_t y) -> uint32_t {
    if (y < 3 || y > 13 || x > 62) return 0x00FFFFFFu;
    return x % 4 == 0 || y == 8 ? 0 : 0x00FFFFFFu;
  });
}

void BM_CheckBoxCacheRebuild(benchmark::State& state) {
  test::LoadedSkin skin{bench::kCheckBoxSections,
                        bench::CheckBoxMaster()};
  test::FakeManager manager{skin.registry.get()};
  test::Owned form{manager, true};
  form.owner.facts.Bounds = {0, 0, 300, 200};
  form.data.Initialize(false);
  form.data.SetSkinSection("FORM");
  CacheLayers formLayers;
  form.owner.prepareCache = [&] { RebuildCache(form.data, formLayers); };
  RebuildCache(form.data, formLayers);

  test::Owned check{manager, true};
  check.owner.facts.Bounds = {20, 40, 20 + kCheckWidth, 40 + kCheckHeight};
  check.owner.parentData = &form.data;
  check.data.ControlKind = 32;
  check.data.Initialize(false);
  check.data.SetSkinSection("CHECKBOX");
  const Image32 coverage = Coverage();
  const CacheLayers layers{
      .GlyphMask = skin.registry->GlobalMask("BOXCHECKED"), .GlyphX = 0, .GlyphY = 0,
      .Caption = [&](CacheSurface& cache, int32_t) {
        BlendTextCoverage(cache.Pixels(), {20, 0, kCheckWidth, kCheckHeight}, PixelRows(coverage),
                          0xE0E0E0, false);
      }};
  if (layers.GlyphMask < 0 || !RebuildCache(check.data, layers)) {
    state.SkipWithError("the check box cannot be painted");
    return;
  }
  for (auto _ : state) {
    check.data.CacheStale = true;
    RebuildCache(check.data, layers);
    benchmark::DoNotOptimize(check.data.Cache()->Pixels().Row0);
  }
}
BENCHMARK(BM_CheckBoxCacheRebuild)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::skin
