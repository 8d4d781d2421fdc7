// Rain: a broadband hush of countless distant drops (two bands of noise), and over it the near
// drops one by one: short ticks on leaves, plinks of drops falling into puddles (bubbles), and
// heavier drips from branches. How hard it rains is one intensity curve that scales the hush and
// the drops' rate together.
#include <algorithm>
#include <cmath>
#include <functional>

#include "soundgen/subjects/subjects.h"
#include "soundgen/subjects/thunder.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/noise.h"

namespace soundgen {
namespace {

constexpr double kDropsPerSecond = 320;  // near drops at full intensity

// A drop as it reaches us through the shower: the air and the leaves between take the very lows
// and highs off its click.
std::vector<float> heard(std::vector<float> grain) {
  grain.resize(grain.size() + frames_for(0.01), 0.0f);
  Biquad hp = Biquad::highpass(300), lp = Biquad::lowpass(5500), lp2 = Biquad::lowpass(5500);
  for (float& x : grain) x = lp2.process(lp.process(hp.process(x)));
  return grain;
}

// Drop sounds are drawn from a bank, so that twelve minutes of rain render quickly.
struct DropBank {
  std::vector<std::vector<float>> ticks, plinks, drips;
  explicit DropBank(Random& random) {
    for (int n = 0; n < 64; ++n) ticks.push_back(heard(click(random, random.uniform(1200, 5000), random.uniform(0.8, 2.0), random.uniform(0.0003, 0.0015))));
    for (int n = 0; n < 32; ++n) plinks.push_back(heard(bubble(random.uniform(1400, 4200), 0.1)));
    for (int n = 0; n < 16; ++n) drips.push_back(heard(click(random, random.uniform(500, 1400), 3.0, random.uniform(0.003, 0.008))));
  }
};

using Intensity = std::function<double(double seconds)>;

void add_drops(Canvas& canvas, const Intensity& intensity, Random& random) {
  const DropBank bank(random);
  for (double t = random.exponential(kDropsPerSecond); t < canvas.seconds(); t += random.exponential(kDropsPerSecond)) {
    const double level = intensity(t);
    if (!random.chance(level)) continue;
    const auto pan = static_cast<float>(random.uniform(-0.95, 0.95));
    // In light rain, as a shower begins and ends, big drops and drips from the leaves stand out.
    const double drips = 0.03 + 0.3 * (1 - level);
    const double kind = random.uniform();
    if (kind < drips) {
      canvas.add(bank.drips[random.below(16)], t, static_cast<float>(0.6 * random.uniform(0.3, 1.0)), pan);
    } else if (kind < drips + 0.11) {
      canvas.add(bank.plinks[random.below(32)], t, static_cast<float>(0.12 * random.uniform()), pan);
    } else {
      canvas.add(bank.ticks[random.below(64)], t, static_cast<float>(0.5 * std::pow(random.uniform(), 2.0)), pan);
    }
  }
}

// The hush: bright noise for the mass of drops, a darker band for the rain's body; added to `out`.
void add_hush(Sound& out, size_t loop, const Intensity& intensity, Random& random) {
  const size_t frames = out.frames();
  WhiteNoise white_l(random.next()), white_r(random.next());
  PinkNoise pink_l(random.next()), pink_r(random.next());
  Biquad hp_l = Biquad::highpass(900), hp_r = Biquad::highpass(900);
  OnePole tilt_l(2200), tilt_r(2200);
  Biquad lp_l = Biquad::lowpass(7500), lp_r = Biquad::lowpass(7500);
  Biquad lp2_l = Biquad::lowpass(7500), lp2_r = Biquad::lowpass(7500);
  Biquad body_l = Biquad::bandpass(500, 0.7), body_r = Biquad::bandpass(500, 0.7);
  Biquad low_l = Biquad::highpass(320), low_r = Biquad::highpass(320);
  double level = 0;
  for (size_t i = 0; i < frames; ++i) {
    if (i % 64 == 0) level = std::pow(intensity(static_cast<double>(i % loop) / kSampleRate), 0.8);
    const auto g = static_cast<float>(level);
    out.left[i] += g * (0.16f * lp2_l.process(lp_l.process(tilt_l.process(hp_l.process(white_l.next())))) + 0.11f * low_l.process(body_l.process(pink_l.next())));
    out.right[i] += g * (0.16f * lp2_r.process(lp_r.process(tilt_r.process(hp_r.process(white_r.next())))) + 0.11f * low_r.process(body_r.process(pink_r.next())));
  }
}

}  // namespace

Sound steady_rain() {
  constexpr double kSeconds = 60.0;
  Random random(0x646f6764);
  const PeriodicCurve swell(random, 12, 0.8, 1.0);
  const Intensity intensity = [&](double t) { return swell.at(t / kSeconds); };
  Canvas canvas(kSeconds, Shape::Loop);
  const size_t loop = frames_for(kSeconds);
  Sound hush(loop + frames_for(2.0));
  add_hush(hush, loop, intensity, random);
  canvas.mix(crossfade_loop(hush, loop));
  add_drops(canvas, intensity, random);
  return canvas.take();
}

Sound whole_rain(bool thunder) {
  constexpr double kSeconds = 720.0;
  Random random(thunder ? 0x646f67647233 : 0x646f67647332);
  // Big scattered drops first, the shower building over a minute and a half, waxing and waning,
  // then thinning over the last two minutes to the last drips.
  const PeriodicCurve mood(random, 24, 0.55, 1.0);
  const Intensity intensity = [&](double t) {
    const double start = std::pow(std::min(1.0, t / 90.0), 2.0);
    const double end = std::pow(std::clamp((kSeconds - 6 - t) / 130.0, 0.0, 1.0), 1.6);
    return std::clamp(mood.at(t / kSeconds) * std::min(start, end), 0.0, 1.0);
  };
  Canvas canvas(kSeconds, Shape::OneShot);
  add_hush(canvas.sound(), canvas.sound().frames(), intensity, random);
  add_drops(canvas, intensity, random);
  if (thunder) {
    // A storm passing over: far rolls, nearer strikes in the middle, far again as it moves away.
    const double distances[] = {0.9, 0.75, 0.5, 0.3, 0.15, 0.35, 0.55, 0.8, 0.95};
    double at = 40;
    for (double d : distances) {
      add_thunder(canvas, at, d, random);
      at += random.uniform(55, 80);
    }
  }
  return canvas.take();
}

}  // namespace soundgen
