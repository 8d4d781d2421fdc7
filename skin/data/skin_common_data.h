#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "skin/data/options_reader.h"

namespace velmora::skin {

class SkinPlatform;

// Skin-wide values from GLOBALINFO.
struct TsSkinData {
  bool Applied = false;
  bool AeroBlur = false;
  std::string Author, Description;
  std::string SkinPath;
  int32_t ShadowOffset = 0, ShadowBlur = -1, ShadowTransparency = 0, ShadowColor = 0;
  int32_t BorderWidth = 4;
  int32_t TitleHeight = 30, MaxTitleHeight = 30, CenterOffset = -1;
  int32_t FormOffset = 0, BorderMode = 0;
  int32_t AlignOffsetL = 0, AlignOffsetR = 0, AlignOffsetT = 0, AlignOffsetB = 0;
  int32_t TitleButtonSpace = 0, TitleButtonVAlign = 0, TitleButtonRight = 0, TitleButtonLeft = 0,
          TitleButtonTop = 0, TitleButtonKeepHue = 0;
  int32_t ComboMargin = 2, SliderMargin = 1;
  int32_t BrightMin = -50, BrightMax = 50;
  int32_t ArrowStyle = 0, TabsCovering = 0, RibbonTabsCovering = 0;
  uint32_t InactiveBorderColor = 0;
  double Version = 0;
};

// One outer effect (the light outline or the shadow), fields in the stored order.
struct OuterEffectData {
  std::array<int32_t, 4> Colors{};  // left, top, right, bottom
  std::array<int32_t, 4> Offsets{};
  std::array<int32_t, 4> Widths{-1, -1, -1, -1};
  int32_t MaskIndex = -1;
  int32_t Source = 2;
  int32_t Opacity = 0;
};

enum OuterEffect { kLightOutline = 0, kShadow = 1 };

TsSkinData ReadCommonData(const OptionsReader& reader, SkinPlatform& platform);
// The description's keys; the mask is made by the registry.
OuterEffectData ReadOuterEffect(const OptionsReader& reader, OuterEffect which);

}  // namespace velmora::skin
