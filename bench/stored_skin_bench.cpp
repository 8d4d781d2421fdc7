// The skin's share of start-up, from the stored skin's bytes: read and inflate the package, parse
// the options text, decode the master image and the ground texture, register masks and sections.
// One core; the aim is under 10 ms.
#include <benchmark/benchmark.h>

#include "skin/data/skin_registry.h"
#include "skingen/package.h"
#include "tests/skin/fake_platform.h"

namespace velmora::skin {
namespace {

void BM_LoadStoredSkin(benchmark::State& state) {
  const std::vector<uint8_t> package = skingen::BuildStoredSkin().Package;
  test::FakePlatform platform;
  for (auto _ : state) {
    const TacSkinConvertor read = ReadSkinPackage(package);
    const OptionsText options = OptionsText::Parse(*read.Options);
    auto registry = SkinRegistry::Load(options, {&read, "", &platform}, {}, platform);
    benchmark::DoNotOptimize(registry.get());
  }
  state.SetLabel(std::to_string(package.size()) + " byte package");
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::skin
