#pragma once
#include <string>

#include "soundgen/synth/spectrogram.h"

namespace soundgen {

// Throws std::runtime_error when the file cannot be written.
void write_png(const std::string& path, const Image& image);

}  // namespace soundgen
