#pragma once
// Pictures of sounds for people: a spectrogram per sound (time across, log frequency up, level as
// colour) and a contact sheet of many with their names.
#include <cstdint>
#include <string>
#include <vector>

#include "soundgen/synth/sound.h"

namespace soundgen {

struct Image {
  int width = 0, height = 0;
  std::vector<uint8_t> rgb;  // rows top to bottom

  Image() = default;
  Image(int w, int h) : width(w), height(h), rgb(static_cast<size_t>(w) * h * 3, 0) {}
  uint8_t* pixel(int x, int y) { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
  const uint8_t* pixel(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// 40 Hz to 20 kHz on a log scale; 75 dB of range below the loudest cell.
Image spectrogram(const Sound& sound, int width, int height);

struct Labelled {
  std::string name;
  Image image;
};
Image contact_sheet(const std::vector<Labelled>& images, int columns);

}  // namespace soundgen
