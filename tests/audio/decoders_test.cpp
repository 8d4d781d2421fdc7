// Every format decodes by content to the signal that went in; broken files are refused.
#include <gtest/gtest.h>

#include <cmath>

#include "audio/decoders/format_probe.h"
#include "tests/audio/support/test_signals.h"

namespace velmora::audio {
namespace {

using testing::Signal;

std::unique_ptr<Decoder> open(const std::vector<uint8_t>& file) {
  return openDecoder(std::make_unique<ByteSource>(file));
}

Signal decodeAll(Decoder& decoder) {
  Signal out{decoder.format().rate, decoder.format().channels, {}};
  std::vector<float> block(4096 * static_cast<size_t>(out.channels));
  while (size_t got = decoder.read(block.data(), 4096)) {
    out.samples.insert(out.samples.end(), block.begin(),
                       block.begin() + static_cast<std::ptrdiff_t>(got * static_cast<size_t>(out.channels)));
  }
  return out;
}

// Left channel of any decoded signal, as stereo for the measurements.
std::vector<float> asStereo(const Signal& s) {
  std::vector<float> out(s.frames() * 2);
  for (size_t i = 0; i < s.frames(); ++i) out[i * 2] = out[i * 2 + 1] = s.samples[i * static_cast<size_t>(s.channels)];
  return out;
}

void expectDecodesTo(const std::vector<uint8_t>& file, const Signal& original, double lengthTolerance,
                     double rmsTolerance) {
  auto decoder = open(file);
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decoder->format().rate, original.rate);
  EXPECT_EQ(decoder->format().channels, original.channels);
  const Signal decoded = decodeAll(*decoder);
  EXPECT_NEAR(static_cast<double>(decoded.frames()), static_cast<double>(original.frames()),
              lengthTolerance * original.rate);
  const auto stereo = asStereo(decoded);
  const size_t middle = decoded.frames() / 4;
  EXPECT_NEAR(testing::rms(stereo, 0, middle, middle * 3), 0.5 / std::sqrt(2.0), rmsTolerance);
  EXPECT_NEAR(testing::dominantHz(stereo, 0, decoded.rate, middle, middle * 3), 440.0, 1.0);
  // Rewinding gives the same first frames again.
  ASSERT_TRUE(decoder->rewind());
  const Signal again = decodeAll(*decoder);
  ASSERT_EQ(again.frames(), decoded.frames());
  EXPECT_EQ(again.samples[1000], decoded.samples[1000]);
}

TEST(Decoders, WavInEveryEncodingAndLayout) {
  using testing::WavEncoding;
  for (auto encoding : {WavEncoding::Pcm8, WavEncoding::Pcm16, WavEncoding::Pcm24, WavEncoding::Pcm32,
                        WavEncoding::Float32, WavEncoding::Float64}) {
    for (bool extensible : {false, true}) {
      for (int channels : {1, 2}) {
        SCOPED_TRACE(::testing::Message() << "encoding " << static_cast<int>(encoding) << ", extensible "
                                          << extensible << ", channels " << channels);
        const Signal s = testing::sine(440, 0.5, 0.5f, 22050, channels);
        expectDecodesTo(testing::encodeWav(s, encoding, extensible), s, 0.0, 0.01);
      }
    }
  }
}

TEST(Decoders, OggVorbisFlacAndMp3) {
  const Signal stereo = testing::sine(440, 1.0);
  expectDecodesTo(testing::encodeVorbis(stereo), stereo, 0.0, 0.02);
  expectDecodesTo(testing::encodeFlac(stereo), stereo, 0.0, 0.01);
  const Signal mono48k = testing::sine(440, 1.0, 0.5f, 48000, 1);
  expectDecodesTo(testing::encodeVorbis(mono48k), mono48k, 0.0, 0.02);
  expectDecodesTo(testing::encodeFlac(mono48k), mono48k, 0.0, 0.01);
  const auto mp3 = testing::encodeMp3(stereo);
  if (mp3.empty()) GTEST_SKIP() << "lame is not installed";
  // The encoder's padding is trimmed by the decoder up to a frame or so.
  expectDecodesTo(mp3, stereo, 0.03, 0.03);
}

TEST(Decoders, DetectionIsByContentOnly) {
  const Signal s = testing::sine(440, 0.2);
  EXPECT_EQ(detectFormat(testing::encodeWav(s)), FileFormat::Wav);
  EXPECT_EQ(detectFormat(testing::encodeVorbis(s)), FileFormat::OggVorbis);
  EXPECT_EQ(detectFormat(testing::encodeFlac(s)), FileFormat::Flac);
  const std::vector<uint8_t> text(4096, 'a');
  EXPECT_EQ(detectFormat(text), FileFormat::Unknown);
  // One stray frame sync in other data is not taken for MPEG audio.
  std::vector<uint8_t> stray(4096, 0);
  stray[0] = 0xFF;
  stray[1] = 0xFB;
  stray[2] = 0x90;
  EXPECT_EQ(detectFormat(stray), FileFormat::Unknown);
}

TEST(Decoders, EmptyGarbageAndTruncatedFilesNeverCrash) {
  EXPECT_FALSE(open({}));
  EXPECT_FALSE(open(std::vector<uint8_t>(1000, 0xFF)));
  const Signal s = testing::sine(440, 0.3);
  for (const auto& file : {testing::encodeWav(s), testing::encodeVorbis(s), testing::encodeFlac(s)}) {
    for (size_t cut : {size_t{4}, size_t{12}, size_t{44}, size_t{100}, file.size() / 2, file.size() - 1}) {
      std::vector<uint8_t> truncated(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
      if (auto decoder = open(truncated)) decodeAll(*decoder);  // plays what is there, if anything
    }
    std::vector<uint8_t> corrupt = file;
    for (size_t i = 60; i < corrupt.size(); i += 7) corrupt[i] ^= 0x5A;
    if (auto decoder = open(corrupt)) decodeAll(*decoder);
  }
}

TEST(Decoders, WavHeadersThatLieAreRefused) {
  const Signal s = testing::sine(440, 0.1);
  auto wav = testing::encodeWav(s);
  auto withField = [&](size_t offset, uint16_t value) {
    auto copy = wav;
    copy[offset] = static_cast<uint8_t>(value);
    copy[offset + 1] = static_cast<uint8_t>(value >> 8);
    return copy;
  };
  EXPECT_FALSE(open(withField(22, 0)));      // no channels
  EXPECT_FALSE(open(withField(22, 200)));    // absurd channel count
  EXPECT_FALSE(open(withField(34, 12)));     // 12-bit samples
  EXPECT_FALSE(open(withField(32, 3)));      // block size disagreeing with the samples
  EXPECT_FALSE(open(withField(20, 0x55)));   // another codec
  // A data chunk claiming more than the file holds plays what the file holds.
  auto longData = wav;
  longData[40] = longData[41] = longData[42] = longData[43] = 0xFF;
  auto decoder = open(longData);
  ASSERT_TRUE(decoder);
  EXPECT_EQ(decodeAll(*decoder).frames(), s.frames());
}

}  // namespace
}  // namespace velmora::audio
