// Thunder: every kink of the lightning channel sends its own clap, and they arrive one after another
// from ever farther along it, so a roll is a ragged run of bursts of rumble (pink noise whose top is
// rolled off harder the farther away the strike) with crackle through each; a near strike begins
// with a tearing crack of broadband noise.
#include "soundgen/subjects/thunder.h"

#include <algorithm>
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/noise.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

struct Burst {
  double at, rise, decay, level;
};

// The claps of one roll: dense and strong at first, sparser and weaker as the channel's far end
// is heard.
std::vector<Burst> bursts(double active, Random& random) {
  std::vector<Burst> out;
  const int count = 16 + random.below(14);
  for (int k = 0; k < count; ++k) {
    const double at = active * std::pow(random.uniform(), 1.2);
    const double level = (0.1 + std::pow(random.uniform(), 3.0)) * std::exp(-at / active);
    out.push_back({at, random.uniform(0.04, 0.15), random.uniform(0.05, 0.3), level});
  }
  return out;
}

// The sum of the bursts' swells, sample by sample.
std::vector<float> swells(const std::vector<Burst>& list, size_t frames) {
  std::vector<float> envelope(frames, 0.0f);
  for (const Burst& b : list) {
    const size_t first = frames_for(b.at), last = std::min(frames, first + frames_for(b.rise + 6 * b.decay));
    for (size_t i = first; i < last; ++i) {
      const double x = static_cast<double>(i - first) / kSampleRate;
      envelope[i] += static_cast<float>(b.level * (1 - std::exp(-x / b.rise)) * std::exp(-x / b.decay));
    }
  }
  return envelope;
}

// Crackle: short pops of noise through each clap, fading with it.
std::vector<float> pops(const std::vector<Burst>& list, size_t frames, Random& random) {
  std::vector<float> gate(frames, 0.0f);
  for (const Burst& b : list) {
    const int count = 4 + random.below(7);
    for (int k = 0; k < count; ++k) {
      const double after = random.uniform(0, 3 * b.decay);
      const size_t first = frames_for(b.at + b.rise + after);
      const double decay = random.uniform(0.002, 0.008);
      const double level = b.level * std::exp(-after / b.decay) * random.uniform(0.6, 1.6);
      const size_t last = std::min(frames, first + frames_for(5 * decay));
      for (size_t i = first; i < last; ++i)
        gate[i] += static_cast<float>(level * std::exp(-static_cast<double>(i - first) / kSampleRate / decay));
    }
  }
  return gate;
}

// One ear's share of a roll. Air absorbs the highs on the way: the farther, the lower the roll-off.
class RollChannel {
public:
  RollChannel(double top, uint64_t rumble_seed, uint64_t crackle_seed)
      : rumble_(rumble_seed), crackle_(crackle_seed), hp_(Biquad::highpass(90, 0.6)),
        lp_(Biquad::lowpass(top, 0.6)), crack_(Biquad::bandpass(4 * top, 0.7)), diffuse_(Biquad::highpass(2 * top)),
        air_{Biquad::lowpass(1800), Biquad::lowpass(1800), Biquad::lowpass(2200)} {}

  // `common` is the rumble both ears share; `burst` the claps' swell, `scattered` its smoothed
  // form, `pop` the crackle's gate.
  float process(float common, float burst, float scattered, float pop) {
    float x = burst * lp_.process(hp_.process(common + 0.7f * rumble_.next()));
    x += scattered * diffuse_.process(rumble_.next());
    x += pop * crack_.process(crackle_.next());
    for (Biquad& a : air_) x = a.process(x);
    return x;
  }

private:
  PinkNoise rumble_;
  WhiteNoise crackle_;
  Biquad hp_, lp_, crack_, diffuse_;
  Biquad air_[3];
};

