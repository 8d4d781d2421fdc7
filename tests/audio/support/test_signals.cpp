#include "tests/audio/support/test_signals.h"

#include <FLAC/stream_encoder.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <unistd.h>

namespace velmora::audio::testing {

Signal sine(double hz, double seconds, float amplitude, uint32_t rate, int channels) {
  Signal s{rate, channels, {}};
  const auto frames = static_cast<size_t>(std::lround(seconds * rate));
  s.samples.resize(frames * static_cast<size_t>(channels));
  for (size_t i = 0; i < frames; ++i) {
    const auto v = static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * hz * static_cast<double>(i) / rate));
    for (int c = 0; c < channels; ++c) s.samples[i * static_cast<size_t>(channels) + static_cast<size_t>(c)] = v;
  }
  return s;
}

Signal toneThenSilence(double hz, double toneSeconds, double seconds, uint32_t rate) {
  Signal s = sine(hz, seconds, 0.5f, rate, 2);
  const auto toneFrames = static_cast<size_t>(toneSeconds * rate);
  std::fill(s.samples.begin() + static_cast<std::ptrdiff_t>(toneFrames * 2), s.samples.end(), 0.0f);
  return s;
}

namespace {

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}
void putBytes(std::vector<uint8_t>& out, const void* p, size_t n) {
  const auto* b = static_cast<const uint8_t*>(p);
  out.insert(out.end(), b, b + n);
}

int bitsOf(WavEncoding e) {
  switch (e) {
    case WavEncoding::Pcm8: return 8;
    case WavEncoding::Pcm16: return 16;
    case WavEncoding::Pcm24: return 24;
    case WavEncoding::Pcm32: return 32;
    case WavEncoding::Float32: return 32;
    case WavEncoding::Float64: return 64;
  }
  return 16;
}

void putSample(std::vector<uint8_t>& out, float v, WavEncoding e) {
  const double c = std::clamp(static_cast<double>(v), -1.0, 1.0);
  switch (e) {
    case WavEncoding::Pcm8: out.push_back(static_cast<uint8_t>(std::lround(c * 127) + 128)); break;
    case WavEncoding::Pcm16: put16(out, static_cast<uint32_t>(std::lround(c * 32767))); break;
    case WavEncoding::Pcm24: {
      const auto x = static_cast<uint32_t>(std::lround(c * 8388607));
      put16(out, x & 0xFFFF);
      out.push_back(static_cast<uint8_t>(x >> 16));
      break;
    }
    case WavEncoding::Pcm32: put32(out, static_cast<uint32_t>(std::llround(c * 2147483647.0))); break;
    case WavEncoding::Float32: putBytes(out, &v, 4); break;
    case WavEncoding::Float64: {
      const double d = v;
      putBytes(out, &d, 8);
      break;
    }
  }
}

}  // namespace

std::vector<uint8_t> encodeWav(const Signal& signal, WavEncoding encoding, bool extensible) {
  const int bits = bitsOf(encoding);
  const bool isFloat = encoding == WavEncoding::Float32 || encoding == WavEncoding::Float64;
  const uint32_t blockAlign = static_cast<uint32_t>(bits / 8 * signal.channels);
  const auto dataBytes = static_cast<uint32_t>(signal.frames() * blockAlign);
  const uint32_t fmtBytes = extensible ? 40 : 16;
  std::vector<uint8_t> out;
  putBytes(out, "RIFF", 4);
  put32(out, 4 + 8 + fmtBytes + 8 + dataBytes + (dataBytes & 1));
  putBytes(out, "WAVEfmt ", 8);
  put32(out, fmtBytes);
  put16(out, extensible ? 0xFFFE : isFloat ? 3 : 1);
  put16(out, static_cast<uint32_t>(signal.channels));
  put32(out, signal.rate);
  put32(out, signal.rate * blockAlign);
  put16(out, blockAlign);
  put16(out, static_cast<uint32_t>(bits));
  if (extensible) {
    put16(out, 22);
    put16(out, static_cast<uint32_t>(bits));
    put32(out, signal.channels == 1 ? 4 : 3);
    put16(out, isFloat ? 3 : 1);
    putBytes(out, "\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
  }
  putBytes(out, "data", 4);
  put32(out, dataBytes);
  for (float v : signal.samples) putSample(out, v, encoding);
  if (dataBytes & 1) out.push_back(0);
  return out;
}

std::vector<uint8_t> encodeVorbis(const Signal& signal, float quality) {
  vorbis_info info;
  vorbis_info_init(&info);
  vorbis_encode_init_vbr(&info, signal.channels, signal.rate, quality);
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);
  std::vector<uint8_t> out;
  ogg_page page;
  auto writePage = [&] {
    putBytes(out, page.header, static_cast<size_t>(page.header_len));
    putBytes(out, page.body, static_cast<size_t>(page.body_len));
  };
  ogg_packet header, commentPacket, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  while (ogg_stream_flush(&stream, &page)) writePage();

  const size_t frames = signal.frames();
  // Blocks of input, then an empty one that ends the stream.
  for (size_t at = 0, n = 0; at < frames || n > 0; at += n) {
    n = std::min<size_t>(1024, frames - at);
    if (n) {
      float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(n));
      for (size_t i = 0; i < n; ++i) {
        for (int c = 0; c < signal.channels; ++c) {
          buffer[c][i] = signal.samples[(at + i) * static_cast<size_t>(signal.channels) + static_cast<size_t>(c)];
        }
      }
    }
    vorbis_analysis_wrote(&dsp, static_cast<int>(n));
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page)) writePage();
      }
    }
  }
  while (ogg_stream_flush(&stream, &page)) writePage();
  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

