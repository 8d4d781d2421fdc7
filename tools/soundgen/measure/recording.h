#pragma once
// A sound as the measurements take it: one channel (the mean of all) at its own sample rate, so
// that real recordings made at other rates are measured on their own terms.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "soundgen/synth/sound.h"

namespace soundgen {

struct Recording {
  std::vector<float> samples;
  double rate = kSampleRate;

  double seconds() const { return static_cast<double>(samples.size()) / rate; }
  // The part between two times, clamped to what there is.
  Recording span(double from_seconds, double to_seconds) const;
};

Recording recording_of(const Sound& sound);

// Decodes an Ogg Vorbis file of any channel count and rate; nothing when it is not one. At most
// `max_seconds` are read, so that a huge or hostile file cannot exhaust memory.
std::optional<Recording> read_vorbis(const std::filesystem::path& path, double max_seconds = 1800);

}  // namespace soundgen
