#include "skin/manager/system_colours.h"

#include "skin/data/skin_registry.h"

namespace velmora::skin {
namespace {

// The platform's colour numbers.
enum : int {
  kWindow = 5,
  kWindowFrame = 6,
  kWindowText = 8,
  kInactiveBorder = 11,
  kHighlight = 13,
  kHighlightText = 14,
  kButtonFace = 15,
  kButtonShadow = 16,
  kDarkShadow3d = 21,
  kLight3d = 22,
};

constexpr int kShadeWeight = 205;
constexpr int kLineWeight = 38;

uint32_t Palette(const SkinRegistry& skin, int slot) {
  return uint32_t(skin.Palette()[size_t(slot)]);
}

std::optional<uint32_t> Redirected(int index, const SkinRegistry& skin, bool buttonFace) {
  switch (index) {
    case kWindow:
      return Palette(skin, kEditBackground);
    case kWindowFrame:
      return Palette(skin, kBorderColor);
    case kWindowText:
      return Palette(skin, kEditText);
    case kInactiveBorder:
      return skin.CommonData().InactiveBorderColor;
    case kHighlight:
      return Palette(skin, kSelectionFocused);
    case kHighlightText:
      return Palette(skin, kSelectionTextFocused);
    case kButtonShadow:
    case kDarkShadow3d:
      return uint32_t(MixColours(skin.MainColor(), 0, kShadeWeight));
    case kLight3d:
      return uint32_t(MixColours(skin.MainColor(), 0xFFFFFF, kShadeWeight));
    case kButtonFace:
      if (buttonFace) return Palette(skin, kMainColor);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<uint32_t> SkinSystemColour(int index, const SkinRegistry& skin) {
  return Redirected(index, skin, false);
}

std::optional<uint32_t> SkinPenColour(uint32_t colour, const SkinRegistry& skin) {
  if (colour == 0xC0C0C0 || colour == 0xF0F0F0)
    return uint32_t(MixColours(skin.EditTextColor(), skin.EditColor(), kLineWeight));
  if (colour == kWindowText) return std::nullopt;
  return Redirected(int(colour), skin, true);
}

}  // namespace velmora::skin
