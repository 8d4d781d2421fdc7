#include "soundgen/catalogue.h"

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/levels.h"

namespace soundgen {
namespace {

constexpr float kCeiling = 0.891f;  // -1 dBFS, room for the encoder's overshoot
constexpr double kLayerLufs = -22.0;
constexpr float kLoopQuality = 0.3f;

Recipe loop(std::string name, double seconds, std::function<Sound()> render, double lufs = kLayerLufs) {
  return {"samp_povt", std::move(name), Shape::Loop, lufs, kLoopQuality, std::move(render), seconds};
}

Recipe one_shot(std::string name, double seconds, std::function<Sound()> render, double lufs,
                float quality = 0.3f) {
  return {"samp_raz", std::move(name), Shape::OneShot, lufs, quality, std::move(render), seconds};
}

std::vector<Recipe> make_catalogue() {
  std::vector<Recipe> list;
  for (int v = 1; v <= 2; ++v) {
    list.push_back(loop("ruchey" + std::to_string(v), 60, [v] { return brook(v); }));
  }
  return list;
}

}  // namespace

uint32_t Recipe::serial() const {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (char c : path()) hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
  return hash;
}

const std::vector<Recipe>& catalogue() {
  static const std::vector<Recipe> list = make_catalogue();
  return list;
}

Sound render_levelled(const Recipe& recipe) {
  Sound sound = recipe.render();
  set_loudness(sound, recipe.shape, recipe.loudness_lufs, kCeiling);
  return sound;
}

}  // namespace soundgen
