#include "skingen/options_writer.h"

namespace skingen {
namespace {

// Keys of the three states: normal, hot, third.
struct StateKeys {
  const char *Colour, *Font, *Transparency, *GradientPercent, *Gradient, *ImagePercent;
};
constexpr StateKeys kStateKeys[] = {
    {"COLOR", "FONTCOLOR", "TRANSPARENCY", "GRADIENTPERCENT", "GRADIENTDATA", "IMAGEPERCENT"},
    {"HOTCOLOR", "HOTFONTCOLOR", "HOTTRANSPARENCY", "HOTGRADIENTPERCENT", "HOTGRADIENTDATA",
     "HOTIMAGEPERCENT"},
    {"COLOR2", "FONTCOLOR2", "TRANSPARENCY2", "GRADIENTPERCENT2", "GRADIENTDATA2", "IMAGEPERCENT2"},
};

// A vertical ramp in the five-word form: colour, colour, share, mode, spare, per stop.
std::string RampText(Rgba top, Rgba bottom) {
  const std::string a = ColourValue(top), b = ColourValue(bottom);
  return a + ";" + a + ";100;0;0;" + b + ";" + b + ";0;0;0";
}

void Line(std::string& text, const std::string& key, const std::string& value) {
  text += key + "=" + value + "\r\n";
}

void WriteLook(std::string& text, const StateKeys& keys, const StateLook& look) {
  Line(text, keys.Colour, ColourValue(look.Colour));
  Line(text, keys.Font, ColourValue(look.Font));
  Line(text, keys.Transparency, std::to_string(look.Transparency));
  Line(text, keys.ImagePercent, look.Textured ? "100" : "0");
  Line(text, keys.GradientPercent, look.Ramp ? "100" : "0");
  if (look.Ramp) Line(text, keys.Gradient, RampText(look.Ramp->first, look.Ramp->second));
}

}  // namespace

std::string WriteOptionsText(const std::vector<SectionLook>& sections, const MasterImage& master) {
  std::string text = "; Emerald: the skin Velmora draws its window with.\r\n";
  for (const SectionLook& section : sections) {
    text += "[" + section.Name + "]\r\n";
    if (!section.Parent.empty()) Line(text, "PARENTCLASS", section.Parent);
    if (section.States > 0) Line(text, "STATES", std::to_string(section.States));
    if (section.Looks.size() > 2) Line(text, "USESTATE2", "1");
    for (size_t state = 0; state < section.Looks.size(); ++state)
      WriteLook(text, kStateKeys[state], section.Looks[state]);
    for (const auto& [key, value] : section.Keys) Line(text, key, value);
    for (const PlacedMask& mask : master.Masks)
      if (mask.Art.Section == section.Name) Line(text, mask.Art.Key, mask.Value());
    for (const MaskAlias& alias : MaskAliases())
      if (alias.Section == section.Name)
        Line(text, alias.Key, master.Find(alias.SameAsSection, alias.SameAsKey)->Value());
  }
  return text;
}

}  // namespace skingen
