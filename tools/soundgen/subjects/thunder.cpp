// Thunder: a roll is several overlapping swells of low rumble (brown noise under a low-pass whose
// cut-off falls with distance), each rising quickly and dying slowly; a near strike begins with a
// crack of crackling broadband noise.
#include "soundgen/subjects/thunder.h"

#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/noise.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

struct Swell {
  double at, rise, decay, level;
};

Sound roll(double distance, Random& random) {
  std::vector<Swell> swells;
  const int count = 3 + random.below(5);
  double at = 0;
  for (int k = 0; k < count; ++k) {
    swells.push_back({at, random.uniform(0.08, 0.5), random.uniform(0.8, 2.5), random.uniform(0.4, 1.0)});
    at += random.uniform(0.3, 1.6);
  }
  const double length = at + 12.0;
  Sound out(frames_for(length));
  BrownNoise left(random.next()), right(random.next()), common(random.next());
  const double cutoff = 320 - 220 * distance;
  Biquad lp_l = Biquad::lowpass(cutoff, 0.8), lp_r = Biquad::lowpass(cutoff, 0.8);
  Biquad lp2_l = Biquad::lowpass(cutoff * 1.5), lp2_r = Biquad::lowpass(cutoff * 1.5);
  for (size_t i = 0; i < out.frames(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double envelope = 0;
    for (const Swell& s : swells) {
      if (t < s.at) continue;
      const double x = t - s.at;
      envelope += s.level * (1 - std::exp(-x / s.rise)) * std::exp(-x / s.decay);
    }
    envelope *= 0.35 * fade_window(t, length, 0.01, 4.0);
    const float c = common.next();
    out.left[i] = static_cast<float>(envelope) * lp2_l.process(lp_l.process(c + 0.7f * left.next()));
    out.right[i] = static_cast<float>(envelope) * lp2_r.process(lp_r.process(c + 0.7f * right.next()));
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
  canvas.add(clap, at, static_cast<float>(level));
}

Sound thunder_loop() {
  constexpr double kSeconds = 90.0;
  Random random(0x67726f6d);
  Canvas canvas(kSeconds, Shape::Loop);
  // Three distant rolls with long quiet stretches between them.
  add_thunder(canvas, 4.0, 0.85, random);
  add_thunder(canvas, 33.0, 0.6, random);
  add_thunder(canvas, 61.0, 0.95, random);
  return canvas.take();
}

}  // namespace soundgen
