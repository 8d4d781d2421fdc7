// Running water: dense populations of resonant bubbles (each a decaying sine whose pitch rises as
// its cavity closes; Minnaert: about 3.3 kHz over the radius in millimetres) and short splashes
// where the surface breaks, over a turbulent noise bed. Bubbles come in bursts from the water's
// babbling, splashes steadily from every stone, and the whole stream gushes every second or two.
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
  double splashes_per_second;
  double splash_low_hz, splash_high_hz;
  double bed_low_hz, bed_high_hz, bed_gain;
  double rumble_gain;        // the weight of deep water: brown noise below about 120 Hz
  double babble_per_second;  // how often the bursts of babbling come and go
  double surge;              // loudness swing over seconds, as a fraction
  double spread;
  uint64_t seed;
};

// Events of a Poisson stream at up to `top_rate`, kept where the babble curve lets them through.
template <typename AddEvent>
void babbling(double seconds, double top_rate, const PeriodicCurve& babble, Random& random, AddEvent add_event) {
  for (double t = random.exponential(top_rate); t < seconds; t += random.exponential(top_rate)) {
    if (random.chance(babble.at(t / seconds))) add_event(t);
  }
}

void add_bubbles(Canvas& canvas, const BrookStyle& style, const PeriodicCurve& babble, Random& random) {
  babbling(canvas.seconds(), style.bubbles_per_second * 2, babble, random, [&](double t) {
    // Small bubbles die away within a few cycles, large ones ring for tens of milliseconds; a
    // stream's bubble sound is nonetheless about evenly spread over their pitches, so the small
    // ones ring out louder.
    const double hz = style.low_hz * std::pow(style.high_hz / style.low_hz, random.uniform());
    const auto gain = static_cast<float>(0.1 * std::pow(hz / 1000, 0.25) * random.uniform(0.3, 1.0));
    canvas.add(bubble(hz, random.uniform(0.05, 0.15)), t, gain,
               static_cast<float>(random.uniform(-style.spread, style.spread)));
  });
}

// Where the surface breaks over a stone: a few milliseconds of hiss.
void add_splashes(Canvas& canvas, const BrookStyle& style, Random& random) {
  // Every stone splashes on its own, so the splashes come steadily.
  for (double t = random.exponential(style.splashes_per_second); t < canvas.seconds();
       t += random.exponential(style.splashes_per_second)) {
    const double hz = style.splash_low_hz * std::pow(style.splash_high_hz / style.splash_low_hz, random.uniform());
    const float gain = static_cast<float>(0.4 * std::pow(random.uniform(), 2.0));
    canvas.add(click(random, hz, 2.0, random.uniform(0.002, 0.008)), t, gain,
               static_cast<float>(random.uniform(-style.spread, style.spread)));
  }
}

// The rush's range: it falls away steeply below the largest eddies, gently above.
struct BedBand {
  explicit BedBand(const BrookStyle& style)
      : low1(Biquad::highpass(style.bed_low_hz)), low2(Biquad::highpass(style.bed_low_hz)),
        high(Biquad::lowpass(style.bed_high_hz)) {}
  float process(float x) { return high.process(low2.process(low1.process(x))); }
  Biquad low1, low2, high;
};

// Rushing water: pink noise band-limited to the stream's range, each channel partly its own so
// the water spreads across the field, churning with the babble and its eddies.
Sound water_bed(const BrookStyle& style, const PeriodicCurve& babble, Random& random) {
  const size_t loop = frames_for(style.seconds), fade = frames_for(2.0);
  Sound bed(loop + fade);
  PinkNoise common(random.next()), own_left(random.next()), own_right(random.next());
  BrownNoise rumble(random.next());
  Biquad rumble_low = Biquad::lowpass(120);
  // Eddies swirl past many times a second, each a little louder or quieter.
  const PeriodicCurve eddies(random, static_cast<int>(style.seconds * 16), 0.3, 1.0);
  BedBand band_left(style), band_right(style);
  for (size_t i = 0; i < bed.frames(); ++i) {
    const float c = common.next(), deep = static_cast<float>(style.rumble_gain) * rumble_low.process(rumble.next());
    const double phase = static_cast<double>(i) / static_cast<double>(loop);
    const double churn = (0.4 + babble.at(phase)) * eddies.at(phase);
    const auto g = static_cast<float>(style.bed_gain * churn);
    bed.left[i] = deep + g * band_left.process(0.6f * c + 0.8f * own_left.next());
    bed.right[i] = deep + g * band_right.process(0.6f * c + 0.8f * own_right.next());
  }
  return crossfade_loop(bed, loop);
}

// The flow surges: the brook grows louder and quieter every second or two, each gush its own.
void surge(Sound& sound, const BrookStyle& style, Random& random) {
  const PeriodicCurve level(random, static_cast<int>(style.seconds / 1.5), 1 - style.surge, 1 + style.surge);
  for (size_t i = 0; i < sound.frames(); ++i) {
    const auto g = static_cast<float>(level.at(static_cast<double>(i) / static_cast<double>(sound.frames())));
    sound.left[i] *= g;
    sound.right[i] *= g;
  }
}

const BrookStyle kBrooks[] = {
    // A shallow brook over pebbles: small bubbles by the hundred, bright splashes, quick babble.
    {60.0, 420, 750, 7000, 250, 2500, 6000, 350, 4000, 0.09, 0.0, 8.0, 0.45, 0.85, 0x6272756b31},
    // A deeper stream: fewer, larger bubbles gurgling lower, duller splashes, a rumble beneath,
    // slower babble and gentler gushes.
    {52.0, 200, 450, 3000, 220, 1800, 5000, 400, 3500, 0.07, 0.008, 5.0, 0.35, 0.6, 0x6272756b32},
};

}  // namespace

Sound brook(int variant) {
  const BrookStyle& style = kBrooks[variant - 1];
  Random random(style.seed);
  Canvas canvas(style.seconds, Shape::Loop);
  const PeriodicCurve babble(random, static_cast<int>(style.seconds * style.babble_per_second), 0.3, 1.0);
  canvas.mix(water_bed(style, babble, random));
  add_bubbles(canvas, style, babble, random);
  add_splashes(canvas, style, random);
  surge(canvas.sound(), style, random);
  return canvas.take();
}

}  // namespace soundgen
