#include "skin/data/skin_common_data.h"

#include "skin/data/skin_platform.h"

namespace velmora::skin {

TsSkinData ReadCommonData(const OptionsReader& r, SkinPlatform& platform) {
  const OptionsText& t = r.Text();
  TsSkinData d;
  d.Version = t.ReadReal(kGlobalInfo, "VERSION");
  d.AeroBlur = r.GlobalInteger("AEROBLUR", 0) != 0;
  d.Author = t.ReadString(kGlobalInfo, "AUTHOR", "");
  d.Description = t.ReadString(kGlobalInfo, "DESCRIPTION", "");
  d.ShadowOffset = r.GlobalInteger("SHADOW1OFFSET", 0);
  d.ShadowBlur = r.GlobalInteger("SHADOW1BLUR", -1);
  d.ShadowTransparency = r.GlobalInteger("SHADOW1TRANSPARENCY", 0);
  d.ShadowColor = r.GlobalInteger("SHADOW1COLOR", 0);
  d.BorderWidth = r.GlobalInteger("BORDERWIDTH", 4);
  d.TitleHeight = r.ScaledGlobalInteger("TITLEHEIGHT", 30);
  if (d.TitleHeight <= 0) d.TitleHeight = 30;
  d.MaxTitleHeight = r.ScaledGlobalInteger("MAXHEIGHT", d.TitleHeight);
  if (d.MaxTitleHeight <= 0) d.MaxTitleHeight = d.TitleHeight;
  d.CenterOffset = r.ScaledGlobalInteger("CENTEROFFSET", 0);
  d.FormOffset =
      r.GlobalInteger("FORMOFFSET", platform.SystemMetricValue(SystemMetric::SizingFrameWidth));
  d.BorderMode = r.GlobalInteger("BORDERMODE", 0);
  d.AlignOffsetL = r.GlobalInteger("ALIGNOFFSET", 0);
  d.AlignOffsetR = r.GlobalInteger("ALIGNOFFSETR", d.AlignOffsetL);
  d.AlignOffsetT = r.GlobalInteger("ALIGNOFFSETT", d.AlignOffsetL);
  d.AlignOffsetB = r.GlobalInteger("ALIGNOFFSETB", d.AlignOffsetL);
  d.TitleButtonSpace = r.Scale().ScaledValue(r.GlobalInteger("BISPACE", 0));
  d.TitleButtonVAlign = r.GlobalInteger("BIVALIGN", 0);
  d.TitleButtonRight = r.GlobalInteger("BIRIGHT", 0);
  d.TitleButtonLeft = r.GlobalInteger("BILEFT", 0);
  d.TitleButtonTop = r.GlobalInteger("BITOP", 0);
  d.TitleButtonKeepHue = r.GlobalInteger("BIKEEPHUE", 0);
  d.ComboMargin = r.GlobalInteger("COMBOMARGIN", 2);
  d.SliderMargin = r.GlobalInteger("SLIDERMARGIN", 1);
  d.BrightMin = r.GlobalInteger("BRIGHTMIN", -50);
  d.BrightMax = r.GlobalInteger("BRIGHTMAX", 50);
  d.ArrowStyle = r.GlobalInteger("ARROWSTYLE", 0);
  d.TabsCovering = t.ReadInteger("TABTOP", "TABSCOVERING", 0);
  d.RibbonTabsCovering = t.ReadInteger("RIBBONTAB", "TABSCOVERING", 0);
  d.InactiveBorderColor = platform.SystemColourValue(SystemColour::InactiveBorder);
  return d;
}

OuterEffectData ReadOuterEffect(const OptionsReader& r, OuterEffect which) {
  struct Defaults {
    const char* prefix;
    std::array<int32_t, 4> colors, offsets;
    int32_t opacity;
  };
  static const Defaults kDefaults[2] = {
      {"LO_", {0xFFFFFF, 0, 0xFFFFFF, 0xFFFFFF}, {2, 2, 2, 4}, 200},
      {"SH_", {0, 0, 0, 0}, {3, 2, 3, 5}, 60},
  };
  const Defaults& defaults = kDefaults[which];
  const std::string prefix = defaults.prefix;
  static const char* const kSides = "LTRB";
  OuterEffectData e;
  for (int side = 0; side < 4; ++side) {
    const std::string s(1, kSides[side]);
    e.Colors[side] = r.GlobalInteger(prefix + "COLOR" + s, defaults.colors[side]);
    e.Offsets[side] = r.GlobalInteger(prefix + "OFFSET" + s, defaults.offsets[side]);
    e.Widths[side] = r.GlobalInteger(prefix + "WIDTH" + s, -1);
  }
  e.Source = r.GlobalInteger(prefix + "SOURCE", 2);
  e.Opacity = r.GlobalInteger(prefix + "OPACITY", defaults.opacity);
  return e;
}

}  // namespace velmora::skin
