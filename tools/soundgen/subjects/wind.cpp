// Wind: gusts shape band-passed noise whose centre rises as the wind strengthens. The first
// variant blows through leaves (a rustle that follows the gusts); the second howls, with narrow
// whistling resonances gliding over a low rumble.
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

struct Gusts {
  PeriodicCurve strength, flutter;
  Gusts(Random& random, double seconds, double gust_seconds)
      : strength(random, std::max(4, static_cast<int>(seconds / gust_seconds)), 0.0, 1.0),
        flutter(random, static_cast<int>(seconds * 12), 0.2, 1.0) {}
  double at(double phase) const { return std::clamp(strength.at(phase), 0.02, 1.0); }
};

// One channel of wind through trees; `lag` shifts the gusts so they cross the stereo field.
void leafy_channel(std::vector<float>& out, const Gusts& gusts, double lag, size_t loop, uint64_t seed) {
  PinkNoise air(seed);
  WhiteNoise leaves(seed + 1);
  Svf body(0.9);
  Biquad rustle_hp = Biquad::highpass(1800), rustle_lp = Biquad::lowpass(7500);
  for (size_t i = 0; i < out.size(); ++i) {
    const double phase = static_cast<double>(i) / static_cast<double>(loop) - lag;
    const double g = gusts.at(phase);
    if (i % kRetune == 0) body.tune(220 + 900 * g);
    const double rustle = g * g * gusts.flutter.at(phase);
    out[i] = static_cast<float>((0.25 + 1.1 * std::pow(g, 1.5)) * body.process(air.next()).band +
                                0.35 * rustle * rustle_lp.process(rustle_hp.process(leaves.next())));
  }
}

// One channel of howling wind: a rumble and two whistles an unequal interval apart.
void howling_channel(std::vector<float>& out, const Gusts& gusts, double lag, size_t loop, uint64_t seed) {
  BrownNoise rumble_noise(seed);
  PinkNoise air(seed + 1);
  Biquad rumble = Biquad::lowpass(140);
  Svf broad(1.2), whistle_low(28), whistle_high(35);
  for (size_t i = 0; i < out.size(); ++i) {
    const double phase = static_cast<double>(i) / static_cast<double>(loop) - lag;
    const double g = gusts.at(phase);
    if (i % kRetune == 0) {
      broad.tune(300 + 700 * g);
      whistle_low.tune(330 + 420 * g);
      whistle_high.tune(610 + 650 * g * g);
    }
    const float a = air.next();
    out[i] = static_cast<float>((0.1 + 0.25 * g) * rumble.process(rumble_noise.next()) +
                                (0.15 + 0.6 * g) * broad.process(a).band +
                                g * g * (2.2 * whistle_low.process(a).band + 1.2 * whistle_high.process(a).band));
  }
}

}  // namespace

Sound wind(int variant) {
  const double seconds = variant == 1 ? 60.0 : 54.0;
  Random random(variant == 1 ? 0x7665743175 : 0x7665743275);
  const size_t loop = frames_for(seconds);
  Sound rendered(loop + frames_for(2.0));
  const Gusts gusts(random, seconds, variant == 1 ? 5.0 : 8.0);
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
