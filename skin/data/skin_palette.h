#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/data/options_reader.h"
#include "skin/data/section_data.h"

namespace velmora::skin {

class SkinPlatform;

inline constexpr int kPaletteSize = 43;
using SkinPalette = std::array<int32_t, kPaletteSize>;

// Named palette slots the colour queries use.
enum PaletteSlot {
  kMainColor = 0,
  kLabelText = 1,
  kEditText = 4,
  kEditBackground = 5,
  kSelection = 6,
  kSelectionText = 7,
  kSelectionFocused = 8,
  kSelectionTextFocused = 9,
  kBorderColor = 39,
  kGridLine = 40,
  kHintBackground = 41,
  kHintText = 42,
};

// Per-channel (a * w + b * (255 - w)) / 256, the top byte taken from a.
int32_t MixColours(int32_t a, int32_t b, int weight);

// The palette from GLOBALINFO's colour keys and the decoded sections; `sections` must be the
// skin's own sections in order, `findSection` gives the first of a name or -1.
SkinPalette ReadPalette(const OptionsReader& reader, const std::vector<TsGeneralData>& sections,
                        const std::function<int(std::string_view)>& findSection,
                        SkinPlatform& platform);

}  // namespace velmora::skin
