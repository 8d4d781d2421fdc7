// A swamp at night in spring, two choruses of the region's frogs over the swamp's soft hum of air
// and insects. The first variant is marsh frogs: each call a "laughing" series of short rasping
// pulse groups (ke-ke-ke-kek), males answering each other in bouts. The second is fire-bellied
// toads: soft mellow "oonk" notes around half a kilohertz, each male repeating his every second or
// two, a pond of them ringing like distant bells, with water plopping at the bank.
#include <algorithm>
#include <cmath>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/noise.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

// A marsh frog's voice: a buzz at its pitch shaped by its vocal sacs' two resonances.
struct Voice {
  double pitch_hz;
  double formant_hz[2];
  double formant_width_hz;
};

// Its call: pulse groups that come at `first_rate` per second slowing to `last_rate`, each group a
// short rasp of a few pulses.
struct Laugh {
  int groups;
  double first_rate, last_rate;
  int pulses;
  double pulse_period, duty;  // pulse spacing (s) and sounding fraction of it
};

struct Harmonic {
  double number, amplitude;
};

// The audible harmonics under a two-resonance envelope.
std::vector<Harmonic> formant_harmonics(const Voice& voice) {
  std::vector<Harmonic> harmonics;
  for (int h = 1; h * voice.pitch_hz < 6000; ++h) {
    double a = 0;
    for (double f : voice.formant_hz) {
      const double d = (h * voice.pitch_hz - f) / voice.formant_width_hz;
      a += std::exp(-d * d);
    }
    if (a > 0.02) harmonics.push_back({static_cast<double>(h), a});
  }
  return harmonics;
}

// When each pulse group of a call starts, in seconds from the call's start.
std::vector<double> group_onsets(const Laugh& laugh) {
  std::vector<double> onsets;
  double t = 0;
  for (int g = 0; g < laugh.groups; ++g) {
    onsets.push_back(t);
    const double f = laugh.groups > 1 ? static_cast<double>(g) / (laugh.groups - 1) : 0;
    t += 1.0 / (laugh.first_rate + (laugh.last_rate - laugh.first_rate) * f);
  }
  return onsets;
}

// One rasp: `pulses` buzzing pulses, louder towards the group's end, pitch rising a little.
void add_group(std::vector<float>& out, size_t start, const Voice& voice, const Laugh& laugh,
               const std::vector<Harmonic>& harmonics, double gain, Random& random) {
  const size_t length = frames_for(laugh.pulses * laugh.pulse_period);
  double phase = random.uniform(0, 2 * kPi);
  for (size_t i = 0; i < length && start + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += 2 * kPi * voice.pitch_hz * (1 + 0.05 * t / laugh.pulse_period / laugh.pulses) / kSampleRate;
    const double within = std::fmod(t, laugh.pulse_period) / (laugh.pulse_period * laugh.duty);
    if (within >= 1.0) continue;
    const double swell = 0.6 + 0.4 * t / (laugh.pulses * laugh.pulse_period);
    double v = 0;
    for (const Harmonic& h : harmonics) v += h.amplitude * std::sin(phase * h.number);
    out[start + i] += static_cast<float>(gain * swell * std::sin(kPi * within) * v);
  }
}

std::vector<float> laugh_call(const Voice& voice, const Laugh& laugh, Random& random) {
  const std::vector<Harmonic> harmonics = formant_harmonics(voice);
  const std::vector<double> onsets = group_onsets(laugh);
  std::vector<float> out(frames_for(onsets.back() + laugh.pulses * laugh.pulse_period + 0.01));
  for (size_t g = 0; g < onsets.size(); ++g) {
    // The call swells over its first groups and fades a little over its last.
    const double x = static_cast<double>(g) / static_cast<double>(onsets.size());
    const double gain = std::min(1.0, 0.45 + 1.5 * x) * (1.0 - 0.35 * x * x);
    add_group(out, frames_for(onsets[g]), voice, laugh, harmonics, gain * random.uniform(0.85, 1.0), random);
  }
  return out;
}

