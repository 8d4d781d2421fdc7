#include "skin/data/section_data.h"

namespace velmora::skin {
namespace {

struct StateKeys {
  const char *glowSize, *imagePercent, *transparency, *gradientPercent, *color, *glowColor,
      *fontColor, *tcLeft, *tcTop, *tcRight, *tcBottom, *gradient;
};

constexpr StateKeys kStateKeys[3] = {
    {"GSIZE", "IMAGEPERCENT", "TRANSPARENCY", "GRADIENTPERCENT", "COLOR", "GCOL", "FONTCOLOR",
     "TCLEFT", "TCTOP", "TCRIGHT", "TCBOTTOM", "GRADIENTDATA"},
    {"HGSIZE", "HOTIMAGEPERCENT", "HOTTRANSPARENCY", "HOTGRADIENTPERCENT", "HOTCOLOR", "HGCOL",
     "HOTFONTCOLOR", "HOTTCLEFT", "HOTTCTOP", "HOTTCRIGHT", "HOTTCBOTTOM", "HOTGRADIENTDATA"},
    {"GSIZE2", "IMAGEPERCENT2", "TRANSPARENCY2", "GRADIENTPERCENT2", "COLOR2", "GCOL2",
     "FONTCOLOR2", "TCLEFT2", "TCTOP2", "TCRIGHT2", "TCBOTTOM2", "GRADIENTDATA2"},
};

TsGenState DecodeState(const OptionsReader& r, const std::string& s, const StateKeys& k) {
  TsGenState state;
  auto colour = [&](const char* key, int32_t fallback) {
    return r.InheritedInteger(s, key, fallback);
  };
  state.GlowSize = colour(k.glowSize, 0);
  state.ImagePercent = colour(k.imagePercent, 0);
  state.Transparency = colour(k.transparency, 0);
  state.GradientPercent = colour(k.gradientPercent, 0);
  state.Color = colour(k.color, 0xFFFFFF);
  state.GlowColor = colour(k.glowColor, 0xFFFFFF);
  state.FontColor = colour(k.fontColor, 0);
  state.TCLeft = colour(k.tcLeft, -1);
  state.TCTop = colour(k.tcTop, -1);
  state.TCRight = colour(k.tcRight, -1);
  state.TCBottom = colour(k.tcBottom, -1);
  const std::string gradient = r.InheritedString(s, k.gradient, "");
  if (gradient.size() < 4)
    state.GradientPercent = 0;
  else
    state.Gradient = DecodeGradientText(gradient);
  return state;
}

}  // namespace

TsGeneralData DecodeSection(const OptionsReader& r, const std::string& name) {
  TsGeneralData d;
  d.SectionName = name;
  d.ParentName = r.Text().ReadString(name, "PARENTCLASS", "");
  d.UseState2 = r.InheritedInteger(name, "USESTATE2", 0) == 1;
  d.GiveOwnFont = r.InheritedBoolean(name, "GIVEOWNFONT", false);
  d.ReservedBoolean = r.InheritedBoolean(name, "RESERVEDBOOLEAN", false);
  d.StateCount = r.InheritedInteger(name, "STATES", 3, 255);
  d.GlowSize = r.InheritedInteger(name, "GLOW", 0, 255);
  d.GlowMargin = r.InheritedInteger(name, "GLOWMARGIN", 0, 255);
  d.OuterMode = r.InheritedInteger(name, "OUTERMODE", 2);
  d.OuterOpacity = r.InheritedInteger(name, "OUTOPACITY", 200, 255);
  d.OutOffsL = r.InheritedInteger(name, "OUTOFFSL", -1, 255, true);
  d.OutOffsT = r.InheritedInteger(name, "OUTOFFST", -1, 255, true);
  d.OutOffsR = r.InheritedInteger(name, "OUTOFFSR", -1, 255, true);
  d.OutOffsB = r.InheritedInteger(name, "OUTOFFSB", -1, 255, true);
  d.Props[0] = DecodeState(r, name, kStateKeys[0]);
  d.Props[1] = d.StateCount < 2 ? d.Props[0] : DecodeState(r, name, kStateKeys[1]);
  d.Props[2] = d.UseState2 ? DecodeState(r, name, kStateKeys[2]) : d.Props[1];
  return d;
}

}  // namespace velmora::skin