namespace {
FLAC__StreamEncoderWriteStatus flacWrite(const FLAC__StreamEncoder*, const FLAC__byte buffer[],
                                         size_t bytes, uint32_t, uint32_t, void* out) {
  putBytes(*static_cast<std::vector<uint8_t>*>(out), buffer, bytes);
  return FLAC__STREAM_ENCODER_WRITE_STATUS_OK;
}
}  // namespace

std::vector<uint8_t> encodeFlac(const Signal& signal) {
  std::vector<uint8_t> out;
  FLAC__StreamEncoder* encoder = FLAC__stream_encoder_new();
  FLAC__stream_encoder_set_channels(encoder, static_cast<uint32_t>(signal.channels));
  FLAC__stream_encoder_set_bits_per_sample(encoder, 16);
  FLAC__stream_encoder_set_sample_rate(encoder, signal.rate);
  FLAC__stream_encoder_init_stream(encoder, flacWrite, nullptr, nullptr, nullptr, &out);
  std::vector<FLAC__int32> pcm(signal.samples.size());
  std::transform(signal.samples.begin(), signal.samples.end(), pcm.begin(),
                 [](float v) { return static_cast<FLAC__int32>(std::lround(v * 32767)); });
  FLAC__stream_encoder_process_interleaved(encoder, pcm.data(), static_cast<uint32_t>(signal.frames()));
  FLAC__stream_encoder_finish(encoder);
  FLAC__stream_encoder_delete(encoder);
  return out;
}

std::vector<uint8_t> encodeMp3(const Signal& signal) {
  if (std::system("command -v lame >/dev/null 2>&1") != 0) return {};
  char wavPath[] = "/tmp/velmora-mp3-XXXXXX";
  const int fd = mkstemp(wavPath);
  if (fd < 0) return {};
  close(fd);
  const std::string wav = wavPath, mp3 = wav + ".mp3";
  const auto bytes = encodeWav(signal);
  std::ofstream(wav, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                             static_cast<std::streamsize>(bytes.size()));
  const std::string command = "lame --quiet -b 192 " + wav + " " + mp3;
  std::vector<uint8_t> out;
  if (std::system(command.c_str()) == 0) {
    std::ifstream in(mp3, std::ios::binary);
    out.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::remove(wav.c_str());
  std::remove(mp3.c_str());
  return out;
}

double rms(const std::vector<float>& stereo, int channel, size_t firstFrame, size_t lastFrame) {
  lastFrame = std::min(lastFrame, stereo.size() / 2);
  double sum = 0;
  for (size_t i = firstFrame; i < lastFrame; ++i) {
    const double v = stereo[i * 2 + static_cast<size_t>(channel)];
    sum += v * v;
  }
  return lastFrame > firstFrame ? std::sqrt(sum / static_cast<double>(lastFrame - firstFrame)) : 0.0;
}

double dominantHz(const std::vector<float>& stereo, int channel, uint32_t rate, size_t firstFrame,
                  size_t lastFrame) {
  lastFrame = std::min(lastFrame, stereo.size() / 2);
  double first = -1, last = -1;
  int crossings = 0;
  for (size_t i = firstFrame + 1; i < lastFrame; ++i) {
    const float a = stereo[(i - 1) * 2 + static_cast<size_t>(channel)];
    const float b = stereo[i * 2 + static_cast<size_t>(channel)];
    if (a < 0 && b >= 0) {
      const double at = static_cast<double>(i - 1) + a / (a - b);
      if (first < 0) first = at;
      last = at;
      ++crossings;
    }
  }
  return crossings > 1 ? (crossings - 1) * rate / (last - first) : 0.0;
}

float largestStep(const std::vector<float>& stereo, int channel, size_t firstFrame, size_t lastFrame) {
  lastFrame = std::min(lastFrame, stereo.size() / 2);
  float step = 0;
  for (size_t i = firstFrame + 1; i < lastFrame; ++i) {
    step = std::max(step, std::fabs(stereo[i * 2 + static_cast<size_t>(channel)] -
                                    stereo[(i - 1) * 2 + static_cast<size_t>(channel)]));
  }
  return step;
}

std::vector<size_t> onsets(const std::vector<float>& stereo, int channel, float threshold) {
  std::vector<size_t> found;
  float envelope = 0;
  bool sounding = false;
  for (size_t i = 0; i < stereo.size() / 2; ++i) {
    envelope = std::max(std::fabs(stereo[i * 2 + static_cast<size_t>(channel)]), envelope * 0.999f);
    if (!sounding && envelope > threshold) {
      found.push_back(i);
      sounding = true;
    } else if (sounding && envelope < threshold * 0.1f) {
      sounding = false;
    }
  }
  return found;
}

}  // namespace velmora::audio::testing