struct MarshFrog {
  Voice voice;
  Laugh laugh;
  double pan, gain;
};

// Pulse groups of about 4 pulses at 7 ms, 13 groups a second slowing to 8.
const Voice kMarshVoice = {420, {1300, 2200}, 450};
const Laugh kMarshLaugh = {10, 13.0, 8.0, 4, 0.007, 0.6};

MarshFrog marsh_frog(Random& random) {
  MarshFrog frog{kMarshVoice, kMarshLaugh, random.uniform(-0.9, 0.9), 0};
  frog.voice.pitch_hz *= random.uniform(0.85, 1.2);
  frog.voice.formant_hz[0] *= random.uniform(0.9, 1.15);
  frog.laugh.first_rate *= random.uniform(0.85, 1.15);
  frog.laugh.last_rate *= random.uniform(0.85, 1.15);
  frog.laugh.pulse_period *= random.uniform(0.85, 1.2);
  frog.gain = 0.12 / random.uniform(0.3, 1.0);
  return frog;
}

// One male calls; neighbours answer within a second or two and they call back and forth for a few
// seconds; then the pond rests until another starts.
void marsh_chorus(Canvas& canvas, Random& random) {
  std::vector<MarshFrog> frogs;
  for (int n = 0; n < 9; ++n) frogs.push_back(marsh_frog(random));
  double t = random.uniform(0, 2);
  while (t < canvas.seconds()) {
    const double bout_end = t + random.uniform(4, 10);
    const size_t starter = static_cast<size_t>(random.below(static_cast<int>(frogs.size())));
    for (size_t k = 0; k < frogs.size(); ++k) {
      if (k != starter && !random.chance(0.55)) continue;
      for (double at = t + (k == starter ? 0 : random.uniform(0.3, 2.0)); at < bout_end;) {
        MarshFrog& f = frogs[k];
        Laugh laugh = f.laugh;
        laugh.groups = 6 + random.below(8);
        const std::vector<float> call = laugh_call(f.voice, laugh, random);
        canvas.add(call, at, static_cast<float>(f.gain * random.uniform(0.7, 1.0)), static_cast<float>(f.pan));
        at += static_cast<double>(call.size()) / kSampleRate + random.uniform(0.5, 2.5);
      }
    }
    t = bout_end + random.uniform(1.5, 5);
  }
}

// A fire-bellied toad's note: a soft tone with weak overtones, swelling in and ringing out.
std::vector<float> oonk(double pitch_hz, Random& random) {
  Glide note;
  note.pitch = {{0, pitch_hz * 0.96}, {0.06, pitch_hz}, {random.uniform(0.22, 0.3), pitch_hz * 1.01}};
  note.harmonics = {1.0, 0.22, 0.07, 0.03};
  note.breath = 0.04;
  note.attack = 0.05;
  note.release = 0.16;
  return sing(note, random);
}

// Each male repeats his note at his own steady interval, now and then falling silent for a while.
void toad_chorus(Canvas& canvas, Random& random) {
  for (int n = 0; n < 11; ++n) {
    const double pitch = random.uniform(430, 560), interval = random.uniform(1.0, 2.0);
    const double pan = random.uniform(-0.9, 0.9), gain = 0.1 / random.uniform(0.3, 1.0);
    for (double t = random.uniform(0, interval); t < canvas.seconds(); t += interval * random.uniform(0.95, 1.05)) {
      if (random.chance(0.04)) t += random.uniform(3, 8);
      canvas.add(oonk(pitch * random.uniform(0.99, 1.01), random), t,
                 static_cast<float>(gain * random.uniform(0.8, 1.0)), static_cast<float>(pan));
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
    marsh_chorus(canvas, random);
  } else {
    toad_chorus(canvas, random);
    add_plops(canvas, random);
  }
  apply_room(canvas.sound(), Shape::Loop, {0.7, 0.5, 0.2, 1.0});
  return canvas.take();
}

}  // namespace soundgen
