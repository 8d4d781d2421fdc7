// How fast the sound generator renders: seconds of sound per second of work, per subject, and the
// levelling every sound goes through. The program's whole run (rendering and encoding every
// sound on all cores) is timed by running it: build/cross/host-tools/bin/velmora-soundgen DIR.
#include <benchmark/benchmark.h>

#include <stdexcept>

#include "soundgen/catalogue.h"
#include "soundgen/synth/levels.h"

namespace soundgen {
namespace {

const Recipe& recipe(const std::string& name) {
  for (const Recipe& r : catalogue())
    if (r.name == name) return r;
  throw std::invalid_argument(name);
}

void BM_Render(benchmark::State& state, const std::string& name) {
  const Recipe& r = recipe(name);
  double seconds = 0;
  for (auto _ : state) {
    const Sound s = r.render();
    seconds += s.seconds();
    benchmark::DoNotOptimize(s.left.data());
  }
  state.counters["realtime_x"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
}

void BM_SetLoudness(benchmark::State& state) {
  const Sound source = recipe("koster1").render();
  double seconds = 0;
  for (auto _ : state) {
    Sound s = source;
    set_loudness(s, Shape::Loop, -22, 0.79f);
    seconds += s.seconds();
  }
  state.counters["realtime_x"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(BM_Render, brook, std::string("ruchey1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, campfire, std::string("koster2"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, wind, std::string("veter2"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, crickets, std::string("sverch2"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, swamp, std::string("bol2"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, drum, std::string("buben4"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, rain, std::string("dogd"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Render, wolves, std::string("ptic9"))->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SetLoudness)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace soundgen
