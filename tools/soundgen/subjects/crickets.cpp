// Crickets: each insect sings pulses of an almost pure tone (its wings' carrier, 3 to 6 kHz),
// either grouped into chirps or run together into long trills with pauses between bouts. A
// chorus is many such singers around the listener; a phrase is one singer for a few seconds.
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

struct Song {
  double carrier_hz;
  double pulse_seconds, pulse_period;  // one syllable and the spacing of syllables
  int pulses_per_chirp;                // 0 for a trill
  double chirp_period;                 // chirps; for a trill, the mean bout length
  double pause;                        // mean silence between chirps' groups or trill bouts
};

// How a syllable's carrier moves: the share it falls by as the wing closes, its octave and its
// third harmonic.
struct Voice {
  double fall, octave, third = 0;
};
const Voice kNearVoice = {0.03, 0.06};

// One syllable: a tone that sags in pitch as the wing closes, with a trace of its octave.
std::vector<float> pulse(const Song& song, double carrier_hz, const Voice& voice = kNearVoice) {
  std::vector<float> grain(frames_for(song.pulse_seconds));
  double phase = 0;
  for (size_t i = 0; i < grain.size(); ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(grain.size());
    phase += 2 * kPi * carrier_hz * (1.0 - voice.fall * x) / kSampleRate;
    const double envelope = std::pow(std::sin(kPi * x), 2.0);
    grain[i] = static_cast<float>(
        envelope * (std::sin(phase) + voice.octave * std::sin(2 * phase) + voice.third * std::sin(3 * phase)));
  }
  return grain;
}

struct Singer {
  Song song;
  double pan, gain;
  Voice voice = kNearVoice;
};

// Sings from `from` to `to` seconds, pausing now and then as real crickets do.
void sing(Canvas& canvas, const Singer& singer, double from, double to, Random& random) {
  const Song& s = singer.song;
  const double carrier = s.carrier_hz * random.uniform(0.98, 1.02);
  const std::vector<float> grain = pulse(s, carrier, singer.voice);
  const auto pan = static_cast<float>(singer.pan);
  double t = from;
  while (t < to) {
    const int pulses = s.pulses_per_chirp > 0
                           ? s.pulses_per_chirp
                           : static_cast<int>(random.uniform(0.5, 1.5) * s.chirp_period / s.pulse_period);
    const auto gain = static_cast<float>(singer.gain * random.uniform(0.85, 1.0));
    for (int k = 0; k < pulses && t + k * s.pulse_period < to; ++k) {
      const double swell = s.pulses_per_chirp > 0 ? 1.0 : std::min(1.0, (k + 1) / 8.0);
      canvas.add(grain, t + k * s.pulse_period + random.uniform(-0.0007, 0.0007),
                 static_cast<float>(gain * swell), pan);
    }
    t += s.pulses_per_chirp > 0 ? s.chirp_period * random.uniform(0.93, 1.07) : pulses * s.pulse_period;
    if (random.chance(s.pulses_per_chirp > 0 ? 0.08 : 1.0)) t += random.exponential(1.0 / s.pause);
  }
}

// The bed under a chorus: countless distant insects merge into a hiss, strongest between 2 and
// 6.5 kHz where they sing, over the softer broadband rustle of the night air below.
struct Bed {
  double air, insects;  // levels of the two layers
};

class BedChannel {
public:
  BedChannel(Random& random, const Bed& bed)
      : bed_(bed), air_(random.next()), insects_(random.next()) {}
  // Each layer scaled by its own flutter.
  float next(float air_flutter, float insect_flutter) {
    const float air = air_lp_.process(air_hp_.process(air_.next()));
    const float band = band_lp_2_.process(band_lp_1_.process(band_hp_2_.process(band_hp_1_.process(insects_.next()))));
    const float insects = band_lp_4_.process(band_lp_3_.process(band));
    return static_cast<float>(bed_.air * air_flutter * air + bed_.insects * insect_flutter * insects);
  }

private:
  Bed bed_;
  PinkNoise air_;
  WhiteNoise insects_;
  Biquad air_hp_ = Biquad::highpass(140), air_lp_ = Biquad::lowpass(2500);
  Biquad band_hp_1_ = Biquad::highpass(1400), band_hp_2_ = Biquad::highpass(1400);
  // The insects stop sharply above 6 kHz.
  Biquad band_lp_1_ = Biquad::lowpass(6200), band_lp_2_ = Biquad::lowpass(6200);
  Biquad band_lp_3_ = Biquad::lowpass(6200), band_lp_4_ = Biquad::lowpass(6200);
};

