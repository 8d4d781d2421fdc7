#pragma once
// The skin-wide hue, saturation and brightness shifts, applied once to a decoded skin.
#include <vector>

#include "skin/data/image32.h"
#include "skin/data/mask_data.h"
#include "skin/data/section_data.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_palette.h"

namespace velmora::skin {

struct ColourShift {
  int HueOffset = 0;   // degrees
  int Saturation = 0;  // percent
  int Brightness = 0;  // -100..100
  bool Any() const { return HueOffset != 0 || Saturation != 0 || Brightness != 0; }
};

// Everything of a decoded skin that carries colour.
struct SkinColours {
  Image32& Master;
  std::vector<TacExtFileData>& External;
  const std::vector<TsMaskData>& Masks;
  std::vector<TsGeneralData>& Sections;
  SkinPalette& Palette;
  int32_t& ShadowColor;
  int32_t KeepTitleButtonHue;  // BIKEEPHUE
};

// Hue, then saturation, then brightness, each skipped at 0. Key pixels and colourless values
// stay; brightness spares the mask halves of layout-1 masks, the hue spares title buttons as
// BIKEEPHUE asks.
void AdjustColours(const SkinColours& skin, const ColourShift& shift);

}  // namespace velmora::skin
