// A night chorus of crickets: many singers near and far around the listener, over the hiss of
// countless distant insects and the night air.
#include <algorithm>
#include <cmath>

#include "soundgen/subjects/cricket_song.h"
#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/noise.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

using namespace crickets;

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

}  // namespace soundgen
