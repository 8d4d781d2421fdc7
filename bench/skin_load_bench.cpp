// A skin change from bytes in memory: read and inflate the package, parse the options text and
// register the skin (images decoded, masks and sections resolved), with a large sample package
// and with the program's own stored skin (its share of start-up; one core, the aim is under
// 10 ms).
#include <benchmark/benchmark.h>

#include "app/main_window_definition.h"
#include "skin/data/skin_registry.h"
#include "skin/manager/skin_manager.h"
#include "skingen/package.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/manager_fakes.h"
#include "tests/skin/sample_skin.h"

namespace velmora::skin {
namespace {

void LoadFromMemory(benchmark::State& state, const test::Bytes& package) {
  test::FakePlatform platform;
  for (auto _ : state) {
    const TacSkinConvertor read = ReadSkinPackage(package);
    const OptionsText options = OptionsText::Parse(*read.Options);
    auto registry = SkinRegistry::Load(options, {&read, "", &platform}, {}, platform);
    benchmark::DoNotOptimize(registry.get());
  }
  state.SetLabel(std::to_string(package.size()) + " byte package");
}

void BM_LoadSkinFromMemory(benchmark::State& state) {
  LoadFromMemory(state, test::SamplePackage());
}
BENCHMARK(BM_LoadSkinFromMemory)->Unit(benchmark::kMillisecond);

void BM_LoadStoredSkin(benchmark::State& state) {
  LoadFromMemory(state, skingen::BuildStoredSkin().Package);
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

// The skin's share of start-up: the manager reads the window definition's stored skin, decodes
// it and broadcasts it to a form of fifty controls.
void BM_StartSkinManager(benchmark::State& state) {
  const skingen::Bytes package = skingen::BuildStoredSkin().Package;
  const SkinManagerDefinition definition = app::MainWindowSkinManager(package);
  std::vector<test::Delivered> log;
  test::RecordingReceiver form("Form_player", log);
  for (int i = 0; i < 50; ++i) form.Add("control");
  for (auto _ : state) {
    test::FakeManagerHost host;
    host.directory.forms = {&form};
    ui::ComponentOwner owner;
    TsSkinManager manager(owner, "sknmngr1", host);
    manager.ReadDefinition(definition);
    benchmark::DoNotOptimize(manager.Registry());
    log.clear();
  }
}
BENCHMARK(BM_StartSkinManager)->Unit(benchmark::kMillisecond);

void BM_ParseOptionsText(benchmark::State& state) {
  const std::string text = test::SampleOptionsText();
  for (auto _ : state) benchmark::DoNotOptimize(OptionsText::Parse(text));
}
BENCHMARK(BM_ParseOptionsText)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora::skin
