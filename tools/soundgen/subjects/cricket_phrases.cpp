// Single crickets for a few seconds each: the meadow's chirping and trilling crickets, a mole
// cricket churring and a bush cricket's dry double syllables.
#include <algorithm>
#include <cmath>

#include "soundgen/subjects/cricket_song.h"
#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/curves.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

using namespace crickets;

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
