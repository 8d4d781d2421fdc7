#include "soundgen/catalogue.h"

#include "soundgen/subjects/subjects.h"
#include "soundgen/synth/levels.h"

namespace soundgen {
namespace {

constexpr float kCeiling = 0.7f;  // -3 dBFS: room for the encoder's overshoot on thunder's cracks
constexpr double kLayerLufs = -22.0;
constexpr float kLoopQuality = 0.3f;
constexpr float kOneShotQuality = 0.4f;
// Twelve minutes of rain at a lower rate keep both folders small; noise hides the difference.
constexpr float kLongRainQuality = 0.0f;

Recipe loop(std::string name, double seconds, std::function<Sound()> render, double lufs = kLayerLufs) {
  return {"samp_povt", std::move(name), Shape::Loop, lufs, kLoopQuality, std::move(render), seconds};
}

Recipe one_shot(std::string name, double seconds, std::function<Sound()> render, double lufs,
                float quality = kOneShotQuality) {
  return {"samp_raz", std::move(name), Shape::OneShot, lufs, quality, std::move(render), seconds};
}

std::vector<Recipe> make_catalogue() {
  std::vector<Recipe> list;
  const struct {
    const char* name;
    double seconds;
    Sound (*render)(int);
  } layers[] = {{"ruchey", 60, brook}, {"koster", 45, campfire}, {"veter", 60, wind},
                {"sverch", 40, cricket_chorus}, {"bol", 45, swamp}};
  for (const auto& layer : layers) {
    for (int v = 1; v <= 2; ++v)
      list.push_back(loop(layer.name + std::to_string(v), layer.seconds, [=] { return layer.render(v); }));
  }
  for (int v = 1; v <= 5; ++v) list.push_back(loop("buben" + std::to_string(v), 36, [v] { return drum(v); }));
  list.push_back(loop("dogd", 60, steady_rain));
  // Distant thunder, quieter than the rain it is mixed over.
  list.push_back(loop("dogd_gr", 90, thunder_loop, kLayerLufs - 4));

  // One cricket near the listener is softer than a whole chorus; the far one softer still.
  for (int n = 3; n <= 11; ++n)
    list.push_back(one_shot("sverch" + std::to_string(n), 4, [n] { return cricket_phrase(n); }, n == 8 ? -30 : -25));
  // Near calls at about a layer's loudness, far ones well below.
  const double call_lufs[] = {-22, -29, -24, -25, -27, -21, -29, -23, -24, -24};
  for (int n = 1; n <= 10; ++n)
    list.push_back(one_shot("ptic" + std::to_string(n), 6, [n] { return night_call(n); }, call_lufs[n - 1]));
  list.push_back(one_shot("dogd2", 720, [] { return whole_rain(false); }, kLayerLufs, kLongRainQuality));
  list.push_back(one_shot("dogd_gr3", 720, [] { return whole_rain(true); }, kLayerLufs + 1, kLongRainQuality));
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
