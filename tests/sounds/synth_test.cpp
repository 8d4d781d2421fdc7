// The synthesis toolkit: seamless loops, levels, filters and the measurements built on them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "soundgen/synth/analysis.h"
#include "soundgen/synth/canvas.h"
#include "soundgen/synth/filters.h"
#include "soundgen/synth/grains.h"
#include "soundgen/synth/levels.h"
#include "soundgen/synth/noise.h"
#include "soundgen/synth/reverb.h"

namespace soundgen {
namespace {

Sound sine(double hz, double seconds, float amplitude) {
  Sound s(frames_for(seconds));
  for (size_t i = 0; i < s.frames(); ++i)
    s.left[i] = s.right[i] = amplitude * static_cast<float>(std::sin(2 * kPi * hz * static_cast<double>(i) / kSampleRate));
  return s;
}

Sound noise(double seconds, uint64_t seed) {
  Sound s(frames_for(seconds));
  PinkNoise left(seed), right(seed + 1);
  for (size_t i = 0; i < s.frames(); ++i) s.left[i] = left.next(), s.right[i] = right.next();
  return s;
}

double db(double ratio) { return 20 * std::log10(ratio); }

TEST(Canvas, LoopWrapsAnEventsTailToTheStartAndOneShotCutsIt) {
  const std::vector<float> grain(100, 1.0f);
  Canvas loop(0.01, Shape::Loop), once(0.01, Shape::OneShot);
  const double near_end = (static_cast<double>(loop.sound().frames()) - 40) / kSampleRate;
  loop.add(grain, near_end, 1.0f);
  once.add(grain, near_end, 1.0f);
  EXPECT_GT(loop.sound().left[10], 0.5f);
  EXPECT_GT(loop.sound().left.back(), 0.5f);
  EXPECT_EQ(once.sound().left[10], 0.0f);
  EXPECT_GT(once.sound().left.back(), 0.5f);
}

TEST(Canvas, PanIsEqualPower) {
  for (float pan : {-1.0f, -0.3f, 0.0f, 0.8f}) {
    const PanGains g = pan_gains(pan);
    EXPECT_NEAR(g.left * g.left + g.right * g.right, 1.0f, 1e-5f);
  }
  EXPECT_NEAR(pan_gains(-1).right, 0.0f, 1e-6f);
  EXPECT_NEAR(pan_gains(1).left, 0.0f, 1e-6f);
}

TEST(CrossfadeLoop, NoiseFlowsAcrossTheSeamAtAnEvenLevel) {
  const size_t frames = frames_for(4.0);
  const Sound loop = crossfade_loop(noise(5.0, 7), frames);
  ASSERT_EQ(loop.frames(), frames);
  EXPECT_LE(seam_step(loop), step_quantile(loop, 0.999));
  // Equal-power fading keeps the level through the fade (first second) like the rest.
  EXPECT_NEAR(db(rms(loop, 0.25, 0.75) / rms(loop, 1.5, 3.5)), 0.0, 1.0);
}

TEST(Loudness, FullScaleSineInBothChannelsIsZeroLufs) {
  // The reference point of the broadcast loudness scale: a 997 Hz sine at full scale, 0 LUFS
  // for two channels.
  EXPECT_NEAR(loudness_lufs(sine(997, 3.0, 1.0f)), 0.0, 0.3);
  EXPECT_NEAR(loudness_lufs(sine(997, 3.0, 0.1f)), -20.0, 0.3);
}

TEST(Loudness, GatingIgnoresSilence) {
  Sound s = sine(997, 6.0, 0.1f);
  for (size_t i = 0; i < s.frames() / 2; ++i) s.left[i] = s.right[i] = 0;
  EXPECT_NEAR(loudness_lufs(s), -20.0, 0.5);
}

TEST(SetLoudness, ReachesTheTargetAndHoldsPeaksUnderTheCeiling) {
  Sound s = noise(6.0, 3);
  for (size_t at : {size_t{1000}, s.frames() / 2}) s.left[at] = s.right[at] = 40.0f;
  set_loudness(s, Shape::OneShot, -20.0, 0.891f);
  EXPECT_LE(peak(s), 0.8911f);
  EXPECT_NEAR(loudness_lufs(s), -20.0, 1.0);
}

TEST(SetLoudness, OnALoopTheLimiterLooksAcrossTheSeam) {
  Sound loop = sine(1000, 2.0, 0.1f);
  loop.left.back() = loop.right.back() = 40.0f;
  Sound once = loop;
  set_loudness(loop, Shape::Loop, -20.0, 0.891f);
  set_loudness(once, Shape::OneShot, -20.0, 0.891f);
  auto level = [](const Sound& s, size_t from) {
    float p = 0;
    for (size_t i = from; i < from + 50; ++i) p = std::max(p, std::abs(s.left[i]));
    return p;
  };
  EXPECT_LT(level(loop, 0), 0.5f * level(loop, 10000));
  EXPECT_NEAR(level(once, 0), level(once, 10000), 0.01f);
}

TEST(Filters, BandpassPassesItsCentreAtUnitGainAndDampsAnOctaveAway) {
  auto through = [](Biquad f, double hz) {  // the amplitude of a unit sine after the filter
    Sound s = sine(hz, 1.0, 1.0f);
    f.process(s.left);
    s.right = s.left;
    return rms(s, 0.5, 1.0) * std::sqrt(2.0);
  };
  EXPECT_NEAR(through(Biquad::bandpass(1000, 4), 1000), 1.0, 0.02);
  EXPECT_LT(through(Biquad::bandpass(1000, 4), 2000), 0.25);
  EXPECT_LT(through(Biquad::lowpass(500), 4000), 0.03);
  EXPECT_LT(through(Biquad::highpass(4000), 500), 0.03);
}

TEST(Analysis, FindsASinesFrequencyAndBand) {
  const std::vector<double> spectrum = average_spectrum(mono_mix(sine(3000, 1.0, 0.5f)));
  EXPECT_NEAR(peak_frequency(spectrum, 100, 20000), 3000, 15);
  EXPECT_GT(band_share(spectrum, 2800, 3200), 0.98);
  EXPECT_LT(band_share(spectrum, 100, 2000), 0.01);
}

TEST(Room, LoopTailRingsOnAtTheStart) {
  Sound click(frames_for(1.0));
  click.left.back() = click.right.back() = 1.0f;  // a click on the loop's last sample
  apply_room(click, Shape::Loop, {0.8, 0.4, 0.5, 1.0});
  EXPECT_GT(rms(click, 0.0, 0.3), 1e-4);
}

// Lengths in seconds of a pure tone's vibrato cycles: from each upward pass of its frequency
// through `centre` Hz to the next, read from the tone's own zero crossings.
std::vector<double> vibrato_cycles(const std::vector<float>& tone, double centre) {
  std::vector<double> cycles;
  double last_crossing = -1, last_pass = -1;
  bool below = false;
  for (size_t i = 1; i < tone.size(); ++i) {
    if (tone[i - 1] >= 0 || tone[i] < 0) continue;
    const double crossing = (static_cast<double>(i - 1) + tone[i - 1] / (tone[i - 1] - tone[i])) / kSampleRate;
    if (last_crossing >= 0) {
      const double hz = 1 / (crossing - last_crossing);
      if (hz < centre * 0.995) below = true;
      if (below && hz > centre * 1.005) {
        if (last_pass >= 0) cycles.push_back(crossing - last_pass);
        last_pass = crossing;
        below = false;
      }
    }
    last_crossing = crossing;
  }
  return cycles;
}

TEST(Glide, AWanderingVibratoVariesItsCyclesAndASteadyOneDoesNot) {
  Glide g;
  g.pitch = {{0, 400}, {4.0, 400}};
  g.vibrato_hz = 5;
  g.vibrato_depth = 0.03;
  for (double wander : {0.0, 0.5}) {
    SCOPED_TRACE(wander);
    g.vibrato_wander = wander;
    Random random(3);
    std::vector<double> cycles = vibrato_cycles(sing(g, random), 400);
    ASSERT_GE(cycles.size(), 12u);
    std::sort(cycles.begin(), cycles.end());
    const double spread = cycles.back() / cycles.front();
    // Steady: every cycle 1/5 s; wandering by half: rates from 2.5 to 7.5 Hz, far more than a third apart.
    if (wander == 0) {
      EXPECT_NEAR(cycles[cycles.size() / 2], 0.2, 0.01);
      EXPECT_LT(spread, 1.1);
    } else {
      EXPECT_GT(spread, 1.3);
    }
  }
}

TEST(Glide, FollowsItsLoudnessContour) {
  Glide g;
  g.pitch = {{0, 400}, {2.0, 400}};
  g.loudness = {{0, 1.0}, {1.0, 1.0}, {1.2, 0.1}, {2.0, 0.1}};
  Random random(4);
  const std::vector<float> tone = sing(g, random);
  Sound s(tone.size());
  s.left = s.right = tone;
  EXPECT_NEAR(db(rms(s, 1.3, 1.8) / rms(s, 0.3, 0.9)), -20.0, 0.5);
}

}  // namespace
}  // namespace soundgen
