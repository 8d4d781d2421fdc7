// Loops decoded ahead on the engine's worker: they start from the file, move to memory on the
// very next frame, stay within their memory, and go safely whenever they are freed.
#include <gtest/gtest.h>

#include <cmath>
#include <thread>

#include "audio/bass_api.h"
#include "audio/core/file_then_memory_decoder.h"
#include "audio/core/tempo_source.h"
#include "audio/decoders/format_probe.h"
#include "tests/audio/support/offline_engine.h"

namespace velmora::audio {
namespace {

using testing::OfflineEngine;
constexpr size_t kRate = OfflineEngine::kRate;
constexpr float kOneStep = 1.0f / 32768.0f;  // what 16-bit rounding may change in a sample
constexpr DecodeAheadLimits kNeverAhead{0, 0};
const double kSineRms = 0.5 / std::sqrt(2.0);

std::unique_ptr<Decoder> open(const std::vector<uint8_t>& file) {
  return openDecoder(std::make_unique<ByteSource>(file));
}

std::vector<float> readFrames(Decoder& decoder, size_t frames) {
  std::vector<float> out(frames * 2);
  out.resize(decoder.read(out.data(), frames) * 2);
  return out;
}

bool notCancelled() { return false; }

float largestDifference(const std::vector<float>& a, const std::vector<float>& b) {
  EXPECT_EQ(a.size(), b.size());
  float largest = 0;
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) largest = std::max(largest, std::fabs(a[i] - b[i]));
  return largest;
}

TEST(FileThenMemory, TheSwitchLandsOnTheNextFrameAndRewindsInMemory) {
  const auto file = testing::encodeVorbis(testing::sine(441, 1.0));
  auto reference = open(file);
  const auto fromFile = readFrames(*reference, kRate);
  PcmCopy pcm;
  auto whole = open(file);
  ASSERT_TRUE(decodeWhole(*whole, whole->lengthFrames(), notCancelled, pcm));
  ASSERT_EQ(pcm.frames(), fromFile.size() / 2);

  auto copy = std::make_shared<MemoryCopy>();
  FileThenMemoryDecoder decoder(open(file), copy);
  const auto head = readFrames(decoder, 1000);
  EXPECT_FALSE(decoder.playsFromMemory());
  EXPECT_EQ(head, std::vector<float>(fromFile.begin(), fromFile.begin() + 2000));
  copy->publish(pcm, {});
  const auto tail = readFrames(decoder, kRate);
  EXPECT_TRUE(decoder.playsFromMemory());
  ASSERT_EQ(tail.size(), fromFile.size() - 2000);
  for (size_t i = 0; i < tail.size(); ++i) {
    ASSERT_EQ(tail[i], static_cast<float>(pcm.samples[2000 + i]) * kOneStep) << i;
    ASSERT_NEAR(tail[i], fromFile[2000 + i], kOneStep) << i;
  }
  ASSERT_TRUE(decoder.rewind());
  EXPECT_EQ(readFrames(decoder, 10)[0], static_cast<float>(pcm.samples[0]) * kOneStep);
}

TEST(FileThenMemory, ACopyIsRefusedWhenTheFileHoldsMoreThanPromised) {
  const auto file = testing::encodeWav(testing::sine(441, 0.5));
  PcmCopy pcm;
  EXPECT_FALSE(decodeWhole(*open(file), kRate / 4, notCancelled, pcm));
  EXPECT_FALSE(decodeWhole(*open(file), kRate, [] { return true; }, pcm));
  // Headers that overstate the length give what really decodes.
  EXPECT_TRUE(decodeWhole(*open(file), kRate, notCancelled, pcm));
  EXPECT_EQ(pcm.frames(), kRate / 2);
}

// The same loop in two engines, one of which never decodes ahead: the outputs differ by 16-bit
// rounding only, so the switch neither drops nor repeats a frame.
TEST(DecodeAhead, LoopsAndTempoSourcesMoveToMemoryWithoutAFrameLostOrRepeated) {
  const auto file = testing::encodeVorbis(testing::sine(441, 0.5));
  OfflineEngine ahead;
  OfflineEngine fromFile(kNeverAhead);
  for (OfflineEngine* engine : {&ahead, &fromFile}) (*engine)->play(engine->stream(file, BASS_STREAM_LOOP), false);
  auto first = ahead.render(0.05);
  auto firstReference = fromFile.render(0.05);
  ahead->waitForDecodingAhead();
  EXPECT_EQ(ahead->bytesDecodedAhead(), kRate / 2 * 4);
  EXPECT_EQ(fromFile->bytesDecodedAhead(), 0u);
  const auto rest = ahead.render(2.0);
  const auto restReference = fromFile.render(2.0);
  EXPECT_LE(largestDifference(first, firstReference), kOneStep * 1.01f);
  EXPECT_LE(largestDifference(rest, restReference), kOneStep * 1.01f);
  EXPECT_NEAR(testing::rms(rest, 0), kSineRms, 0.01);

  const uint32_t decodeOnly = ahead.stream(file, BASS_STREAM_DECODE);
  const uint32_t tempo = ahead->wrapStream(
      decodeOnly, BASS_FX_FREESOURCE | BASS_STREAM_LOOP,
      [](std::unique_ptr<Source> input, uint32_t rate) -> std::unique_ptr<Source> {
        return std::make_unique<TempoSource>(std::move(input), rate);
      });
  ASSERT_NE(tempo, 0u);
  ahead->waitForDecodingAhead();
  EXPECT_EQ(ahead->bytesDecodedAhead(), kRate / 2 * 4 * 2);
  EXPECT_TRUE(ahead->freeStream(tempo));
  EXPECT_EQ(ahead->bytesDecodedAhead(), kRate / 2 * 4);
}

TEST(DecodeAhead, PlayOnceAndWavStreamsPlayFromTheFile) {
  OfflineEngine engine;
  engine.stream(testing::encodeVorbis(testing::sine(441, 0.5)), 0);
  engine.stream(testing::encodeWav(testing::sine(441, 0.5)), BASS_STREAM_LOOP);
  engine->waitForDecodingAhead();
  EXPECT_EQ(engine->bytesDecodedAhead(), 0u);
}

// Two seconds of stereo take 352 800 bytes: a 1 MB budget holds two such loops, not three, and a
// loop over the cap for one sample never goes to memory at all.
TEST(DecodeAhead, WhatTheBudgetCannotHoldPlaysFromTheFile) {
  const uint64_t twoSeconds = 2 * kRate * 4;
  OfflineEngine engine({twoSeconds, 1u << 20});
  const auto file = testing::encodeVorbis(testing::sine(441, 2.0));
  std::vector<uint32_t> loops;
  for (int i = 0; i < 3; ++i) loops.push_back(engine.stream(file, BASS_STREAM_LOOP));
  const uint32_t overCap = engine.stream(testing::encodeVorbis(testing::sine(441, 2.1)), BASS_STREAM_LOOP);
  engine->waitForDecodingAhead();
  EXPECT_EQ(engine->bytesDecodedAhead(), 2 * twoSeconds);
  loops.push_back(overCap);
  for (uint32_t h : loops) {
    engine->play(h, false);
    EXPECT_NEAR(testing::rms(engine.render(2.5), 0), kSineRms, 0.01) << h;
    engine->stop(h);
    engine.render(0.05);
  }
  // A freed loop gives its memory back: the next one fits again.
  engine->freeStream(loops[0]);
  engine.render(0.05);
  EXPECT_EQ(engine->bytesDecodedAhead(), twoSeconds);
  engine.stream(file, BASS_STREAM_LOOP);
  engine->waitForDecodingAhead();
  EXPECT_EQ(engine->bytesDecodedAhead(), 2 * twoSeconds);
}

// Streams freed at every moment of their decode, and the engine freed in the middle of one,
// while the output's thread mixes: under the sanitizers a race or a leak shows here.
TEST(DecodeAhead, FreeingWhileTheWorkerDecodesIsSafeAndGivesEverythingBack) {
  OfflineEngine engine;
  const auto file = testing::encodeVorbis(testing::sine(441, 3.0));
  {
    testing::MixingThread mixer(engine);
    for (int i = 0; i < 40; ++i) {
      const uint32_t h = engine.stream(file, BASS_STREAM_LOOP);
      engine->play(h, false);
      std::this_thread::sleep_for(std::chrono::microseconds(i * 100));
      engine->freeStream(h);
    }
    engine->play(engine.stream(file, BASS_STREAM_LOOP), false);
    engine.stream(file, BASS_STREAM_DECODE);
    EXPECT_TRUE(engine->free());
    EXPECT_EQ(engine->bytesDecodedAhead(), 0u);
  }
  // After a new init the worker starts again.
  ASSERT_TRUE(engine->init(-1, kRate));
  engine.stream(file, BASS_STREAM_LOOP);
  engine->waitForDecodingAhead();
  EXPECT_EQ(engine->bytesDecodedAhead(), 3 * kRate * 4);
}

}  // namespace
}  // namespace velmora::audio
