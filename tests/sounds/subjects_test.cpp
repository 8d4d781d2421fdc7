// The subjects' building blocks and short renders: each sounds where its subject does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/analysis.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/random.h"

namespace soundgen {
namespace {

std::vector<double> spectrum_of(const std::vector<float>& samples) {
  return average_spectrum(samples, 2048);
}

// Frequency of the strongest bin in a short frame at `seconds`.
double pitch_at(const std::vector<float>& samples, double seconds) {
  return peak_frequency(frame_power(samples, frames_for(seconds), 8192), 80, 5000);
}

struct Note {
  double from, to;
};

// Spans louder than 15 dB under the loudest 40 ms frame; dips shorter than `bridge` seconds
// (an echo's flutter, a syllable's break) do not split a note.
std::vector<Note> notes_of(const std::vector<float>& samples, double bridge = 0.05) {
  const size_t frame = frames_for(0.04);
  std::vector<double> level;
  for (size_t start = 0; start + frame <= samples.size(); start += frame) {
    double sum = 0;
    for (size_t i = start; i < start + frame; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    level.push_back(sum);
  }
  const double threshold = *std::max_element(level.begin(), level.end()) * std::pow(10.0, -1.5);
  std::vector<Note> notes;
  for (size_t i = 0; i < level.size(); ++i) {
    if (level[i] < threshold) continue;
    const double from = 0.04 * static_cast<double>(i), to = from + 0.04;
    if (!notes.empty() && from - notes.back().to < bridge) notes.back().to = to;
    else notes.push_back({from, to});
  }
  return notes;
}

// Power of the k-th harmonic over [from, to) seconds, summed within 4% of k times each frame's
// strongest pitch between 150 and 1200 Hz.
double harmonic_power(const std::vector<float>& samples, double from, double to, int k) {
  const size_t size = 4096;
  const double bin = static_cast<double>(kSampleRate) / size;
  double sum = 0;
  for (size_t start = frames_for(from); start + size <= frames_for(to); start += size / 2) {
    const std::vector<double> power = frame_power(samples, start, size);
    const double f0 = peak_frequency(power, 150, 1200);
    for (auto b = static_cast<size_t>(k * f0 * 0.96 / bin); b <= static_cast<size_t>(k * f0 * 1.04 / bin); ++b)
      sum += power[b];
  }
  return sum;
}

// Loudness of the sound above `above_hz`, rectified and smoothed, once a millisecond.
std::vector<double> envelope(const std::vector<float>& samples, double above_hz) {
  Biquad cut_1 = Biquad::highpass(above_hz), cut_2 = Biquad::highpass(above_hz);
  OnePole smooth(150);
  std::vector<double> out;
  for (size_t i = 0; i < samples.size(); ++i) {
    const float level = smooth.process(std::abs(cut_2.process(cut_1.process(samples[i]))));
    if (i % 44 == 0) out.push_back(level);
  }
  return out;
}

// The rate per second at which the envelope swells and falls most strongly between lo and hi.
double rhythm(const std::vector<double>& env, double lo_hz, double hi_hz) {
  size_t size = 1;
  while (size < env.size()) size *= 2;
  double mean = 0;
  for (double v : env) mean += v / static_cast<double>(env.size());
  std::vector<std::complex<double>> data(size);
  for (size_t i = 0; i < env.size(); ++i) data[i] = env[i] - mean;
  fft(data);
  const double bin_hz = 1000.0 / static_cast<double>(size);
  size_t best = 0;
  for (size_t k = static_cast<size_t>(lo_hz / bin_hz); k <= static_cast<size_t>(hi_hz / bin_hz); ++k)
    if (std::norm(data[k]) > std::norm(data[best])) best = k;
  return static_cast<double>(best) * bin_hz;
}

TEST(Grains, BubbleRingsDownAndRisesInPitch) {
  const std::vector<float> b = bubble(1000, 0.1);
  ASSERT_GT(b.size(), 100u);
  float early = 0, late = 0;
  for (size_t i = 0; i < b.size() / 4; ++i) early = std::max(early, std::abs(b[i]));
  for (size_t i = 3 * b.size() / 4; i < b.size(); ++i) late = std::max(late, std::abs(b[i]));
  EXPECT_LT(late, early * 0.1f);
  // Zero crossings per unit time increase as the bubble rings.
  auto crossings = [&](size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += (b[i - 1] < 0) != (b[i] < 0);
    return n;
  };
  EXPECT_GT(crossings(b.size() / 2, b.size()), crossings(0, b.size() / 2));
}

TEST(Grains, SingFollowsItsPitchContour) {
  Random random(1);
  Glide g;
  g.pitch = {{0, 300}, {1.0, 600}, {2.0, 600}};
  const std::vector<float> tone = sing(g, random);
  EXPECT_EQ(tone.size(), frames_for(2.0));
  EXPECT_NEAR(pitch_at(tone, 0.05), 300, 20);
  EXPECT_NEAR(pitch_at(tone, 1.5), 600, 20);
}

// The bush cricket (11) is no cricket: it hisses far higher, tested below.
TEST(Subjects, CricketPhrasesSingBetweenThreeAndSixKilohertz) {
  for (int n = 3; n <= 10; ++n) {
    const Sound phrase = cricket_phrase(n);
    SCOPED_TRACE(n);
    EXPECT_GT(phrase.seconds(), 2.0);
    EXPECT_LT(phrase.seconds(), 6.0);
    const double peak = peak_frequency(spectrum_of(mono_mix(phrase)), 50, 20000);
    EXPECT_GT(peak, 3000);
    EXPECT_LT(peak, 6000);
  }
}

// Marsh frogs laugh "ke-ke-ke-kek": 6 to 15 pulse groups in a call of half a second to a second,
// the groups so some 6 to 20 a second, the call's strongest frequencies 1 to 2 kHz within a
// carrier band of 0.5 to 3 kHz.
TEST(Subjects, MarshFrogsLaughInPulseGroupsAroundOneAndAHalfKilohertz) {
  const std::vector<float> chorus = mono_mix(swamp(1));
  const std::vector<double> s = average_spectrum(chorus, 4096);
  EXPECT_GT(peak_frequency(s, 50, 20000), 1000);
  EXPECT_LT(peak_frequency(s, 50, 20000), 2000);
  EXPECT_GT(band_share(s, 500, 3000), 0.6);
  const double groups = rhythm(envelope(chorus, 500), 3, 60);
  EXPECT_GT(groups, 6);
  EXPECT_LT(groups, 20);
}

// Fire-bellied toads call a soft "oonk" of 400 to 600 Hz; no frog of the region calls as low as
// a few hundred hertz, so little of the chorus lies there.
TEST(Subjects, FireBelliedToadsCallAroundHalfAKilohertz) {
  const std::vector<double> s = average_spectrum(mono_mix(swamp(2)), 4096);
  EXPECT_GT(peak_frequency(s, 50, 20000), 400);
  EXPECT_LT(peak_frequency(s, 50, 20000), 600);
  EXPECT_LT(band_share(s, 0, 300), 0.15);
  EXPECT_GT(band_share(s, 400, 2500), 0.6);
}

// A mole cricket churrs for minutes: a carrier of about 3.5 kHz pulsed 50 to 90 times a second,
// unbroken between the phrase's fade-in and fade-out.
TEST(Subjects, MoleCricketChurrsUnbrokenAtThreeAndAHalfKilohertz) {
  const std::vector<float> churr = mono_mix(cricket_phrase(10));
  const double carrier = peak_frequency(spectrum_of(churr), 50, 20000);
  EXPECT_GT(carrier, 3300);
  EXPECT_LT(carrier, 3800);
  const std::vector<double> env = envelope(churr, 1500);
  const double pulses = rhythm(env, 20, 200);
  EXPECT_GT(pulses, 50);
  EXPECT_LT(pulses, 90);
  // Every 50 ms from 0.6 s to 3.4 s holds at least a quarter of the loudest's level.
  std::vector<double> windows;
  for (size_t at = 600; at + 50 <= 3400; at += 50) {
    double sum = 0;
    for (size_t i = at; i < at + 50; ++i) sum += env[i] * env[i];
    windows.push_back(sum);
  }
  EXPECT_GT(*std::min_element(windows.begin(), windows.end()),
            *std::max_element(windows.begin(), windows.end()) / 16);
}

// A great green bush cricket's syllables are broadband hisses, from 8 kHz up with their peak
// around 10 to 12 kHz: most of the song lies above 8 kHz and no narrow band holds much of it.
TEST(Subjects, BushCricketHissesAboveEightKilohertz) {
  const std::vector<double> s = spectrum_of(mono_mix(cricket_phrase(11)));
  const double peak = peak_frequency(s, 50, 20000);
  EXPECT_GT(peak, 8000);
  EXPECT_GT(band_share(s, 8000, 22050), 0.5);
  EXPECT_LT(band_share(s, peak - 500, peak + 500), 0.3);
}

// Spread of the levels of consecutive 0.4 s windows, 95th percentile less 5th, in dB.
double gust_range_db(const std::vector<float>& samples) {
  const size_t window = frames_for(0.4);
  std::vector<double> levels;
  for (size_t start = 0; start + window <= samples.size(); start += window) {
    double sum = 1e-12;
    for (size_t i = start; i < start + window; ++i) sum += static_cast<double>(samples[i]) * samples[i];
    levels.push_back(10 * std::log10(sum / window));
  }
  std::sort(levels.begin(), levels.end());
  return levels[levels.size() * 95 / 100] - levels[levels.size() * 5 / 100];
}

// Recordings of howling wind peak between 0.6 and 1 kHz with the bands below 160 Hz each some
// 20 dB down (a few percent of the power together), and swing by 14 dB or more between gusts and
// lulls; wind in leaves is a rustle topping out above 2 kHz that swings by over 20 dB.
TEST(Subjects, WindHowlsAroundOneKilohertzAndLeavesRustleHighBothInGusts) {
  const std::vector<float> howl = mono_mix(wind(2)), leaves = mono_mix(wind(1));
  const std::vector<double> s = average_spectrum(howl, 4096);
  EXPECT_GT(peak_frequency(s, 50, 20000), 500);
  EXPECT_LT(peak_frequency(s, 50, 20000), 1000);
  EXPECT_LT(band_share(s, 50, 160), 0.06);
  EXPECT_GT(gust_range_db(howl), 13);
  EXPECT_GT(peak_frequency(average_spectrum(leaves, 4096), 50, 20000), 2000);
  EXPECT_GT(gust_range_db(leaves), 13);
}

TEST(Subjects, OwlsHootWellBelowOneKilohertzAndWolvesHowlRisingThenFalling) {
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE(n);
    EXPECT_LT(peak_frequency(spectrum_of(mono_mix(night_call(n))), 50, 20000), 600);
  }
  const std::vector<float> howl = mono_mix(night_call(6));
  const double start = pitch_at(howl, 0.15), middle = pitch_at(howl, 2.5), end = pitch_at(howl, 4.85);
  EXPECT_GT(middle, start * 1.3);
  EXPECT_GT(middle, end * 1.3);
  EXPECT_LT(middle, 1000);
}

TEST(Subjects, TawnyOwlsPauseAfterTheLongHootThenStutterIntoTheQuaver) {
  for (int n = 1; n <= 2; ++n) {
    SCOPED_TRACE(n);
    const std::vector<Note> notes = notes_of(mono_mix(night_call(n)));
    ASSERT_GE(notes.size(), 3u);
    // The long first hoot, then a pause of 2 to 5 seconds before the rest of the song.
    EXPECT_GE(notes[0].to - notes[0].from, 0.5);
    EXPECT_GE(notes[1].from - notes[0].to, 2.0);
    EXPECT_LE(notes[1].from - notes[0].to, 5.0);
    // The whole song takes 5 to 8 seconds and ends on a long note of a second or so.
    EXPECT_GE(notes.back().to - notes[0].from, 5.0);
    EXPECT_LE(notes.back().to - notes[0].from, 8.0);
    EXPECT_GE(notes.back().to - notes.back().from, 0.8);
  }
  // Close by, the short notes before the last one stand apart: "hu ... hu-hu-hu-huuuu".
  const std::vector<Note> near = notes_of(mono_mix(night_call(1)));
  const auto short_notes = std::count_if(near.begin() + 1, near.end() - 1,
                                         [](const Note& note) { return note.to - note.from < 0.2; });
  EXPECT_GE(short_notes, 3);
}

TEST(Subjects, TheEagleOwlHootsAtItsPitchAndAtLeastFiveSecondsApart) {
  const std::vector<float> call = mono_mix(night_call(5));
  const double peak = peak_frequency(spectrum_of(call), 50, 20000);
  EXPECT_GE(peak, 250);
  EXPECT_LE(peak, 450);
  // Males repeat their "OO-hu" every 5 to 12 seconds or more: calls within one sound stand that far apart.
  const std::vector<Note> calls = notes_of(call, 1.0);
  for (size_t i = 1; i < calls.size(); ++i) EXPECT_GE(calls[i].from - calls[i - 1].from, 5.0);
}

TEST(Subjects, TheUralOwlHootsDeeperThanTheTawny) {
  const double ural = peak_frequency(spectrum_of(mono_mix(night_call(3))), 50, 20000);
  EXPECT_GE(ural, 250);
  EXPECT_LE(ural, 400);
  EXPECT_LT(ural, peak_frequency(spectrum_of(mono_mix(night_call(1))), 50, 20000));
}

TEST(Subjects, HowlsKeepTheirHarmonicsTenDecibelsUnderTheFundamental) {
  // Steady parts of the howls: a lone wolf's hold, the first of two before the second joins.
  const struct {
    int n;
    double from, to;
  } holds[] = {{6, 1.5, 3.5}, {7, 1.5, 4.0}, {8, 1.0, 1.4}, {10, 1.0, 2.2}, {10, 2.6, 3.4}};
  for (const auto& hold : holds) {
    SCOPED_TRACE(hold.n);
    const std::vector<float> howl = mono_mix(night_call(hold.n));
    const double fundamental = harmonic_power(howl, hold.from, hold.to, 1);
    for (int k = 2; k <= 4; ++k) {
      const double overtone = harmonic_power(howl, hold.from, hold.to, k);
      EXPECT_LE(10 * std::log10(overtone / fundamental), -10.0) << k;
    }
  }
}

// Bubbles ring at about 3.3 kHz over their radius in millimetres (Minnaert); a brook's bubbles of
// half a millimetre to a few and its splashes put most of its sound between 500 Hz and 8 kHz
// (recorded brooks hold 83 to 90 % of their power there). The deep stream's larger bubbles and
// rumble weigh it lower than the shallow brook.
TEST(Subjects, BrooksSoundBetweenHalfAKilohertzAndEightTheDeepOneLower) {
  const std::vector<double> shallow = average_spectrum(mono_mix(brook(1)), 4096);
  const std::vector<double> deep = average_spectrum(mono_mix(brook(2)), 4096);
  EXPECT_GT(band_share(shallow, 500, 8000), 0.75);
  EXPECT_GT(band_share(deep, 500, 8000), 0.75);
  EXPECT_GT(band_share(deep, 0, 1000), band_share(shallow, 0, 1000));
  EXPECT_GT(band_share(shallow, 4000, 22050), band_share(deep, 4000, 22050));
}

// A brook gushes: from one half second to another its loudness rises and falls by several
// decibels, so that where in the loop it plays, and how fast, can be told from its loudness
// alone; a steady hiss would hold within a fraction of a decibel.
TEST(Subjects, BrooksGushRatherThanHiss) {
  for (int variant : {1, 2}) {
    const Sound water = brook(variant);
    double quiet = INFINITY, loud = 0;
    for (double t = 0; t + 0.5 <= water.seconds(); t += 0.5) {
      quiet = std::min(quiet, rms(water, t, t + 0.5));
      loud = std::max(loud, rms(water, t, t + 0.5));
    }
    EXPECT_GT(20 * std::log10(loud / quiet), 6.0) << variant;
  }
}

TEST(Subjects, RenderTheSameSamplesEveryTime) {
  const Sound a = night_call(9), b = night_call(9);
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.right, b.right);
  EXPECT_NE(cricket_phrase(3).left, cricket_phrase(4).left);
}

}  // namespace
}  // namespace soundgen
