// A swamp at night. Frog calls are pulsed formant sounds: a voiced buzz at the frog's pitch,
// shaped by its vocal sac's resonances, switched on and off in quick pulses. The first variant is
// a chorus of small frogs' rattling croaks; the second, big frogs' deep drawn-out "rumm" calls
// with water plopping at the bank. Under both lies the swamp's soft hum of air and insects.
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/noise.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

struct Frog {
  double pitch_hz;
  double formant_hz[2];
  double formant_width_hz;
  int pulses;
  double pulse_period, duty;  // pulse spacing (s) and sounding fraction of it
  double glide;               // pitch change over the call, as a fraction
};

struct Harmonic {
  double number, amplitude;
};

// The audible harmonics under a two-resonance envelope.
std::vector<Harmonic> formant_harmonics(const Frog& frog) {
  std::vector<Harmonic> harmonics;
  for (int h = 1; h * frog.pitch_hz < 6000; ++h) {
    double a = 0;
    for (double f : frog.formant_hz) {
      const double d = (h * frog.pitch_hz - f) / frog.formant_width_hz;
      a += std::exp(-d * d);
    }
    if (a > 0.02) harmonics.push_back({static_cast<double>(h), a});
  }
  return harmonics;
}

std::vector<float> croak(const Frog& frog, Random& random) {
  const std::vector<Harmonic> harmonics = formant_harmonics(frog);
  const double length = frog.pulses * frog.pulse_period;
  std::vector<float> out(frames_for(length));
  double phase = random.uniform(0, 2 * kPi);
  for (size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += 2 * kPi * frog.pitch_hz * (1 + frog.glide * t / length) / kSampleRate;
    const double within = std::fmod(t, frog.pulse_period) / (frog.pulse_period * frog.duty);
    if (within >= 1.0) continue;
    const double pulse = std::sin(kPi * within);
    const double call = std::sin(kPi * std::min(1.0, t / length)) * 0.5 + 0.5;
    double v = 0;
    for (const Harmonic& h : harmonics) v += h.amplitude * std::sin(phase * h.number);
    out[i] = static_cast<float>(pulse * call * v);
  }
  return out;
}

// A frog of the chorus calls in bouts of a few croaks, then rests.
void frog_calls(Canvas& canvas, const Frog& base, double calls_per_second, double pan, double gain,
                Random& random) {
  for (double t = random.uniform(0, 3); t < canvas.seconds(); t += random.exponential(calls_per_second)) {
    Frog frog = base;
    frog.pitch_hz *= random.uniform(0.96, 1.04);
    frog.pulses = std::max(2, base.pulses + random.below(5) - 2);
    const int bout = 1 + random.below(4);
    for (int k = 0; k < bout; ++k) {
      canvas.add(croak(frog, random), t, static_cast<float>(gain * random.uniform(0.7, 1.0)),
                 static_cast<float>(pan));
      t += frog.pulses * frog.pulse_period + random.uniform(0.08, 0.4);
    }
  }
}

Sound swamp_air(double seconds, Random& random) {
  const size_t loop = frames_for(seconds);
  Sound air(loop + frames_for(1.5));
  PinkNoise left(random.next()), right(random.next());
  Biquad lp_l = Biquad::lowpass(700), lp_r = Biquad::lowpass(700);
  Biquad hum_l = Biquad::bandpass(2900, 3), hum_r = Biquad::bandpass(3100, 3);
  for (size_t i = 0; i < air.frames(); ++i) {
    const float l = left.next(), r = right.next();
    air.left[i] = 0.05f * lp_l.process(l) + 0.012f * hum_l.process(r);
    air.right[i] = 0.05f * lp_r.process(r) + 0.012f * hum_r.process(l);
  }
  return crossfade_loop(air, loop);
}

// Small frogs with a rattling croak around 1 to 2.5 kHz.
const Frog kSmallFrog = {420, {1300, 2300}, 500, 9, 0.028, 0.55, 0.04};
// Big frogs: a deep hum around 100 Hz, slowly pulsed.
const Frog kBigFrog = {105, {260, 620}, 160, 12, 0.065, 0.8, -0.06};

void add_plops(Canvas& canvas, Random& random) {
  for (double t = random.exponential(0.4); t < canvas.seconds(); t += random.exponential(0.4)) {
    canvas.add(bubble(random.uniform(140, 420), 0.3), t, static_cast<float>(random.uniform(0.2, 0.6)),
               static_cast<float>(random.uniform(-0.7, 0.7)));
  }
}

}  // namespace

Sound swamp(int variant) {
  const double seconds = variant == 1 ? 45.0 : 42.0;
  Random random(variant == 1 ? 0x626f6c31 : 0x626f6c32);
  Canvas canvas(seconds, Shape::Loop);
  canvas.mix(swamp_air(seconds, random));
  if (variant == 1) {
    for (int n = 0; n < 9; ++n) {
      Frog frog = kSmallFrog;
      frog.pitch_hz *= random.uniform(0.85, 1.2);
      frog.formant_hz[0] *= random.uniform(0.9, 1.1);
      frog.pulse_period *= random.uniform(0.8, 1.25);
      const double distance = random.uniform(0.3, 1.0);
      frog_calls(canvas, frog, random.uniform(0.15, 0.35), random.uniform(-0.9, 0.9),
                 0.12 / distance, random);
    }
  } else {
    for (int n = 0; n < 4; ++n) {
      Frog frog = kBigFrog;
      frog.pitch_hz *= random.uniform(0.85, 1.15);
      frog.formant_hz[1] *= random.uniform(0.9, 1.15);
      const double distance = random.uniform(0.3, 1.0);
      frog_calls(canvas, frog, random.uniform(0.06, 0.12), random.uniform(-0.8, 0.8), 0.2 / distance, random);
    }
    add_plops(canvas, random);
  }
  apply_room(canvas.sound(), Shape::Loop, {0.7, 0.5, 0.2, 1.0});
  return canvas.take();
}

}  // namespace soundgen
