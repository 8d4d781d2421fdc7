#include "skin/controls/section_traits.h"

#include <initializer_list>

#include "skin/data/skin_registry.h"

namespace velmora::skin {
namespace {

bool ModeIn(int32_t mode, std::initializer_list<int32_t> modes) {
  for (int32_t m : modes)
    if (m == mode) return true;
  return false;
}

uint16_t TextureTraits(int32_t mode) {
  uint16_t traits = 0;
  if (ModeIn(mode, {1, 4, 5, 8, 9, 11, 12})) traits |= 0x04;
  if (ModeIn(mode, {0, 1, 3, 5, 10, 12})) traits |= 0x10;
  if (ModeIn(mode, {0, 1, 7, 9, 10, 12})) traits |= 0x40;
  if (ModeIn(mode, {0, 1, 2, 4, 10, 11})) traits |= 0x20;
  if (ModeIn(mode, {0, 1, 6, 8, 10, 11})) traits |= 0x80;
  return traits;
}

constexpr uint32_t kGradientAlwaysOn = 0x20;

uint16_t GradientTraits(const TsGenState& state) {
  if (state.Gradient.empty()) return 0;
  const uint32_t flags = state.Gradient.front().Mode;
  if (state.GradientPercent <= 0 && !(flags & kGradientAlwaysOn)) return 0;
  switch (flags & 3) {
    case 0: return kTraitGradientHeight;
    case 1: return kTraitGradientWidth;
    case 2: return kTraitGradientWidth | kTraitGradientHeight;
    default: return 0;
  }
}

}  // namespace

uint16_t ComputeSectionTraits(const SkinRegistry& skin, int32_t sectionIndex) {
  if (!skin.IsValidSkinIndex(sectionIndex)) return 0;
  const TsGenState& normal = skin.Sections()[size_t(sectionIndex)].Props[0];
  uint16_t traits = GradientTraits(normal);
  if (normal.ImagePercent > 0 && skin.IsValidMaskIndex(normal.TextureIndex))
    traits |= TextureTraits(skin.Masks()[size_t(normal.TextureIndex)].DrawMode);
  return traits;
}

}  // namespace velmora::skin