// Distant singers' chirps fall into step and out again, so the bed swells at their chirp rate
// (1.5 to 3.5 Hz), and their syllables flicker it at 9 to 35 Hz; between the two it holds steady.
// Each depth is that part's standard deviation.
class Flutter {
public:
  Flutter(uint64_t seed, float chirp_depth, float syllable_depth)
      : chirps_(seed), syllables_(Random(seed).next()), chirp_depth_(chirp_depth), syllable_depth_(syllable_depth) {}
  float next() {
    const float swell = chirp_hp_.process(chirp_lp_2_.process(chirp_lp_1_.process(chirps_.next())));
    const float flicker =
        syllable_lp_2_.process(syllable_lp_1_.process(syllable_hp_2_.process(syllable_hp_1_.process(syllables_.next()))));
    // Shares of the white noise's spread kept through each band.
    return std::max(0.0f, 1.0f + chirp_depth_ / kChirpShare * swell + syllable_depth_ / kSyllableShare * flicker);
  }

private:
  static constexpr float kChirpShare = 0.0044f, kSyllableShare = 0.017f;
  WhiteNoise chirps_, syllables_;
  float chirp_depth_, syllable_depth_;
  Biquad chirp_lp_1_ = Biquad::lowpass(3.5), chirp_lp_2_ = Biquad::lowpass(3.5), chirp_hp_ = Biquad::highpass(1.5);
  Biquad syllable_hp_1_ = Biquad::highpass(9), syllable_hp_2_ = Biquad::highpass(9);
  Biquad syllable_lp_1_ = Biquad::lowpass(35), syllable_lp_2_ = Biquad::lowpass(35);
};

Sound night_air(double seconds, const Bed& bed, Random& random) {
  const size_t loop = frames_for(seconds);
  Sound air(loop + frames_for(1.0));
  BedChannel left(random, bed), right(random, bed);
  // The insects' hiss swells with the distant chirps; the air under it hardly swells, only flickers.
  Flutter air_flutter(random.next(), 0.05f, 0.2f), insect_flutter(random.next(), 0.3f, 0.3f);
  for (size_t i = 0; i < air.frames(); ++i) {
    const float a = air_flutter.next(), b = insect_flutter.next();
    air.left[i] = left.next(a, b);
    air.right[i] = right.next(a, b);
  }
  return crossfade_loop(air, loop);
}

// Field crickets chirping all around, near and far: three or four syllables a chirp, each
// falling about a tenth in pitch; the high singers of the first chorus and the lower of the second.
const Song kFieldCricket = {4900, 0.022, 0.038, 3, 0.45, 1.5};
const Song kLowFieldCricket = {3900, 0.03, 0.06, 3, 0.4, 1.5};
// Tree crickets trilling in long bouts, lower and softer.
const Song kTreeCricket = {3800, 0.014, 0.026, 0, 6.0, 1.5};
// A low trill that runs under the whole chorus in short, broken bouts.
const Song kLowTrill = {2450, 0.03, 0.045, 0, 0.3, 0.1};
const Voice kChorusVoice = {0.1, 0.01}, kTrillVoice = {0.03, 0.01};
// The high singers' third harmonic reaches 15 to 17 kHz in the recorded night chorus.
const Voice kHighVoice = {0.1, 0.01, 0.05};

Singer around(Random& random, const Song& song, double carrier_spread, const Voice& voice) {
  Song s = song;
  s.carrier_hz *= random.uniform(1 - carrier_spread, 1 + carrier_spread);
  s.chirp_period *= random.uniform(0.75, 1.35);
  const double pace = random.uniform(0.9, 1.8);  // some sing slower syllables
  s.pulse_seconds *= pace;
  s.pulse_period *= pace;
  if (s.pulses_per_chirp > 0) s.pulses_per_chirp += random.below(3) - 1;  // each its own count
  const double distance = random.uniform(0.4, 1.0);
  return {s, random.uniform(-0.95, 0.95), 0.35 / (distance * distance + 0.1), voice};
}

void sing_many(Canvas& canvas, int count, const Song& song, double spread, const Voice& voice, double gain,
               Random& random) {
  for (int n = 0; n < count; ++n) {
    Singer singer = around(random, song, spread, voice);
    singer.gain *= gain;
    sing(canvas, singer, 0, canvas.seconds(), random);
  }
}

}  // namespace

Sound cricket_chorus(int variant) {
  const double seconds = variant == 1 ? 40.0 : 36.0;
  Random random(variant == 1 ? 0x7376657231 : 0x7376657232);
  Canvas canvas(seconds, Shape::Loop);
  if (variant == 1) {
    canvas.mix(night_air(seconds, {0.12, 0.9}, random));
    sing_many(canvas, 3, kFieldCricket, 0.1, kHighVoice, 1.6, random);
    sing_many(canvas, 20, kFieldCricket, 0.2, kHighVoice, 0.15, random);
    sing_many(canvas, 20, kLowFieldCricket, 0.1, kChorusVoice, 0.2, random);
    sing_many(canvas, 2, kLowTrill, 0.03, kTrillVoice, 0.6, random);
  } else {
    canvas.mix(night_air(seconds, {0.2, 1.0}, random));
    sing_many(canvas, 3, kLowFieldCricket, 0.08, kChorusVoice, 1.8, random);
    // Two high singers close by carry the chirp rhythm over the lower chorus.
    sing_many(canvas, 2, kFieldCricket, 0.08, kChorusVoice, 1.0, random);
    sing_many(canvas, 16, kLowFieldCricket, 0.15, kChorusVoice, 0.15, random);
    sing_many(canvas, 16, kFieldCricket, 0.15, kChorusVoice, 0.35, random);
    sing_many(canvas, 3, kTreeCricket, 0.06, kChorusVoice, 0.15, random);
    sing_many(canvas, 2, kLowTrill, 0.03, kTrillVoice, 1.0, random);
  }
  apply_room(canvas.sound(), Shape::Loop, {0.5, 0.5, 0.12, 1.0});
  return canvas.take();
}

