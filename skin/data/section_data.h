#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/options_reader.h"

namespace velmora::skin {

struct TsGradientStop {
  int16_t Index = 0;
  uint32_t Mode = 0;   // bits 0-1 the shape; bits 4 and 5 flags
  uint32_t Color = 0;  // 0xAARRGGBB as stored in the text
  uint8_t Position = 0;
};
using TsGradArray = std::vector<TsGradientStop>;

// Decodes a gradient text (both the five-word and the three-word form); a word that must be a
// number and is not throws SkinError.
TsGradArray DecodeGradientText(std::string_view text);

struct TsGenState {
  int32_t GlowSize = 0;
  int32_t ImagePercent = 0;
  int32_t TextureIndex = -1;
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  int32_t Color = 0xFFFFFF;
  int32_t GlowColor = 0xFFFFFF;
  int32_t FontColor = 0;
  int32_t TCLeft = -1, TCTop = -1, TCRight = -1, TCBottom = -1;
  TsGradArray Gradient;
};
using TsProps = std::array<TsGenState, 3>;

// One skin section decoded; mask indexes and EditBorderFlag are filled by the registry.
struct TsGeneralData {
  std::string ParentName;
  std::string SectionName;
  TsProps Props;
  bool UseState2 = false;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  int32_t StateCount = 3;
  int32_t EditBorderFlag = -2;
  int32_t GlowSize = 0;
  int32_t GlowMargin = 0;
  int32_t BorderIndex = -1;
  int32_t ImgTopLeft = -1, ImgTopRight = -1, ImgBtmLeft = -1, ImgBtmRight = -1;
  int32_t OuterMode = 2;
  int32_t OuterMask = -1;
  int32_t OuterOpacity = 200;
  int32_t OutOffsL = -1, OutOffsT = -1, OutOffsR = -1, OutOffsB = -1;
};

TsGeneralData DecodeSection(const OptionsReader& reader, const std::string& name);

}  // namespace velmora::skin
