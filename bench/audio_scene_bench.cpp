// The full scene the program plays, mixed offline on one core: six looping layers (brook and
// campfire through tempo streams at +50 %), the rain, and a cricket and an owl played once and
// started again whenever they end. The sounds are the ones the cross build generates (its
// program folder, or VELMORA_SOUNDS=folder); without them, synthetic Ogg Vorbis of the same
// lengths. Run each benchmark in a process of its own, so resident memory is its own:
//   taskset -c 1 build/native/bench/audio_scene_bench --benchmark_filter=NAME
// fullScene/<rain>/<decoding>: rain is the 60 s loop with the 90 s thunder loop, or the
// twelve-minute rain played once; decoding is `ahead` (the engine's worker, measured once it is
// done) or `from_file` (nothing decoded ahead). Counters: realtime = seconds of audio mixed per
// second of CPU of the whole process; rss_mb = resident memory with the scene playing;
// ahead_mb = decoded-ahead samples. streamCreation: what making one stream costs the calling
// (user-interface) thread; decodeAheadOnCallingThread: what it would cost if the calling thread
// decoded the sample ahead itself.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>

#include "audio/bass_api.h"
#include "audio/core/tempo_source.h"
#include "audio/decoders/format_probe.h"
#include "audio/decoders/pcm_copy.h"
#include "tests/audio/support/offline_engine.h"

