#pragma once
#include <array>
#include <string>
#include <vector>

namespace velmora::skin {

inline constexpr int kCommonSectionCount = 53;
extern const std::array<const char*, kCommonSectionCount> kCommonSectionNames;
extern const std::array<const char*, 16> kTabSectionNames;
extern const std::array<const char*, 5> kGlowButtonNames;
extern const std::array<const char*, 12> kTitleButtonNames;

// A section the engine draws often, with its masks resolved once per skin.
struct TacConstElementData {
  int SkinIndex = -1;
  int BorderIndex = -1;
  int GlyphIndex = -1;
  int TextureIndex = -1;
  int HotTextureIndex = -1;
  std::string SectionName;
};

struct TrackBarIndexes {
  int SkinIndex = -1, BorderIndex = -1, SliderMask = -1, TextureIndex = -1, HotTextureIndex = -1,
      TickMask = -1, ProgressMask = -1, ChannelMask = -1;
};

// Pre-resolved skin and mask indexes; -1 where the skin has none.
struct TConstantSkinData {
  int ScaleIndex = 0;
  int IndexGlobalInfo = -1;
  std::array<int, kCommonSectionCount> Sections;
  std::array<TacConstElementData, 16> Tabs;
  std::array<TacConstElementData, 4> ScrollBars, ScrollButtons, UpDownButtons;
  std::array<TacConstElementData, 2> ScrollSliders;
  TacConstElementData MenuItem, ComboBtn;
  std::array<std::vector<int>, 5> GlowMasks;
  std::array<int, 5> GlowMargins;
  std::array<int, 12> TitleButtons;
  std::array<int, 2> RadioGlyphs;  // unchecked, checked
  std::array<int, 3> CheckGlyphs;  // unchecked, checked, grayed
  std::array<int, 3> SmallCheckGlyphs;
  std::array<TrackBarIndexes, 2> TrackBars;  // vertical, horizontal
  int ExBorder = -1, GripImage = -1, GripHorz = -1, GripVert = -1;

  TConstantSkinData() {
    Sections.fill(-1);
    GlowMargins.fill(-1);
    TitleButtons.fill(-1);
    RadioGlyphs.fill(-1);
    CheckGlyphs.fill(-1);
    SmallCheckGlyphs.fill(-1);
  }
};

}  // namespace velmora::skin
