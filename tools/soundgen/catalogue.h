#pragma once
// Every sound the scene plays: its folder and extension-less name beside the program, how it is
// rendered, how loud it should be and how finely it is encoded.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "soundgen/synth/canvas.h"

namespace soundgen {

struct Recipe {
  std::string folder;  // "samp_povt" (loops) or "samp_raz" (one-shots)
  std::string name;
  Shape shape;
  double loudness_lufs;
  float vorbis_quality;
  std::function<Sound()> render;
  double cost_seconds;  // about how long the sound is, to schedule the longest renders first

  std::string path() const { return folder + "/" + name; }
  // Seed and stream serial number, fixed by the name.
  uint32_t serial() const;
};

const std::vector<Recipe>& catalogue();

// Renders at the recipe's loudness with the peaks held below full scale.
Sound render_levelled(const Recipe& recipe);

}  // namespace soundgen
