#include "skingen/contrast.h"

#include "skingen/palette.h"

namespace skingen {
namespace {

// The lighter end of what a section paints in a state: where light text is least legible.
Rgba LightestFill(const StateLook& look, Rgba lightestGround) {
  if (look.Textured || look.Transparency == 100) return lightestGround;
  if (!look.Ramp) return look.Colour;
  return Luminance(look.Ramp->first) > Luminance(look.Ramp->second) ? look.Ramp->first
                                                                    : look.Ramp->second;
}

}  // namespace

std::vector<ContrastCheck> MeasureContrast(const StoredSkin& skin) {
  Rgba lightest = skin.Texture.At(0, 0);
  for (int y = 0; y < skin.Texture.Height(); ++y)
    for (int x = 0; x < skin.Texture.Width(); ++x)
      if (Luminance(skin.Texture.At(x, y)) > Luminance(lightest)) lightest = skin.Texture.At(x, y);
  const Rgba ground = Blend(lightest, Hex(0xFFFFFF), 0.07);

  std::vector<ContrastCheck> checks;
  const auto add = [&](std::string name, Rgba fore, Rgba back, double required) {
    checks.push_back({std::move(name), fore, back, ContrastRatio(fore, back), required});
  };
  const char* names[] = {"NORMAL", "HOT", "PRESSED"};
  for (const char* section : {"FORM", "FORMTITLE", "CHECKBOX", "BUTTON", "EDIT", "COMBOBTN",
                              "SELECTION", "MAINMENU", "MENUITEM", "MENUCAPTION", "TRANSPARENT"}) {
    const int states = ResolveStates(skin.Sections, section);
    for (int state = 0; state < std::min(states, 3); ++state) {
      const auto look = ResolveLook(skin.Sections, section, state);
      Rgba back = LightestFill(*look, ground);
      // A clear menu item shows the menu's ground, a clear combo button the field beneath.
      if (look->Transparency == 100 && look->Colour != colours::kGroundDark) back = look->Colour;
      if (look->Transparency > 0 && look->Transparency < 100)
        back = Blend(colours::kFieldFaceHot, look->Colour, 1 - look->Transparency / 100.0);
      add(std::string(section) + " " + names[state], look->Font, back, 4.5);
    }
  }
  add("LABEL ON GROUND", colours::kText, ground, 7);
  add("DISABLED TEXT", colours::kTextDisabled, ground, 3);
  add("TITLE GLYPH", colours::kTitleGlyph, colours::kTitleBottom, 3);
  add("CLOSE GLYPH HOT", colours::kTextBright, colours::kCloseHot, 3);
  add("CHECK MARK", colours::kAccent, Hex(0x0B2219), 3);
  return checks;
}

}  // namespace skingen
