// What the engine really renders: levels, panning, loop seams, ends of streams, safe refusals.
#include <gtest/gtest.h>

#include <cmath>

#include "audio/bass_api.h"
#include "tests/audio/support/offline_engine.h"

namespace velmora::audio {
namespace {

using testing::OfflineEngine;
constexpr size_t kRate = OfflineEngine::kRate;
const double kSineRms = 0.5 / std::sqrt(2.0);

std::vector<uint8_t> toneWav(double seconds = 1.0, double hz = 441) {
  return testing::encodeWav(testing::sine(hz, seconds));
}

TEST(EngineMix, VolumeScalesTheLevel) {
  for (float volume : {1.0f, 0.5f, 0.1f, 0.0f}) {
    OfflineEngine engine;
    const uint32_t h = engine.stream(toneWav(), BASS_STREAM_LOOP);
    ASSERT_TRUE(engine->setAttribute(h, BASS_ATTRIB_VOL, volume));
    ASSERT_TRUE(engine->play(h, false));
    const auto out = engine.render(0.5);
    EXPECT_NEAR(testing::rms(out, 0), kSineRms * volume, 0.002) << volume;
    EXPECT_NEAR(testing::rms(out, 1), kSineRms * volume, 0.002) << volume;
  }
}

TEST(EngineMix, PanningMovesEnergyBetweenTheSides) {
  struct Case {
    float pan, left, right;
  };
  for (const Case c : {Case{-1, 1, 0}, Case{1, 0, 1}, Case{0, 1, 1}, Case{-0.5f, 1, 0.5f}, Case{0.25f, 0.75f, 1}}) {
    OfflineEngine engine;
    const uint32_t h = engine.stream(toneWav(), BASS_STREAM_LOOP);
    engine->setAttribute(h, BASS_ATTRIB_PAN, c.pan);
    engine->play(h, false);
    const auto out = engine.render(0.5);
    EXPECT_NEAR(testing::rms(out, 0), kSineRms * c.left, 0.002) << c.pan;
    EXPECT_NEAR(testing::rms(out, 1), kSineRms * c.right, 0.002) << c.pan;
  }
}

TEST(EngineMix, AttributesTakeEffectWithinABlockWithoutAClick) {
  OfflineEngine engine;
  const uint32_t h = engine.stream(toneWav(), BASS_STREAM_LOOP);
  engine->play(h, false);
  auto before = engine.render(0.1);
  const float steadyStep = testing::largestStep(before, 0);
  engine->setAttribute(h, BASS_ATTRIB_VOL, 0.0f);
  const auto after = engine.render(0.02);
  // Silent after the 5 ms glide, well inside one 10 ms block.
  EXPECT_LT(testing::rms(after, 0, kRate / 100), 1e-6);
  before.insert(before.end(), after.begin(), after.end());
  EXPECT_LE(testing::largestStep(before, 0), steadyStep * 1.01f);
}

TEST(EngineMix, ManyLoudStreamsNeverExceedFullScale) {
  OfflineEngine engine;
  const auto loud = testing::encodeWav(testing::sine(441, 1.0, 1.0f));
  for (int i = 0; i < 12; ++i) engine->play(engine.stream(loud, BASS_STREAM_LOOP), false);
  const auto out = engine.render(0.5);
  float peak = 0;
  for (float v : out) peak = std::max(peak, std::fabs(v));
  EXPECT_LE(peak, 1.0f);
  EXPECT_GT(peak, 0.9f);
  // Limited, not wrapped: the waveform keeps the sign of the sum.
  EXPECT_NEAR(testing::dominantHz(out, 0, kRate, kRate / 10, kRate / 2), 441.0, 1.0);
}

// The seam between the last frame and the first is as smooth as the rest of the tone.
void expectSeamless(const std::vector<uint8_t>& file, double fileSeconds, float tolerance) {
  OfflineEngine engine;
  const uint32_t h = engine.stream(file, BASS_STREAM_LOOP);
  ASSERT_NE(h, 0u);
  engine->play(h, false);
  const auto out = engine.render(fileSeconds * 3.5);
  const auto seam = static_cast<size_t>(fileSeconds * kRate);
  const float steady = testing::largestStep(out, 0, seam / 4, seam / 2);
  for (size_t at : {seam, seam * 2, seam * 3}) {
    EXPECT_LE(testing::largestStep(out, 0, at - 200, at + 200), steady * tolerance) << at;
    EXPECT_NEAR(testing::rms(out, 0, at - 100, at + 100), kSineRms, 0.03) << at;
  }
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
}

TEST(EngineLoop, SeamsAreSeamlessInEveryFormatAndAcrossRateConversion) {
  // 441 Hz fits 100 whole periods in 0.1 s at 44.1 kHz; 480 Hz does at 48 kHz.
  expectSeamless(toneWav(0.5), 0.5, 1.01f);
  expectSeamless(testing::encodeFlac(testing::sine(441, 0.5)), 0.5, 1.01f);
  expectSeamless(testing::encodeVorbis(testing::sine(441, 0.5)), 0.5, 1.15f);
  expectSeamless(testing::encodeWav(testing::sine(480, 0.5, 0.5f, 48000)), 0.5, 1.05f);
}

TEST(EngineEnd, PlayOnceStreamsEndByThemselves) {
  OfflineEngine engine;
  const uint32_t h = engine.stream(toneWav(0.3), 0);
  engine->play(h, false);
  engine.render(0.25);
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
  const auto tail = engine.render(0.1);
  EXPECT_EQ(engine->isActive(h), kActiveStopped);
  EXPECT_LT(testing::rms(tail, 0, kRate / 20), 1e-6);
  // A restart plays it again from the start.
  EXPECT_TRUE(engine->play(h, true));
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
}

// Stopping or freeing a sounding stream glides it to silence within a block: no click.
void expectFadesOut(bool freeIt) {
  OfflineEngine engine;
  const uint32_t h = engine.stream(toneWav(), BASS_STREAM_LOOP);
  engine->play(h, false);
  auto out = engine.render(0.1);
  const float steadyStep = testing::largestStep(out, 0);
  EXPECT_TRUE(freeIt ? engine->freeStream(h) : engine->stop(h));
  EXPECT_EQ(engine->isActive(h), kActiveStopped);
  const auto after = engine.render(0.1);
  EXPECT_LT(testing::rms(after, 0, kRate / 100), 1e-6);
  out.insert(out.end(), after.begin(), after.end());
  EXPECT_LE(testing::largestStep(out, 0), steadyStep * 1.01f);
}

TEST(EngineEnd, StopAndFreeFadeOutWithoutAClick) {
  expectFadesOut(false);
  expectFadesOut(true);
}

TEST(EngineEnd, PlayAfterStopResumes) {
  OfflineEngine engine;
  const uint32_t h = engine.stream(toneWav(), BASS_STREAM_LOOP);
  engine->play(h, false);
  engine->stop(h);
  engine.render(0.1);
  EXPECT_TRUE(engine->play(h, false));
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
  EXPECT_NEAR(testing::rms(engine.render(0.1), 0), kSineRms, 0.01);
}

TEST(EngineHandles, ZeroDeadAndFreedHandlesFailHarmlessly) {
  OfflineEngine engine;
  for (uint32_t bad : {0u, 1234u, 0xFFFFFFFFu}) {
    EXPECT_FALSE(engine->play(bad, false));
    EXPECT_FALSE(engine->stop(bad));
    EXPECT_FALSE(engine->setAttribute(bad, BASS_ATTRIB_VOL, 1));
    EXPECT_FALSE(engine->freeStream(bad));
    EXPECT_EQ(engine->isActive(bad), kActiveStopped);
  }
  const uint32_t h = engine.stream(toneWav(), 0);
  engine->play(h, false);
  EXPECT_TRUE(engine->freeStream(h));
  EXPECT_FALSE(engine->freeStream(h));
  EXPECT_FALSE(engine->play(h, false));
  EXPECT_EQ(engine->isActive(h), kActiveStopped);
  // A new stream never takes a freed stream's handle.
  EXPECT_NE(engine.stream(toneWav(), 0), h);
  EXPECT_FALSE(engine->setAttribute(engine.stream(toneWav(), 0), BASS_ATTRIB_VOL, std::nanf("")));
}

TEST(EngineHandles, DecodeOnlyStreamsAreNotPlayable) {
  OfflineEngine engine;
  const uint32_t h = engine.stream(toneWav(), BASS_STREAM_DECODE);
  ASSERT_NE(h, 0u);
  EXPECT_FALSE(engine->play(h, false));
  EXPECT_EQ(engine->isActive(h), kActivePlaying);
}

TEST(EngineLife, InitOnceCreateAfterInitFreeReleasesEverything) {
  OfflineEngine engine;
  EXPECT_FALSE(engine->init(-1, 44100));
  const uint32_t h = engine.stream(toneWav(), BASS_STREAM_LOOP);
  engine->play(h, false);
  EXPECT_TRUE(engine->stopOutput());
  EXPECT_EQ(engine->isActive(h), kActiveStopped);
  EXPECT_TRUE(engine->free());
  EXPECT_FALSE(engine->free());
  EXPECT_EQ(engine->isActive(h), kActiveStopped);
  EXPECT_EQ(engine.stream(toneWav(), 0), 0u);
  EXPECT_TRUE(engine->init(-1, 44100));
  EXPECT_NE(engine.stream(toneWav(), 0), 0u);
}

// The output's thread mixes while the caller creates, changes and frees streams, as the program
// does from its window; under the sanitizers any race on a stream shows here.
TEST(EngineLife, CallsAreSafeAgainstTheMixingThread) {
  OfflineEngine engine;
  testing::MixingThread mixer(engine);
  const auto file = toneWav(0.05);
  for (int i = 0; i < 300; ++i) {
    const uint32_t h = engine.stream(file, i % 2 ? BASS_STREAM_LOOP : 0);
    engine->setAttribute(h, BASS_ATTRIB_VOL, 0.5f);
    engine->play(h, false);
    engine->setAttribute(h, BASS_ATTRIB_PAN, -0.5f);
    if (i % 3 == 0) engine->stop(h);
    engine->isActive(h);
    engine->freeStream(h);
  }
}

TEST(EngineLife, NoDeviceMeansNoInit) {
  Engine engine([](uint32_t, RenderFunction) { return std::unique_ptr<Output>(); });
  EXPECT_FALSE(engine.init(-1, 44100));
  EXPECT_EQ(engine.createFileStream("/nonexistent", 0), 0u);
}

TEST(EngineLife, MissingUnreadableAndEmptyFilesGiveNoStream) {
  OfflineEngine engine;
  EXPECT_EQ(engine->createFileStream("/nonexistent/ruchey1", 0), 0u);
  EXPECT_EQ(engine->createFileStream("/", 0), 0u);
  EXPECT_EQ(engine->createFileStream(nullptr, 0), 0u);
  EXPECT_EQ(engine.stream({}, 0), 0u);
}

}  // namespace
}  // namespace velmora::audio
