// The measurements that compare sounds with real recordings, on signals whose figures follow
// from their definitions.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "soundgen/measure/figures.h"
#include "soundgen/measure/impulses.h"
#include "soundgen/measure/modulation.h"
#include "soundgen/measure/references.h"
#include "soundgen/measure/spectrum_figures.h"
#include "soundgen/synth/random.h"

namespace soundgen {
namespace {

Recording white_noise(double seconds, uint64_t seed = 7) {
  Random random(seed);
  Recording r;
  r.samples.resize(frames_for(seconds));
  for (float& s : r.samples) s = 0.3f * random.bipolar();
  return r;
}

Recording tone(double hz, double seconds, double rate = kSampleRate) {
  Recording r{std::vector<float>(static_cast<size_t>(seconds * rate)), rate};
  for (size_t i = 0; i < r.samples.size(); ++i)
    r.samples[i] = static_cast<float>(0.5 * std::sin(2 * kPi * hz * static_cast<double>(i) / rate));
  return r;
}

size_t band_index(double centre) {
  const auto& c = third_octave_centres();
  for (size_t k = 0; k < c.size(); ++k)
    if (std::abs(c[k] / centre - 1) < 0.05) return k;
  return c.size();
}

TEST(SpectrumFigures, AWeightingFollowsTheStandardTable) {
  EXPECT_NEAR(10 * std::log10(a_weighting(1000)), 0.0, 0.05);
  EXPECT_NEAR(10 * std::log10(a_weighting(100)), -19.1, 0.1);
  EXPECT_NEAR(10 * std::log10(a_weighting(50)), -30.2, 0.1);
  EXPECT_NEAR(10 * std::log10(a_weighting(10000)), -2.5, 0.1);
}

TEST(SpectrumFigures, AToneSitsInItsBandAtTheAWeightedTotal) {
  for (double rate : {44100.0, 48000.0}) {
    SCOPED_TRACE(rate);
    const LongTermSpectrum s = long_term_spectrum(tone(1000, 4, rate));
    const std::vector<double> levels = third_octave_levels(s);
    // At 1 kHz the A-weighting is unity, so the band holds the whole weighted total.
    EXPECT_NEAR(levels[band_index(1000)], 0.0, 0.2);
    EXPECT_LT(levels[band_index(500)], -40);
    EXPECT_NEAR(spectral_centroid_hz(s), 1000, 10);
    EXPECT_LT(spectral_flatness_db(s), -40);
    EXPECT_NEAR(a_weighted_share_above(s, 300), 1.0, 1e-3);
  }
}

TEST(SpectrumFigures, WhiteNoiseIsFlatAndRisesOneDecibelPerThirdOctave) {
  const LongTermSpectrum s = long_term_spectrum(white_noise(20));
  EXPECT_GT(spectral_flatness_db(s), -0.5);
  const std::vector<double> levels = third_octave_levels(s);
  // Each band is 2^(1/3) times as wide as the one below: 10 log10(2^(1/3)) = 1.0 dB more power.
  EXPECT_NEAR((levels[band_index(8000)] - levels[band_index(1000)]) / 9, 1.0, 0.1);
  // Over 50 Hz to 11 kHz the centroid of a flat spectrum is the middle, 5525 Hz.
  EXPECT_NEAR(spectral_centroid_hz(s), 5525, 60);
  EXPECT_LT(centroid_spread_octaves(white_noise(5)), 0.02);
}

TEST(SpectrumFigures, BandsARateCannotHoldAreLeftOut) {
  const std::vector<double> levels = third_octave_levels(long_term_spectrum(tone(1000, 2, 16000)));
  EXPECT_TRUE(std::isnan(levels[band_index(8000)]));
  EXPECT_FALSE(std::isnan(levels[band_index(5000)]));
}

TEST(Modulation, FullSinusoidalModulationReadsMinusThreeDecibelsAtItsRate) {
  Recording r = tone(1000, 30);
  for (size_t i = 0; i < r.samples.size(); ++i)
    r.samples[i] *= static_cast<float>(0.5 * (1 + std::cos(2 * kPi * 5 * static_cast<double>(i) / kSampleRate)));
  const std::vector<double> map = modulation_map(r);
  const size_t rates = modulation_rates().size();
  const size_t band = 3;  // 1 kHz
  ASSERT_EQ(modulation_band_centres()[band], 1000);
  EXPECT_NEAR(map[band * rates + 3], -3.0, 0.5);  // 4 to 8 Hz
  EXPECT_LT(map[band * rates + 1], -30);           // 1 to 2 Hz
  EXPECT_LT(map[band * rates + 6], -30);           // 32 to 64 Hz
}

TEST(Modulation, RatesTooSlowForTheRecordingAreLeftOut) {
  const std::vector<double> map = modulation_map(white_noise(2));
  EXPECT_TRUE(std::isnan(map[0]));   // 0.5 Hz needs four seconds of envelope
  EXPECT_FALSE(std::isnan(map[5]));  // 16 Hz does not
}

TEST(Impulses, SteadySignalsReadTheirTextbookFigures) {
  EXPECT_NEAR(crest_factor_db(tone(440, 2)), 3.01, 0.05);  // a sine's peak is √2 its RMS
  Recording gaussian = white_noise(10);
  Random random(3);
  for (float& s : gaussian.samples) {
    double sum = 0;
    for (int k = 0; k < 12; ++k) sum += random.uniform();
    s = static_cast<float>(0.1 * (sum - 6));
  }
  EXPECT_NEAR(band_kurtosis(gaussian), 3.0, 0.2);
  const Onsets steady = onset_rates(gaussian);
  EXPECT_EQ(steady.jumps_per_second, 0);
}

TEST(Impulses, LevelRangeAndOnsetsOfClicksOverAQuietBed) {
  Recording r = white_noise(10);
  for (float& s : r.samples) s *= 0.01f;
  // A 20 dB step every two seconds: the 0.4 s windows split evenly between two levels.
  Recording stepped = r;
  for (size_t i = 0; i < stepped.samples.size(); ++i)
    if ((i / frames_for(2.0)) % 2) stepped.samples[i] *= 10;
  EXPECT_NEAR(level_range_db(stepped), 20, 0.5);
  // Loud clicks ten times a second: ten jumps a second, nothing small.
  Random random(5);
  for (size_t at = frames_for(0.05); at + 200 < r.samples.size(); at += frames_for(0.1))
    for (size_t i = 0; i < 200; ++i) r.samples[at + i] += 0.5f * random.bipolar();
  const Onsets onsets = onset_rates(r);
  EXPECT_NEAR(onsets.jumps_per_second, 10, 0.3);
  EXPECT_LT(onsets.small_per_second, 0.5);
}

TEST(References, StoredFiguresReadBackAsWritten) {
  const Reference written{"thunder", "roll", "some-package 1.0 path/roll.ogg", measure_figures(tone(300, 6))};
  std::stringstream file;
  file << "# a comment\n";
  write_reference(file, written);
  file << "reference\nnot a figure line\n";
  const std::vector<Reference> read = read_references(file);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].subject, "thunder");
  EXPECT_EQ(read[0].source, written.source);
  ASSERT_EQ(read[0].figures.size(), written.figures.size());
  for (const auto& [name, values] : written.figures) {
    ASSERT_EQ(read[0].figures.at(name).size(), values.size()) << name;
    for (size_t k = 0; k < values.size(); ++k) {
      if (std::isnan(values[k])) EXPECT_TRUE(std::isnan(read[0].figures.at(name)[k]));
      else EXPECT_NEAR(read[0].figures.at(name)[k], values[k], std::abs(values[k]) * 1e-3 + 1e-3) << name;
    }
  }
}

TEST(References, JudgementPassesTheRecordingsOwnFiguresAndFailsAnOutlier) {
  const Subject fire{"fire", {}, true, false};
  const Figures a = measure_figures(white_noise(6, 1)), b = measure_figures(white_noise(6, 2));
  EXPECT_TRUE(judge(fire, a, {&a, &b}).failures.empty());
  const Figures dark = measure_figures(tone(200, 6));
  const Verdict v = judge(fire, dark, {&a, &b});
  EXPECT_NE(std::find(v.failures.begin(), v.failures.end(), "centroid_hz"), v.failures.end());
  EXPECT_NE(std::find(v.failures.begin(), v.failures.end(), "third_octave_db"), v.failures.end());
  const Subject thunder{"thunder", {}, false, true};
  const Verdict low = judge(thunder, dark, {&dark});
  EXPECT_NE(std::find(low.failures.begin(), low.failures.end(), "share_above_300_hz"), low.failures.end());
}

}  // namespace
}  // namespace soundgen
