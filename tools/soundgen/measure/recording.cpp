#include "soundgen/measure/recording.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <memory>

#include "soundgen/synth/analysis.h"

namespace soundgen {

Recording Recording::span(double from_seconds, double to_seconds) const {
  auto index = [&](double s) {
    return static_cast<size_t>(std::clamp(s * rate, 0.0, static_cast<double>(samples.size())));
  };
  const size_t from = index(from_seconds), to = std::max(from, index(to_seconds));
  return {{samples.begin() + static_cast<std::ptrdiff_t>(from), samples.begin() + static_cast<std::ptrdiff_t>(to)}, rate};
}

Recording recording_of(const Sound& sound) { return {mono_mix(sound), kSampleRate}; }

std::optional<Recording> read_vorbis(const std::filesystem::path& path, double max_seconds) {
  OggVorbis_File file;
  if (ov_fopen(path.string().c_str(), &file) != 0) return std::nullopt;
  const std::unique_ptr<OggVorbis_File, int (*)(OggVorbis_File*)> owner(&file, &ov_clear);
  const vorbis_info* info = ov_info(&file, -1);
  if (!info || info->channels < 1 || info->rate < 8000 || info->rate > 384000) return std::nullopt;
  Recording out{{}, static_cast<double>(info->rate)};
  const auto limit = static_cast<size_t>(max_seconds * static_cast<double>(info->rate));
  float** pcm = nullptr;
  int section = 0;
  for (long n; out.samples.size() < limit && (n = ov_read_float(&file, &pcm, 4096, &section)) != 0;) {
    if (n == OV_HOLE) continue;  // a gap in the stream: the decoder resumes after it
    if (n < 0) break;
    const int channels = ov_info(&file, section)->channels;
    for (long i = 0; i < n; ++i) {
      float sum = 0;
      for (int c = 0; c < channels; ++c) sum += pcm[c][i];
      out.samples.push_back(sum / static_cast<float>(channels));
    }
  }
  if (out.samples.empty()) return std::nullopt;
  return out;
}

}  // namespace soundgen
