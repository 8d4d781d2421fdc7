// A campfire: the low roar of burning gas that flickers, a hiss of steam, an unbroken ticking of
// small crackles, clusters of louder ones (short noise bursts through bright resonances) and now
// and then a resin pop with a body of its own.
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/noise.h"

namespace soundgen {
namespace {

struct FireStyle {
  double seconds;
  double roar_hz, roar_gain, hiss_gain;
  double hiss_top_hz;              // where the steam's hiss fades out
  double flicker_per_second;       // how fast the flames breathe
  double clusters_per_second;      // crackle clusters
  double fizz_per_second;          // the small crackles that never stop
  double crackle_low_hz, crackle_high_hz;
  double pops_per_second, pop_low_hz, pop_high_hz;
  double width;                    // stereo spread of the fire
  uint64_t seed;
};

Sound roar_and_hiss(const FireStyle& style, Random& random) {
  const size_t loop = frames_for(style.seconds), fade = frames_for(1.5);
  const PeriodicCurve flicker(random, static_cast<int>(style.seconds * style.flicker_per_second), 0.35, 1.0);
  const PeriodicCurve breath(random, static_cast<int>(style.seconds / 4), 0.6, 1.0);
  BrownNoise common(random.next()), left_own(random.next()), right_own(random.next());
  WhiteNoise hiss_left(random.next()), hiss_right(random.next());
  Biquad roar_l = Biquad::lowpass(style.roar_hz, 0.9), roar_r = Biquad::lowpass(style.roar_hz, 0.9);
  Biquad hiss_hp_l = Biquad::highpass(1200, 1.0), hiss_hp_r = Biquad::highpass(1200, 1.0);
  Biquad hiss_hp_l2 = Biquad::highpass(1200), hiss_hp_r2 = Biquad::highpass(1200);
  Biquad hiss_lp_l = Biquad::lowpass(style.hiss_top_hz), hiss_lp_r = Biquad::lowpass(style.hiss_top_hz);
  Sound bed(loop + fade);
  for (size_t i = 0; i < bed.frames(); ++i) {
    const double phase = static_cast<double>(i) / static_cast<double>(loop);
    const double f = flicker.at(phase) * breath.at(phase);
    const auto roar = static_cast<float>(style.roar_gain * f);
    const auto hiss = static_cast<float>(style.hiss_gain * f * f);
    const float c = common.next();
    bed.left[i] = roar * roar_l.process(c + 0.5f * left_own.next()) +
                  hiss * hiss_lp_l.process(hiss_hp_l.process(hiss_hp_l2.process(hiss_left.next())));
    bed.right[i] = roar * roar_r.process(c + 0.5f * right_own.next()) +
                   hiss * hiss_lp_r.process(hiss_hp_r.process(hiss_hp_r2.process(hiss_right.next())));
  }
  return crossfade_loop(bed, loop);
}

// A cluster: a few to a dozen snaps in quick succession from one spot in the fire.
void add_crackles(Canvas& canvas, const FireStyle& style, Random& random) {
  for (double t = random.exponential(style.clusters_per_second); t < canvas.seconds();
       t += random.exponential(style.clusters_per_second)) {
    const auto pan = static_cast<float>(random.uniform(-style.width, style.width));
    const int snaps = 1 + random.below(random.chance(0.3) ? 14 : 5);
    const double loudness = std::pow(random.uniform(), 2.0);
    double at = t;
    for (int k = 0; k < snaps; ++k) {
      const double hz = style.crackle_low_hz * std::pow(style.crackle_high_hz / style.crackle_low_hz, random.uniform());
      const auto gain = static_cast<float>((0.15 + 0.85 * loudness) * random.uniform(0.3, 1.0));
      canvas.add(click(random, hz, random.uniform(0.7, 2.5), random.uniform(0.0002, 0.0012)), at, gain * 2.0f, pan);
      at += random.exponential(30.0);
    }
  }
}

// Burning wood never stops ticking: a dense stream of tiny crackles, mostly faint, thickening
// and thinning with the flames, so the highs carry on between the loud snaps.
void add_fizz(Canvas& canvas, const FireStyle& style, Random& random) {
  const PeriodicCurve flare(random, static_cast<int>(style.seconds * 2), 0.2, 1.0);
  const double busiest = style.fizz_per_second / 0.6;
  for (double t = random.exponential(busiest); t < canvas.seconds(); t += random.exponential(busiest)) {
    if (!random.chance(flare.at(t / canvas.seconds()))) continue;
    const double hz = 1500 * std::pow(10000.0 / 1500, random.uniform());
    const auto gain = static_cast<float>(0.4 * std::pow(random.uniform(), 3.0));
    canvas.add(click(random, hz, random.uniform(0.8, 2.0), random.uniform(0.0002, 0.0008)), t, gain,
               static_cast<float>(random.uniform(-style.width, style.width)));
  }
}

// A pop: a sharp crack followed by a short, low-pitched body ringing.
std::vector<float> pop(Random& random, const FireStyle& style) {
  std::vector<float> grain = click(random, random.uniform(2500, 6000), 1.2, 0.0008);
  const double hz = random.uniform(style.pop_low_hz, style.pop_high_hz);
  const std::vector<float> body = click(random, hz, 6.0, random.uniform(0.008, 0.02));
  grain.resize(std::max(grain.size(), body.size()), 0.0f);
  for (size_t i = 0; i < body.size(); ++i) grain[i] += 1.5f * body[i];
  return grain;
}

void add_pops(Canvas& canvas, const FireStyle& style, Random& random) {
  for (double t = random.exponential(style.pops_per_second); t < canvas.seconds();
       t += random.exponential(style.pops_per_second)) {
    canvas.add(pop(random, style), t, static_cast<float>(random.uniform(0.8, 2.5)),
               static_cast<float>(random.uniform(-style.width, style.width)));
  }
}

const FireStyle kFires[] = {
    // A small fire of dry twigs: quick, bright crackling over a soft flutter.
    {45.0, 700, 0.05, 0.07, 13000, 2.0, 7.0, 250, 1800, 10000, 0.12, 500, 1200, 0.35, 0x6b6f7331},
    // A big log fire: a deep breathing roar, hissing sap, fewer but heavier snaps and pops.
    {40.0, 200, 0.06, 0.05, 6500, 2.0, 3.0, 220, 1500, 6000, 0.25, 180, 500, 0.55, 0x6b6f7332},
};

}  // namespace

Sound campfire(int variant) {
  const FireStyle& style = kFires[variant - 1];
  Random random(style.seed);
  Canvas canvas(style.seconds, Shape::Loop);
  canvas.mix(roar_and_hiss(style, random));
  add_crackles(canvas, style, random);
  add_fizz(canvas, style, random);
  add_pops(canvas, style, random);
  return canvas.take();
}

}  // namespace soundgen
