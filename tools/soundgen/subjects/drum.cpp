// A shaman's frame drum: a large membrane whose modes (at the ratios of a circular membrane's
// Bessel zeros) ring and decay, higher ones faster, all starting a little sharp and settling as
// the skin's tension relaxes after the stroke; a soft beater's slap on top; on some drums, the
// metal pendants inside jingle after each stroke. Five drums, each with its own rhythm.
#include <algorithm>
#include <array>
#include <cmath>
#include <complex>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

constexpr std::array<double, 8> kModeRatios = {1.0, 1.594, 2.136, 2.296, 2.653, 2.918, 3.156, 3.501};
constexpr std::array<double, 8> kModeLevels = {1.0, 0.55, 0.4, 0.3, 0.25, 0.2, 0.15, 0.1};

struct DrumBody {
  double pitch_hz, decay_seconds;
  double pitch_drop;  // how sharp the stroke starts, as a fraction
  double brightness;  // 0..1: how much of the higher modes sounds
  bool pendants;
};

std::vector<float> stroke(const DrumBody& drum, double velocity, Random& random) {
  std::vector<float> out(frames_for(drum.decay_seconds * 5));
  constexpr size_t kModes = kModeRatios.size();
  std::array<double, kModes> levels{}, fading{};
  std::array<std::complex<double>, kModes> modes, turns;
  modes.fill(1.0);
  for (size_t m = 0; m < kModes; ++m) {
    // Softer strokes excite the higher modes less; higher modes die sooner.
    levels[m] = kModeLevels[m] * std::pow(drum.brightness * velocity, static_cast<double>(m) * 0.5);
    fading[m] = std::exp(-(1 + 0.8 * static_cast<double>(m)) / (drum.decay_seconds * kSampleRate));
  }
  const double drop = drum.pitch_drop * (0.6 + 0.4 * velocity);
  // The pitch settles within a few tenths of a second; after that each mode turns at a fixed rate.
  const size_t settled = frames_for(0.4);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    if (i <= settled) {
      const double bend = 1 + drop * std::exp(-t / 0.06);
      for (size_t m = 0; m < kModes; ++m) turns[m] = std::polar(1.0, 2 * kPi * drum.pitch_hz * kModeRatios[m] * bend / kSampleRate);
    }
    double v = 0;
    for (size_t m = 0; m < kModes; ++m) {
      modes[m] *= turns[m];
      v += levels[m] * modes[m].imag();
      levels[m] *= fading[m];
    }
    out[i] = static_cast<float>(velocity * v * std::min(1.0, t * 1500));
  }
  const std::vector<float> slap = click(random, 900 + 1400 * velocity, 0.8, 0.004);
  for (size_t i = 0; i < slap.size() && i < out.size(); ++i) out[i] += static_cast<float>(3.0 * velocity) * slap[i];
  return out;
}

// The pendants: a shower of tiny metallic ticks that thins out over a fifth of a second.
void add_pendants(Canvas& canvas, double at, double velocity, Random& random) {
  for (double t = 0; t < 0.25; t += random.exponential(90.0)) {
    const auto gain = static_cast<float>(0.25 * velocity * std::exp(-t / 0.08));
    canvas.add(click(random, random.uniform(4500, 9000), 8.0, 0.003), at + t, gain,
               static_cast<float>(random.uniform(-0.3, 0.3)));
  }
}

struct Beat {
  double at;  // in beats from the start of the bar
  double velocity;
};

struct Rhythm {
  DrumBody drum;
  double beats_per_minute;
  double beats_per_bar;
  std::vector<Beat> bar;
  double target_seconds;  // rounded to whole bars
  double room_size, room_wet;
  uint64_t seed;
};

const Rhythm kRhythms[] = {
    // A heartbeat: a strong stroke and its soft echo, unhurried.
    {{68, 0.55, 0.10, 0.6, false}, 64, 1, {{0, 1.0}, {0.3, 0.55}}, 36, 0.75, 0.25, 0x62756231},
    // A quick, even trance beat with an accent on the one, pendants ringing.
    {{92, 0.30, 0.07, 0.8, true}, 168, 4, {{0, 1.0}, {1, 0.65}, {2, 0.75}, {3, 0.6}}, 34, 0.6, 0.2,
     0x62756232},
    // A gallop in threes: DUM-da-da.
    {{80, 0.40, 0.09, 0.7, false}, 100, 1, {{0, 1.0}, {1.0 / 3, 0.5}, {2.0 / 3, 0.6}}, 36, 0.7, 0.22,
     0x62756233},
    // A great deep drum struck slowly, each stroke left to ring out, a light tap between.
    {{52, 1.10, 0.14, 0.5, false}, 40, 1, {{0, 1.0}, {0.5, 0.25}}, 42, 0.9, 0.35, 0x62756234},
    // A small bright drum in a running eight-beat figure with pendants.
    {{115, 0.25, 0.06, 0.9, true}, 120, 4,
     {{0, 1.0}, {1, 0.6}, {1.5, 0.5}, {2, 0.9}, {3, 0.55}, {3.5, 0.5}, {3.75, 0.45}}, 32, 0.55, 0.18,
     0x62756235},
};

}  // namespace

Sound drum(int variant) {
  const Rhythm& r = kRhythms[variant - 1];
  Random random(r.seed);
  const double bar_seconds = r.beats_per_bar * 60.0 / r.beats_per_minute;
  const int bars = std::max(1, static_cast<int>(std::lround(r.target_seconds / bar_seconds)));
  // A whole number of bars, so the beat runs on across the seam; the seam falls just before a
  // downbeat, where the last stroke has rung out most.
  Canvas canvas(bars * bar_seconds, Shape::Loop);
  constexpr double kLead = 0.03;
  for (int b = 0; b < bars; ++b) {
    for (const Beat& beat : r.bar) {
      const double at =
          kLead + (b * r.beats_per_bar + beat.at) * 60.0 / r.beats_per_minute + random.uniform(-0.006, 0.006);
      const double velocity = std::clamp(beat.velocity * random.uniform(0.88, 1.05), 0.1, 1.0);
      canvas.add(stroke(r.drum, velocity, random), at, 1.0f, static_cast<float>(random.uniform(-0.08, 0.08)));
      if (r.drum.pendants) add_pendants(canvas, at + 0.005, velocity, random);
    }
  }
  apply_room(canvas.sound(), Shape::Loop, {r.room_size, 0.45, r.room_wet, 1.0});
  return canvas.take();
}

}  // namespace soundgen
