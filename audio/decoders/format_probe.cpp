#include "audio/decoders/format_probe.h"

#include <cstring>

#include "audio/decoders/flac_decoder.h"
#include "audio/decoders/mp3_decoder.h"
#include "audio/decoders/vorbis_decoder.h"
#include "audio/decoders/wav_decoder.h"

namespace velmora::audio {
namespace {

bool startsWith(std::span<const uint8_t> bytes, size_t at, const char* magic) {
  const size_t n = std::strlen(magic);
  return bytes.size() >= at + n && std::memcmp(bytes.data() + at, magic, n) == 0;
}

// Length of a leading ID3v2 tag (its size is four 7-bit bytes), 0 when there is none.
size_t id3v2Length(std::span<const uint8_t> bytes) {
  if (!startsWith(bytes, 0, "ID3") || bytes.size() < 10) return 0;
  size_t size = 0;
  for (int i = 6; i < 10; ++i) {
    if (bytes[i] & 0x80) return 0;
    size = size << 7 | bytes[i];
  }
  const bool footer = bytes[5] & 0x10;
  return 10 + size + (footer ? 10 : 0);
}

// The byte length of the MPEG audio frame whose header starts at `at`, 0 when it is none.
size_t mpegFrameLength(std::span<const uint8_t> bytes, size_t at) {
  if (bytes.size() < at + 4) return 0;
  const uint8_t* h = bytes.data() + at;
  if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0) return 0;
  const int version = (h[1] >> 3) & 3;  // 0: 2.5, 2: 2, 3: 1
  const int layer = (h[1] >> 1) & 3;    // 1: III, 2: II, 3: I
  const int bitrateIndex = h[2] >> 4;
  const int rateIndex = (h[2] >> 2) & 3;
  if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3) return 0;
  static constexpr int kBitrates[2][3][15] = {
      {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
       {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
       {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
      {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
       {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
  static constexpr int kRates[3] = {44100, 48000, 32000};
  const bool mpeg1 = version == 3;
  const int layerIndex = 3 - layer;  // 0: I, 1: II, 2: III
  const int bitrate = kBitrates[mpeg1 ? 0 : 1][layerIndex][bitrateIndex] * 1000;
  const int rate = kRates[rateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
  const int padding = (h[2] >> 1) & 1;
  if (layerIndex == 0) return static_cast<size_t>((12 * bitrate / rate + padding) * 4);
  const int perFrame = layerIndex == 2 && !mpeg1 ? 72 : 144;
  return static_cast<size_t>(perFrame * bitrate / rate + padding);
}

// Two frame headers in a row, the second where the first says: a chance match in other data
// is then very unlikely.
bool looksLikeMpeg(std::span<const uint8_t> bytes, size_t at) {
  const size_t first = mpegFrameLength(bytes, at);
  return first > 0 && mpegFrameLength(bytes, at + first) > 0;
}

}  // namespace

FileFormat detectFormat(std::span<const uint8_t> bytes) {
  if (startsWith(bytes, 0, "RIFF") && startsWith(bytes, 8, "WAVE")) return FileFormat::Wav;
  if (startsWith(bytes, 0, "OggS")) return FileFormat::OggVorbis;
  const size_t tag = id3v2Length(bytes);
  if (startsWith(bytes, tag, "fLaC")) return FileFormat::Flac;
  if (looksLikeMpeg(bytes, tag)) return FileFormat::Mpeg;
  return FileFormat::Unknown;
}

std::unique_ptr<Decoder> openDecoder(std::unique_ptr<ByteSource> bytes) {
  if (!bytes) return nullptr;
  switch (detectFormat({bytes->data(), static_cast<size_t>(bytes->size())})) {
    case FileFormat::Wav: return openWav(std::move(bytes));
    case FileFormat::OggVorbis: return openVorbis(std::move(bytes));
    case FileFormat::Flac: return openFlac(std::move(bytes));
    case FileFormat::Mpeg: return openMp3(std::move(bytes));
    case FileFormat::Unknown: break;
  }
  return nullptr;
}

}  // namespace velmora::audio
