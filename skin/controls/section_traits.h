#pragma once
// What a section's rendering depends on, so a resize invalidates children only when it must.
#include <cstdint>

namespace velmora::skin {

class SkinRegistry;

enum SectionTrait : uint16_t {
  kTraitGradientWidth = 0x01,
  kTraitGradientHeight = 0x02,
  kTraitTextureBoth = 0x04,
  kTraitTextureHeightA = 0x10,
  kTraitTextureWidthA = 0x20,
  kTraitTextureHeightB = 0x40,
  kTraitTextureWidthB = 0x80,
};

inline constexpr uint16_t kWidthTraits = 0x01 | 0x04 | 0x20 | 0x80;
inline constexpr uint16_t kHeightTraits = 0x02 | 0x04 | 0x10 | 0x40;

// From the section's normal state; 0 for an index that is not a section.
uint16_t ComputeSectionTraits(const SkinRegistry& skin, int32_t sectionIndex);

}  // namespace velmora::skin