namespace velmora::audio {
namespace {

using testing::OfflineEngine;
using testing::Signal;

constexpr DecodeAheadLimits kNeverAhead{0, 0};

struct Sample {
  const char* path;  // in the program's folder
  double seconds;    // the generated sound's length, for the synthetic stand-in
};

const Sample kLayers[] = {{"samp_povt/ruchey1", 60}, {"samp_povt/koster1", 45}, {"samp_povt/veter1", 60},
                          {"samp_povt/sverch1", 40}, {"samp_povt/bol1", 45},    {"samp_povt/buben1", 36}};
const Sample kLoopRain[] = {{"samp_povt/dogd", 60}, {"samp_povt/dogd_gr", 90}};
const Sample kLongRain{"samp_raz/dogd_gr3", 720};
const Sample kOneShots[] = {{"samp_raz/sverch3", 4}, {"samp_raz/ptic1", 6}};

// Brown-ish noise with a slow swell: closer to brooks and wind than a tone, and as costly to
// decode as real ambience.
Signal ambience(double seconds, unsigned seed) {
  Signal s{44100, 2, {}};
  std::mt19937 random(seed);
  std::normal_distribution<float> white(0.0f, 1.0f);
  float left = 0, right = 0;
  const auto frames = static_cast<size_t>(seconds * s.rate);
  s.samples.reserve(frames * 2);
  for (size_t i = 0; i < frames; ++i) {
    left = left * 0.98f + white(random) * 0.02f;
    right = right * 0.98f + white(random) * 0.02f;
    const auto swell = static_cast<float>(0.6 + 0.4 * std::sin(static_cast<double>(i) / s.rate));
    s.samples.push_back(left * swell * 2.0f);
    s.samples.push_back(right * swell * 2.0f);
  }
  return s;
}

std::filesystem::path soundsFolder() {
  const char* chosen = std::getenv("VELMORA_SOUNDS");
  return chosen ? chosen : VELMORA_GENERATED_SOUNDS;
}

// The generated file's bytes when the cross build made them, else a synthetic stand-in.
const std::vector<uint8_t>& bytesOf(const Sample& sample) {
  static std::map<std::string, std::vector<uint8_t>> loaded;
  auto& bytes = loaded[sample.path];
  if (!bytes.empty()) return bytes;
  std::ifstream file(soundsFolder() / sample.path, std::ios::binary);
  bytes.assign(std::istreambuf_iterator<char>(file), {});
  if (bytes.empty()) bytes = testing::encodeVorbis(ambience(sample.seconds, static_cast<unsigned>(loaded.size())), 0.3f);
  return bytes;
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

class Scene {
 public:
  Scene(OfflineEngine& engine, bool loopRain) : engine_(engine) {
    for (size_t i = 0; i < std::size(kLayers); ++i) startLayer(kLayers[i], i < 2);
    if (loopRain) {
      for (const Sample& loop : kLoopRain) startLayer(loop, false);
    } else {
      once_.push_back({&kLongRain, playOnce(kLongRain)});
    }
    for (const Sample& shot : kOneShots) once_.push_back({&shot, playOnce(shot)});
  }

  // The program's occasional sounds: a new stream for each, the old one freed.
  void restartEnded() {
    for (auto& [sample, handle] : once_) {
      if (engine_->isActive(handle)) continue;
      engine_->freeStream(handle);
      handle = playOnce(*sample);
    }
  }

 private:
  void startLayer(const Sample& sample, bool tempo) {
    uint32_t h;
    if (tempo) {
      h = engine_->wrapStream(engine_.stream(bytesOf(sample), BASS_STREAM_DECODE),
                              BASS_FX_FREESOURCE | BASS_STREAM_LOOP, makeTempo);
      engine_->setAttribute(h, BASS_ATTRIB_TEMPO, 50.0f);
      engine_->setAttribute(h, BASS_ATTRIB_PAN, -0.3f);
    } else {
      h = engine_.stream(bytesOf(sample), BASS_STREAM_LOOP);
    }
    engine_->setAttribute(h, BASS_ATTRIB_VOL, 0.5f);
    engine_->play(h, false);
  }

  uint32_t playOnce(const Sample& sample) {
    const uint32_t h = engine_.stream(bytesOf(sample), 0);
    engine_->play(h, false);
    return h;
  }

  OfflineEngine& engine_;
  std::vector<std::pair<const Sample*, uint32_t>> once_;
};

void fullScene(benchmark::State& state, bool loopRain, bool ahead) {
  OfflineEngine engine(ahead ? kDecodeAheadLimits : kNeverAhead);
  Scene scene(engine, loopRain);
  engine->waitForDecodingAhead();
  double audioSeconds = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine.render(1.0));
    scene.restartEnded();
    audioSeconds += 1.0;
  }
  state.counters["realtime"] = benchmark::Counter(audioSeconds, benchmark::Counter::kIsRate);
  state.counters["rss_mb"] = residentMegabytes();
  state.counters["ahead_mb"] = static_cast<double>(engine->bytesDecodedAhead()) / (1 << 20);
}

void streamCreation(benchmark::State& state, const Sample& sample) {
  const auto& file = bytesOf(sample);
  OfflineEngine engine;
  for (auto _ : state) engine->freeStream(engine.stream(file, BASS_STREAM_LOOP));
}

void decodeAheadOnCallingThread(benchmark::State& state, const Sample& sample) {
  const auto& file = bytesOf(sample);
  for (auto _ : state) {
    auto decoder = openDecoder(std::make_unique<ByteSource>(file));
    PcmCopy copy;
    benchmark::DoNotOptimize(decodeWhole(*decoder, decoder->lengthFrames(), [] { return false; }, copy));
  }
}

BENCHMARK_CAPTURE(streamCreation, brook_60s, kLayers[0])->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(streamCreation, thunder_90s, kLoopRain[1])->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(streamCreation, rain_12min, kLongRain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeAheadOnCallingThread, brook_60s, kLayers[0])->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decodeAheadOnCallingThread, thunder_90s, kLoopRain[1])->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(fullScene, loop_rain/ahead, true, true)->Unit(benchmark::kMillisecond)->MinTime(3.0)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(fullScene, loop_rain/from_file, true, false)->Unit(benchmark::kMillisecond)->MinTime(3.0)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(fullScene, long_rain/ahead, false, true)->Unit(benchmark::kMillisecond)->MinTime(3.0)->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(fullScene, long_rain/from_file, false, false)->Unit(benchmark::kMillisecond)->MinTime(3.0)->MeasureProcessCPUTime();

}  // namespace
}  // namespace velmora::audio
