// The full scene the program plays, mixed offline on one core: six looping layers (two of them
// through tempo streams at +50 %), a rain and a thunder loop, and two play-once sounds started
// again whenever they end. Sources are Ogg Vorbis at 44.1 kHz stereo: with 20 s loops the engine
// decodes them ahead into memory, with 60 s loops it decodes them as they play.
//   build/native/bench/audio_scene_bench   (one variant: --benchmark_filter=20s or 60s)
// Counters: realtime = seconds of audio mixed per second of CPU; rss_mb = resident memory of the
// process with the scene loaded and playing. streamCreation: what making one layer's stream costs
// the calling (user-interface) thread, decoding ahead included.
#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <random>
#include <string>

#include "audio/bass_api.h"
#include "audio/core/tempo_source.h"
#include "tests/audio/support/offline_engine.h"

namespace velmora::audio {
namespace {

using testing::OfflineEngine;
using testing::Signal;

constexpr double kOneShotSeconds = 3.0;

// Brown-ish noise with a slow swell: closer to brooks and wind than a tone, and as costly to
// decode as real ambience.
Signal ambience(double seconds, unsigned seed) {
  Signal s{44100, 2, {}};
  std::mt19937 random(seed);
  std::normal_distribution<float> white(0.0f, 1.0f);
  float left = 0, right = 0;
  const auto frames = static_cast<size_t>(seconds * s.rate);
  for (size_t i = 0; i < frames; ++i) {
    left = left * 0.98f + white(random) * 0.02f;
    right = right * 0.98f + white(random) * 0.02f;
    const auto swell = static_cast<float>(0.6 + 0.4 * std::sin(static_cast<double>(i) / s.rate));
    s.samples.push_back(left * swell * 2.0f);
    s.samples.push_back(right * swell * 2.0f);
  }
  return s;
}

double residentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

std::unique_ptr<Source> makeTempo(std::unique_ptr<Source> input, uint32_t rate) {
  return std::make_unique<TempoSource>(std::move(input), rate);
}

std::vector<uint8_t> vorbis(double seconds, unsigned seed) {
  return testing::encodeVorbis(ambience(seconds, seed), 0.3f);
}

struct Scene {
  std::vector<std::vector<uint8_t>> loops, oneShots;
  std::vector<uint32_t> oneShotHandles;

  explicit Scene(double loopSeconds) {
    for (unsigned i = 0; i < 8; ++i) loops.push_back(vorbis(loopSeconds, i));
    for (unsigned i = 0; i < 2; ++i) oneShots.push_back(vorbis(kOneShotSeconds, 100 + i));
  }

  void start(OfflineEngine& engine) {
    for (size_t i = 0; i < loops.size(); ++i) {
      uint32_t h;
      if (i < 2) {
        h = engine->wrapStream(engine.stream(loops[i], BASS_STREAM_DECODE),
                               BASS_FX_FREESOURCE | BASS_STREAM_LOOP, makeTempo);
        engine->setAttribute(h, BASS_ATTRIB_TEMPO, 50.0f);
        engine->setAttribute(h, BASS_ATTRIB_PAN, i ? 0.3f : -0.3f);
      } else {
        h = engine.stream(loops[i], BASS_STREAM_LOOP);
      }
      engine->setAttribute(h, BASS_ATTRIB_VOL, 0.5f);
      engine->play(h, false);
    }
    for (const auto& file : oneShots) oneShotHandles.push_back(playOnce(engine, file));
  }

  static uint32_t playOnce(OfflineEngine& engine, const std::vector<uint8_t>& file) {
    const uint32_t h = engine.stream(file, 0);
    engine->play(h, false);
    return h;
  }

  // The program's occasional sounds: a new stream for each, the old one freed.
  void restartEnded(OfflineEngine& engine) {
    for (size_t i = 0; i < oneShotHandles.size(); ++i) {
      if (engine->isActive(oneShotHandles[i])) continue;
      engine->freeStream(oneShotHandles[i]);
      oneShotHandles[i] = playOnce(engine, oneShots[i]);
    }
  }
};

void fullScene(benchmark::State& state, double loopSeconds) {
  Scene scene(loopSeconds);
  OfflineEngine engine;
  scene.start(engine);
  double audioSeconds = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.render(1.0));
    scene.restartEnded(engine);
    audioSeconds += 1.0;
  }
  state.counters["realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
  state.counters["rss_mb"] = residentMegabytes();
}

void streamCreation(benchmark::State& state, double seconds) {
  const auto file = vorbis(seconds, 7);
  OfflineEngine engine;
  for (auto _ : state) engine->freeStream(engine.stream(file, BASS_STREAM_LOOP));
}

BENCHMARK_CAPTURE(streamCreation, loop_20s_decoded_ahead, 20.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(streamCreation, loop_60s_decoded_on_the_fly, 60.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fullScene, loops_20s_decoded_ahead, 20.0)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK_CAPTURE(fullScene, loops_60s_decoded_on_the_fly, 60.0)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
}  // namespace velmora::audio
