#include "skin/data/skin_palette.h"

#include "skin/data/number_text.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_platform.h"

namespace velmora::skin {
namespace {

constexpr int32_t kNoColour = -1;
constexpr int32_t kMagenta = 0xFF00FF;

// An ARGB colour: a decimal 64-bit integer whose low 32 bits are taken; invalid text aborts.
int32_t ReadArgb(const OptionsText& t, const char* key, int32_t fallback) {
  const std::string* value = t.Find(kGlobalInfo, key);
  if (!value || value->empty()) return fallback;
  return static_cast<int32_t>(static_cast<uint32_t>(RequireInt64(*value)));
}

int32_t Opaque(int32_t colour) { return static_cast<int32_t>(uint32_t(colour) | 0xFF000000u); }

}  // namespace

int32_t MixColours(int32_t a, int32_t b, int weight) {
  const uint32_t ua = uint32_t(a), ub = uint32_t(b), w = uint32_t(weight);
  uint32_t result = ua & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t channel = ((ua >> shift & 0xFF) * w + (ub >> shift & 0xFF) * (255 - w)) / 256;
    result |= (channel & 0xFF) << shift;
  }
  return static_cast<int32_t>(result);
}

SkinPalette ReadPalette(const OptionsReader& r, const std::vector<TsGeneralData>& sections,
                        const std::function<int(std::string_view)>& findSection,
                        SkinPlatform& platform) {
  const OptionsText& t = r.Text();
  const auto system = [&](SystemColour c) { return int32_t(platform.SystemColourValue(c)); };
  const auto global = [&](const char* key, int32_t fallback) {
    return r.GlobalInteger(key, fallback);
  };
  const auto section = [&](std::string_view name) -> const TsGeneralData* {
    const int index = findSection(name);
    return index < 0 ? nullptr : &sections[size_t(index)];
  };
  SkinPalette p{};
  p[0] = global("COLOR", system(SystemColour::ButtonFace));
  p[1] = global("FONTCOLOR", 0);
  p[2] = global("TCBOTTOM", 0xFF0000);
  p[3] = global("TCTOP", 0x0000FF);
  const TsGeneralData* edit = section("EDIT");
  p[4] = edit ? edit->Props[0].FontColor : system(SystemColour::WindowText);
  p[5] = edit ? edit->Props[0].Color : system(SystemColour::Window);
  p[6] = p[7] = p[8] = p[9] = kNoColour;
  if (const TsGeneralData* selection = section("SELECTION")) {
    const int focused = selection->StateCount >= 2 ? 1 : 0;
    p[6] = selection->Props[0].Color;
    p[7] = selection->Props[0].FontColor;
    p[8] = selection->Props[size_t(focused)].Color;
    p[9] = selection->Props[size_t(focused)].FontColor;
  }
  if (p[7] == kNoColour || p[7] == kMagenta) {
    if (const TsGeneralData* menu = section("MENUITEM")) {
      p[6] = p[8] = menu->Props[1].Color;
      p[7] = menu->Props[1].FontColor;
      if (p[7] == kNoColour || p[7] == kMagenta) p[7] = system(SystemColour::HighlightText);
      p[9] = p[7];
    } else {
      p[6] = p[8] = system(SystemColour::Highlight);
      p[7] = p[9] = system(SystemColour::HighlightText);
    }
  }
  p[10] = global("EDITBG_INV", p[4]);
  p[11] = global("EDITTEXT_INV", p[5]);
  p[12] = global("EDITBG_ODD", p[5]);
  p[13] = global("EDITBG_EVEN", MixColours(p[4], p[5], 13));
  p[14] = global("EDITTEXT_OK", 0x008000);
  p[15] = global("EDITTEXT_WARN", 0x008484);
  p[16] = global("EDITTEXT_ALERT", 0x0000FF);
  // Slots 17, 18, 22 and 23 read the alert keys again; stored skins may rely on it.
  p[17] = global("EDITTEXT_ALERT", 0x8597D9);
  p[18] = global("EDITTEXT_ALERT", 0x4AB28F);
  p[19] = global("EDITBG_OK", 0x6CC2A5);
  p[20] = global("EDITBG_WARN", 0x40FFFF);
  p[21] = global("EDITBG_ALERT", 0x95A7E9);
  p[22] = global("EDITBG_ALERT", 0x8597D9);
  p[23] = global("EDITBG_ALERT", 0x4AB28F);
  p[24] = global("EDITTEXT_H1", 0);
  p[25] = global("EDITTEXT_H2", 0);
  p[26] = global("EDITTEXT_H3", 0);
  p[39] = global("BORDERCOLOR", 0);
  p[27] = ReadArgb(t, "BTNCOLOR1ACTIVE", Opaque(MixColours(p[0], 0xFFFFFF, 177)));
  p[28] = ReadArgb(t, "BTNCOLOR2ACTIVE", Opaque(p[0]));
  p[29] = global("BTNBORDERACTIVE", p[39]);
  p[30] = global("BTNFONTACTIVE", p[1]);
  p[31] = ReadArgb(t, "BTNCOLOR1NORMAL", Opaque(p[0]));
  p[32] = ReadArgb(t, "BTNCOLOR2NORMAL", Opaque(MixColours(p[0], 0, 244)));
  p[33] = global("BTNBORDERNORMAL", p[39]);
  p[34] = global("BTNFONTNORMAL", p[1]);
  p[35] = ReadArgb(t, "BTNCOLOR1PRESSED", Opaque(MixColours(p[0], 0, 233)));
  p[36] = ReadArgb(t, "BTNCOLOR2PRESSED", p[35]);
  p[37] = global("BTNBORDERPRESSED", p[39]);
  p[38] = global("BTNFONTPRESSED", p[1]);
  p[40] = global("GRIDLINE", -1);
  if (p[40] == -1) p[40] = MixColours(p[4], p[5], 30);
  const TsGeneralData* hint = section("HINT");
  p[41] = hint ? hint->Props[0].Color : system(SystemColour::InfoBackground);
  p[42] = hint ? hint->Props[0].FontColor : system(SystemColour::InfoText);
  return p;
}

}  // namespace velmora::skin
