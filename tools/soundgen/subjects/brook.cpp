// Running water: a filtered-noise bed of rushing water under many small resonant bubbles, each a
// decaying sine whose pitch rises as the bubble's cavity closes, spread across the stereo field.
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/noise.h"

namespace soundgen {
namespace {

struct BrookStyle {
  double seconds;
  double bubbles_per_second;
  double low_hz, high_hz;  // bubble pitches
  double bed_low_hz, bed_high_hz, bed_gain;
  double spread;
  uint64_t seed;
};

void add_bubbles(Canvas& canvas, const BrookStyle& style, Random& random) {
  // Babbling comes in bursts: a periodic density curve thins a Poisson stream of bubbles.
  const PeriodicCurve density(random, static_cast<int>(canvas.seconds() * 1.5), 0.1, 1.0);
  const double top_rate = style.bubbles_per_second * 1.8;
  for (double t = random.exponential(top_rate); t < canvas.seconds(); t += random.exponential(top_rate)) {
    if (!random.chance(density.at(t / canvas.seconds()))) continue;
    const double hz = style.low_hz * std::pow(style.high_hz / style.low_hz, random.uniform());
    const double size = std::pow(random.uniform(), 3.0);
    const float gain = static_cast<float>(0.05 + 0.6 * size);
    canvas.add(bubble(hz, random.uniform(0.05, 0.15)), t, gain,
               static_cast<float>(random.uniform(-style.spread, style.spread)));
  }
}

// Rushing water: pink noise band-limited to the stream's range, each channel partly its own so
// the water spreads across the field, gently swelling.
Sound water_bed(const BrookStyle& style, Random& random) {
  const size_t loop = frames_for(style.seconds), fade = frames_for(2.0);
  Sound bed(loop + fade);
  const PeriodicCurve swell(random, static_cast<int>(style.seconds / 3), 0.7, 1.2);
  PinkNoise common(random.next()), own_left(random.next()), own_right(random.next());
  Biquad low_left = Biquad::highpass(style.bed_low_hz), low_right = Biquad::highpass(style.bed_low_hz);
  Biquad high_left = Biquad::lowpass(style.bed_high_hz), high_right = Biquad::lowpass(style.bed_high_hz);
  for (size_t i = 0; i < bed.frames(); ++i) {
    const float c = common.next();
    const float g = static_cast<float>(style.bed_gain * swell.at(static_cast<double>(i) / static_cast<double>(loop)));
    bed.left[i] = g * high_left.process(low_left.process(0.6f * c + 0.8f * own_left.next()));
    bed.right[i] = g * high_right.process(low_right.process(0.6f * c + 0.8f * own_right.next()));
  }
  return crossfade_loop(bed, loop);
}

const BrookStyle kBrooks[] = {
    // A shallow brook over pebbles: bright, busy bubbling.
    {60.0, 150, 650, 3400, 350, 5200, 0.30, 0.85, 0x6272756b31},
    // A deeper stream: a darker rush with slower, lower gurgles.
    {52.0, 65, 220, 1100, 110, 2200, 0.55, 0.6, 0x6272756b32},
};

}  // namespace

Sound brook(int variant) {
  const BrookStyle& style = kBrooks[variant - 1];
  Random random(style.seed);
  Canvas canvas(style.seconds, Shape::Loop);
  canvas.mix(water_bed(style, random));
  add_bubbles(canvas, style, random);
  return canvas.take();
}

}  // namespace soundgen