namespace {

struct Phrase {
  Song song;
  double seconds, pan, distance;
};

// Phrases 3 to 9 are the meadow's crickets.
const Phrase kPhrases[] = {
    {{4600, 0.016, 0.034, 4, 0.50, 2.0}, 3.5, -0.3, 0.3},
    {{5200, 0.012, 0.026, 3, 0.30, 2.0}, 3.0, 0.5, 0.4},
    {{3600, 0.011, 0.021, 0, 2.40, 0.5}, 3.2, 0.1, 0.5},
    {{4200, 0.018, 0.036, 7, 0.70, 2.0}, 4.0, -0.6, 0.35},
    {{4400, 0.020, 0.040, 3, 0.45, 2.0}, 3.0, 0.2, 0.15},
    {{4800, 0.015, 0.033, 4, 0.55, 2.0}, 4.0, 0.7, 0.9},
    {{5600, 0.007, 0.016, 2, 0.12, 1.0}, 3.0, -0.2, 0.45},
};

// 10 and 11 are heard only by the swamp. A mole cricket churrs from its burrow for minutes on
// end: an unbroken trill of 3.5 kHz pulses, 70 a second.
const Phrase kMoleCricket = {{3500, 0.009, 1.0 / 70, 0, 0, 0}, 4.0, -0.4, 0.5};
// A great green bush cricket sings long runs of double syllables ("zik-zik"), each a dry hiss of
// its file's teeth, broadband from 8 kHz up with most of it around 10 to 12 kHz.
const Phrase kBushCricket = {{0, 0.010, 0.07, 2, 0, 0}, 3.5, 0.4, 0.4};
constexpr double kBushSecondSyllable = 0.022, kBushSyllableGap = 0.012;

// Loudness over a phrase that sings throughout: in and out at its ends only.
double phrase_swell(const Phrase& p, double t) { return fade_window(t - 0.05, p.seconds - 0.05, 0.4, 0.4); }

void churr(Canvas& canvas, const Phrase& p, Random& random) {
  const std::vector<float> grain = pulse(p.song, p.song.carrier_hz);
  for (double t = 0.05; t < p.seconds; t += p.song.pulse_period) {
    const double gain = phrase_swell(p, t) * random.uniform(0.9, 1.0);
    canvas.add(grain, t + random.uniform(-0.0004, 0.0004), static_cast<float>(gain), static_cast<float>(p.pan));
  }
}

// One syllable: white noise through the high resonance of the wings, sharp on, ringing off.
std::vector<float> hiss(double seconds, Random& random) {
  std::vector<float> grain(frames_for(seconds));
  Biquad low_cut_1 = Biquad::highpass(7500), low_cut_2 = Biquad::highpass(7500);
  Biquad resonance = Biquad::peaking(11000, 1.2, 8), top = Biquad::lowpass(17000);
  for (size_t i = 0; i < grain.size(); ++i) {
    const double x = static_cast<double>(i) / static_cast<double>(grain.size());
    const double envelope = std::min(1.0, 8 * x) * (1 - x);
    grain[i] = static_cast<float>(envelope) * top.process(resonance.process(low_cut_2.process(low_cut_1.process(random.bipolar()))));
  }
  return grain;
}

void zik_zik(Canvas& canvas, const Phrase& p, Random& random) {
  const auto pan = static_cast<float>(p.pan);
  for (double t = 0.05; t < p.seconds; t += p.song.pulse_period * random.uniform(0.97, 1.03)) {
    const double gain = phrase_swell(p, t) * random.uniform(0.85, 1.0);
    canvas.add(hiss(p.song.pulse_seconds, random), t, static_cast<float>(0.5 * gain), pan);
    canvas.add(hiss(kBushSecondSyllable, random), t + p.song.pulse_seconds + kBushSyllableGap,
               static_cast<float>(gain), pan);
  }
}

}  // namespace

Sound cricket_phrase(int number) {
  const Phrase& p = number == 10 ? kMoleCricket : number == 11 ? kBushCricket : kPhrases[number - 3];
  Random random(0x73766572000 + static_cast<uint64_t>(number));
  Canvas canvas(p.seconds + 0.6, Shape::OneShot);
  if (number == 10) {
    churr(canvas, p, random);
  } else if (number == 11) {
    zik_zik(canvas, p, random);
  } else {
    sing(canvas, {p.song, p.pan, 1.0}, 0.05, p.seconds, random);
  }
  apply_room(canvas.sound(), Shape::OneShot, {0.5, 0.5, 0.1 + 0.3 * p.distance, 1.0 - 0.5 * p.distance});
  return canvas.take();
}

}  // namespace soundgen
