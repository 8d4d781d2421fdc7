// Wind: gusts drive noise through the shapes that real wind takes. Through leaves it is bright
// broadband rustle, loud only while a gust shakes the leaves; howling round obstacles it is a
// broad moan between 0.5 and 1 kHz that rises and brightens as each gust strengthens, with little
// below and a steep fall above.
#include <algorithm>
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/noise.h"

namespace soundgen {
namespace {

constexpr size_t kRetune = 16;  // samples between filter retunings

// Slow gusts, buffets within them (a few a second) and fast leaf flutter.
struct Gusts {
  PeriodicCurve strength, buffet, flutter;
  Gusts(Random& random, double seconds, double gust_seconds)
      : strength(random, std::max(4, static_cast<int>(seconds / gust_seconds)), 0.0, 1.0),
        buffet(random, static_cast<int>(seconds * 3), 0.35, 1.0),
        flutter(random, static_cast<int>(seconds * 100), 0.4, 1.0) {}
  double at(double phase) const { return std::clamp(strength.at(phase), 0.15, 1.0); }
};

// One channel of wind through trees; `lag` shifts the gusts so they cross the stereo field. The
// rustle of many leaves swells with the gusts and flutters fast; the air itself is heard only as
// deep buffets far below the rustle.
void leafy_channel(std::vector<float>& out, const Gusts& gusts, double lag, size_t loop, uint64_t seed) {
  PinkNoise air(seed);
  WhiteNoise leaves(seed + 1);
  Svf air_band(1.5);
  air_band.tune(320);
  // Leaf rustle rises gently to a broad top around 4 to 6 kHz.
  OnePole rustle_low(2800);
  Biquad rustle_lp = Biquad::lowpass(4800), rustle_hp = Biquad::highpass(700);
  for (size_t i = 0; i < out.size(); ++i) {
    const double phase = static_cast<double>(i) / static_cast<double>(loop) - lag;
    const double g = gusts.at(phase);
    const double push = g * std::pow(gusts.buffet.at(phase), 3);
    const double rustle = std::pow(g, 1.5) * std::sqrt(gusts.buffet.at(phase)) * gusts.flutter.at(phase);
    const float white = leaves.next();
    const float rustling = rustle_lp.process(rustle_hp.process(white - rustle_low.process(white)));
    out[i] = static_cast<float>(0.036 * push * air_band.process(air.next()).band + rustle * rustling);
  }
}

// One channel of howling wind: a broad moan and a narrower one a little above it, both gliding
// up with the gust, under a low-pass that opens as the gust adds turbulent hiss.
void howling_channel(std::vector<float>& out, const Gusts& gusts, double lag, size_t loop, uint64_t seed) {
  PinkNoise air(seed);
  PinkNoise ground(seed + 1);
  Svf moan(4), upper(7), top(0.7), rumble(0.7);
  rumble.tune(160);
  for (size_t i = 0; i < out.size(); ++i) {
    const double phase = static_cast<double>(i) / static_cast<double>(loop) - lag;
    const double g = gusts.at(phase), gust = g * gusts.buffet.at(phase);
    if (i % kRetune == 0) {
      moan.tune(560 + 380 * g);
      upper.tune(720 + 520 * g);
      top.tune(750 + 1000 * gust);
    }
    const float a = air.next();
    const double howl = moan.process(a).band + 0.35 * upper.process(a).band;
    const float hiss = top.process(static_cast<float>(howl)).low;
    out[i] = static_cast<float>(g * gust * (hiss + 0.1 * rumble.process(ground.next()).low));
  }
}

}  // namespace

Sound wind(int variant) {
  const double seconds = variant == 1 ? 60.0 : 54.0;
  Random random(variant == 1 ? 0x7665743175 : 0x7665743275);
  const size_t loop = frames_for(seconds);
  Sound rendered(loop + frames_for(2.0));
  const Gusts gusts(random, seconds, variant == 1 ? 5.0 : 7.0);
  if (variant == 1) {
    leafy_channel(rendered.left, gusts, 0.0, loop, random.next());
    leafy_channel(rendered.right, gusts, 0.6 / seconds, loop, random.next());
  } else {
    howling_channel(rendered.left, gusts, 0.0, loop, random.next());
    howling_channel(rendered.right, gusts, 1.1 / seconds, loop, random.next());
  }
  return crossfade_loop(rendered, loop);
}

}  // namespace soundgen
