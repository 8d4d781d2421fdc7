// Tempo streams as the tempo extension makes them: stretched in time, never in pitch, looping
// through the stretcher, freeing their source with them.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "audio/bass_api.h"
#include "audio/core/tempo_source.h"
#include "tests/audio/support/offline_engine.h"

namespace velmora::audio {
namespace {

using testing::OfflineEngine;
constexpr double kRate = OfflineEngine::kRate;

std::unique_ptr<Source> makeTempo(std::unique_ptr<Source> input, uint32_t rate) {
  return std::make_unique<TempoSource>(std::move(input), rate);
}

uint32_t tempoStream(OfflineEngine& engine, const std::vector<uint8_t>& file, uint32_t flags) {
  const uint32_t source = engine.stream(file, BASS_STREAM_DECODE);
  return engine->wrapStream(source, flags, makeTempo);
}

double meanSpacing(const std::vector<size_t>& marks) {
  std::vector<double> gaps;
  for (size_t i = 1; i < marks.size(); ++i) gaps.push_back(static_cast<double>(marks[i] - marks[i - 1]));
  return std::accumulate(gaps.begin(), gaps.end(), 0.0) / static_cast<double>(gaps.size());
}

TEST(Tempo, ALoopTakesItsLengthOverTheTempo) {
  // Two seconds: 0.5 s of tone, then silence; each onset marks one pass through the loop.
  const auto file = testing::encodeWav(testing::toneThenSilence(440, 0.5, 2.0));
  for (float percent : {0.0f, 50.0f, -5.0f, 25.0f}) {
    OfflineEngine engine;
    const uint32_t h = tempoStream(engine, file, BASS_FX_FREESOURCE | BASS_STREAM_LOOP);
    ASSERT_NE(h, 0u);
    ASSERT_TRUE(engine->setAttribute(h, BASS_ATTRIB_TEMPO, percent));
    engine->play(h, false);
    const auto out = engine.render(9.0);
    const auto marks = testing::onsets(out, 0, 0.2f);
    ASSERT_GE(marks.size(), 4u) << percent;
    const double expected = 2.0 * kRate / (1.0 + percent / 100.0);
    EXPECT_NEAR(meanSpacing(marks), expected, expected * 0.01) << percent;
  }
}

TEST(Tempo, PitchStaysWhereItWas) {
  const auto file = testing::encodeWav(testing::sine(440, 2.0));
  for (float percent : {50.0f, -5.0f}) {
    OfflineEngine engine;
    const uint32_t h = tempoStream(engine, file, BASS_FX_FREESOURCE | BASS_STREAM_LOOP);
    engine->setAttribute(h, BASS_ATTRIB_TEMPO, percent);
    engine->play(h, false);
    const auto out = engine.render(3.0);
    EXPECT_NEAR(testing::dominantHz(out, 0, OfflineEngine::kRate, 22050, 110250), 440.0, 4.4) << percent;
    EXPECT_NEAR(testing::rms(out, 0, 22050, 110250), 0.5 / std::sqrt(2.0), 0.05) << percent;
  }
}

TEST(Tempo, ChangesApplyWhilePlaying) {
  const auto file = testing::encodeWav(testing::toneThenSilence(440, 0.25, 1.0));
  OfflineEngine engine;
  const uint32_t h = tempoStream(engine, file, BASS_FX_FREESOURCE | BASS_STREAM_LOOP);
  engine->play(h, false);
  engine.render(2.1);
  engine->setAttribute(h, BASS_ATTRIB_TEMPO, 50.0f);
  const auto out = engine.render(6.0);
  const auto marks = testing::onsets(out, 0, 0.2f);
  ASSERT_GE(marks.size(), 4u);
  EXPECT_NEAR(meanSpacing(marks), kRate / 1.5, kRate / 1.5 * 0.01);
}

TEST(Tempo, APlayOnceTempoStreamEnds) {
  OfflineEngine engine;
  const uint32_t h = tempoStream(engine, testing::encodeWav(testing::sine(440, 1.0)), BASS_FX_FREESOURCE);
  engine->setAttribute(h, BASS_ATTRIB_TEMPO, 50.0f);
  engine->play(h, false);
  engine.render(0.6);
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
  engine.render(0.4);
  EXPECT_EQ(engine->isActive(h), kActiveStopped);
}

TEST(Tempo, TheSourceGoesWithTheTempoStreamAndCannotBeWrappedTwice) {
  OfflineEngine engine;
  const uint32_t source = engine.stream(testing::encodeWav(testing::sine(440, 1.0)), BASS_STREAM_DECODE);
  const uint32_t h = engine->wrapStream(source, BASS_FX_FREESOURCE | BASS_STREAM_LOOP, makeTempo);
  ASSERT_NE(h, 0u);
  EXPECT_EQ(engine->wrapStream(source, BASS_STREAM_LOOP, makeTempo), 0u);
  EXPECT_TRUE(engine->freeStream(h));
  EXPECT_FALSE(engine->freeStream(source));
  // Only decode-only streams can be wrapped.
  const uint32_t playable = engine.stream(testing::encodeWav(testing::sine(440, 1.0)), 0);
  EXPECT_EQ(engine->wrapStream(playable, BASS_STREAM_LOOP, makeTempo), 0u);
  EXPECT_EQ(engine->wrapStream(0, BASS_STREAM_LOOP, makeTempo), 0u);
}

TEST(Tempo, AbsurdTempoValuesAreClampedOrRefused) {
  OfflineEngine engine;
  const uint32_t h = tempoStream(engine, testing::encodeWav(testing::sine(440, 1.0)), BASS_FX_FREESOURCE | BASS_STREAM_LOOP);
  EXPECT_FALSE(engine->setAttribute(h, BASS_ATTRIB_TEMPO, std::nanf("")));
  EXPECT_TRUE(engine->setAttribute(h, BASS_ATTRIB_TEMPO, -1000.0f));
  EXPECT_TRUE(engine->setAttribute(h, BASS_ATTRIB_TEMPO, 1e9f));
  engine->play(h, false);
  engine.render(0.5);
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
}

}  // namespace
}  // namespace velmora::audio
