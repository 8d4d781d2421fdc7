#pragma once
// The skin's sections: colours, gradients, transparency and text colour per state, the parent
// each inherits from, and the further keys they carry. The options text and the skin sheet are
// both written from this one table.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "skingen/image.h"

namespace skingen {

struct StateLook {
  Rgba Colour;
  Rgba Font;
  int Transparency = 0;
  std::optional<std::pair<Rgba, Rgba>> Ramp;  // top to bottom, the whole fill
  bool Textured = false;                      // the ground texture is the whole fill
};

struct SectionLook {
  std::string Name;
  std::string Parent;
  int States = 0;                // 0: not written, inherited
  std::vector<StateLook> Looks;  // normal, hot, third (the third makes USESTATE2=1)
  std::vector<std::pair<std::string, std::string>> Keys;  // further keys, written as given
};

inline constexpr const char* kTextureName = "GREEN_WOOD.JPG";

// GLOBALINFO first, then every section in the order the options text holds them.
std::vector<SectionLook> SkinSections();

// The look a section draws with in a state, following its parents; nullopt when none has one.
std::optional<StateLook> ResolveLook(const std::vector<SectionLook>& sections,
                                     const std::string& name, int state);
int ResolveStates(const std::vector<SectionLook>& sections, const std::string& name);

// Colour values as the options text writes them: 0x00BBGGRR in decimal.
std::string ColourValue(Rgba c);

}  // namespace skingen