Sound roll(double distance, Random& random) {
  const double active = random.uniform(4.0, 9.0);
  const std::vector<Burst> list = bursts(active, random);
  const size_t frames = frames_for(active + 8.0);
  const std::vector<float> envelope = swells(list, frames), gate = pops(list, frames, random);
  Sound out(frames);
  const double top = 520 - 260 * distance;
  const uint64_t rumble_l = random.next(), rumble_r = random.next();
  PinkNoise common(random.next());
  RollChannel left(top, rumble_l, random.next());
  RollChannel right(top, rumble_r, random.next());
  // The higher part of the roll reaches us scattered along many paths, so it swells and fades
  // more smoothly than the rumble's bursts.
  OnePole smooth(0.4);
  for (size_t i = 0; i < frames; ++i) {
    // A far roll swells in rather than starting on a step.
    const auto swell_in = static_cast<float>(fade_window(static_cast<double>(i) / kSampleRate, active + 8.0, 0.6, 1.0));
    const float burst = swell_in * envelope[i], c = common.next();
    const float scattered = 0.12f * smooth.process(burst), pop = 0.25f * swell_in * gate[i];
    out.left[i] = left.process(c, burst, scattered, pop);
    out.right[i] = right.process(c, burst, scattered, pop);
  }
  return out;
}

Sound crack(Random& random) {
  Sound out(frames_for(1.2));
  Biquad band_l = Biquad::bandpass(1800, 0.6), band_r = Biquad::bandpass(2100, 0.6);
  double crackle = 0;
  for (size_t i = 0; i < out.frames(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    // Tearing: the noise comes in ragged bursts that fade over the first second.
    if (random.chance(0.004)) crackle = random.uniform(0.3, 1.0);
    crackle *= 0.9995;
    const double level = std::exp(-t / 0.35) * (0.4 + crackle);
    out.left[i] = static_cast<float>(level) * band_l.process(random.bipolar());
    out.right[i] = static_cast<float>(level) * band_r.process(random.bipolar());
  }
  return out;
}

}  // namespace

void add_thunder(Canvas& canvas, double at, double distance, Random& random) {
  const double level = 1.0 - 0.65 * distance;
  Sound clap = roll(distance, random);
  if (distance < 0.5) {
    const Sound c = crack(random);
    for (size_t i = 0; i < c.frames(); ++i) {
      clap.left[i] += static_cast<float>(0.8 * (0.5 - distance)) * c.left[i];
      clap.right[i] += static_cast<float>(0.8 * (0.5 - distance)) * c.right[i];
    }
  }
  apply_room(clap, Shape::OneShot, {0.95, 0.7, 0.35 + 0.3 * distance, 1.0});
  canvas.add(clap, at, static_cast<float>(3.0 * level));
}

Sound thunder_loop() {
  constexpr double kSeconds = 90.0;
  Random random(0x67726f6d);
  Canvas canvas(kSeconds, Shape::Loop);
  // A storm passing at a distance: rolls every ten seconds or so, some farther than others.
  const double distances[] = {0.85, 0.6, 0.95, 0.7, 0.8, 0.55, 0.9, 0.75, 0.65, 0.85};
  double at = 2.0;
  for (double d : distances) {
    add_thunder(canvas, at, d, random);
    at += random.uniform(7.0, 10.0);
  }
  // The storm's far hiss under the rolls, so that the stillness between them is not dead silence.
  const size_t loop = canvas.sound().frames();
  Sound bed(loop + frames_for(2.0));
  WhiteNoise hiss_l(random.next()), hiss_r(random.next());
  Biquad hp_l = Biquad::highpass(1200), hp_r = Biquad::highpass(1200);
  for (size_t i = 0; i < bed.frames(); ++i) {
    bed.left[i] = hp_l.process(hiss_l.next());
    bed.right[i] = hp_r.process(hiss_r.next());
  }
  canvas.mix(crossfade_loop(bed, loop), 4.3e-5f);
  return canvas.take();
}

}  // namespace soundgen
