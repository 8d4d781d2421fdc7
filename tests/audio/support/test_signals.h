#pragma once
// Test signals made in memory, encoded in each format the engine decodes, and measurements of
// what the engine renders.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace velmora::audio::testing {

// Interleaved float frames with their layout.
struct Signal {
  uint32_t rate = 44100;
  int channels = 2;
  std::vector<float> samples;
  size_t frames() const { return samples.size() / static_cast<size_t>(channels); }
};

Signal sine(double hz, double seconds, float amplitude = 0.5f, uint32_t rate = 44100, int channels = 2);
// A tone for `toneSeconds`, then silence up to `seconds`: its onsets mark each loop.
Signal toneThenSilence(double hz, double toneSeconds, double seconds, uint32_t rate = 44100);

enum class WavEncoding { Pcm8, Pcm16, Pcm24, Pcm32, Float32, Float64 };
std::vector<uint8_t> encodeWav(const Signal& signal, WavEncoding encoding = WavEncoding::Pcm16,
                               bool extensible = false);
std::vector<uint8_t> encodeVorbis(const Signal& signal, float quality = 0.5f);
std::vector<uint8_t> encodeFlac(const Signal& signal);
// Through the lame command; empty when it is not installed.
std::vector<uint8_t> encodeMp3(const Signal& signal);

// Measurements over one channel of interleaved stereo.
double rms(const std::vector<float>& stereo, int channel, size_t firstFrame = 0, size_t lastFrame = SIZE_MAX);
// Frequency from interpolated zero crossings of a steady tone.
double dominantHz(const std::vector<float>& stereo, int channel, uint32_t rate, size_t firstFrame,
                  size_t lastFrame);
// Largest difference between neighbouring samples of one channel.
float largestStep(const std::vector<float>& stereo, int channel, size_t firstFrame = 0,
                  size_t lastFrame = SIZE_MAX);
// Frames where the channel's short-term level rises above `threshold` after a silence.
std::vector<size_t> onsets(const std::vector<float>& stereo, int channel, float threshold);

}  // namespace velmora::audio::testing
