#include "skin/data/colour_adjustments.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "skin/data/constant_indexes.h"
#include "skin/paint/colour_transforms.h"

namespace velmora::skin {
namespace {

using ColourTransform = std::function<uint32_t(uint32_t, ValueKind)>;

constexpr int32_t kNoColour = 0x1FFFFFFF;

// -1, "no colour", the key and system colour numbers are names, not colours.
bool IsPlainColour(int32_t colour) {
  const uint32_t c = uint32_t(colour);
  const bool systemColour = (c & 0xFF000000u) == 0xFF000000u && (c & 0x00FFFF00u) == 0;
  return colour != -1 && colour != kNoColour && c != kKeyColour && !systemColour;
}

void AdjustColour(int32_t& colour, const ColourTransform& transform) {
  if (IsPlainColour(colour)) colour = int32_t(transform(uint32_t(colour), ValueKind::Colour));
}

// A part of an image that a shift leaves as it was.
struct SparedArea {
  const Image32* Image;
  MaskRect Rect;
};

void AdjustImage(Image32& image, const std::vector<SparedArea>& spared,
                 const ColourTransform& transform) {
  std::vector<std::pair<MaskRect, std::vector<uint32_t>>> kept;
  for (const SparedArea& area : spared) {
    if (area.Image != &image) continue;
    const MaskRect r{std::clamp(area.Rect.Left, 0, image.Width),
                     std::clamp(area.Rect.Top, 0, image.Height),
                     std::clamp(area.Rect.Right, 0, image.Width),
                     std::clamp(area.Rect.Bottom, 0, image.Height)};
    std::vector<uint32_t> pixels;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x) pixels.push_back(image.At(x, y));
    kept.emplace_back(r, std::move(pixels));
  }
  for (uint32_t& pixel : image.Pixels)
    if (pixel != kKeyColour) pixel = transform(pixel, ValueKind::Pixel);
  for (const auto& [r, pixels] : kept) {
    size_t i = 0;
    for (int32_t y = r.Top; y < r.Bottom; ++y)
      for (int32_t x = r.Left; x < r.Right; ++x) image.At(x, y) = pixels[i++];
  }
}

void AdjustAll(const SkinColours& skin, const std::vector<SparedArea>& spared,
               const ColourTransform& transform) {
  AdjustImage(skin.Master, spared, transform);
  for (TacExtFileData& external : skin.External) AdjustImage(*external.Bitmap, spared, transform);
  for (TsGeneralData& section : skin.Sections) {
    for (TsGenState& state : section.Props) {
      for (int32_t* colour : {&state.Color, &state.GlowColor, &state.FontColor, &state.TCLeft,
                              &state.TCTop, &state.TCRight, &state.TCBottom}) {
        AdjustColour(*colour, transform);
      }
      for (TsGradientStop& stop : state.Gradient) {
        if (stop.Color != kKeyColour) stop.Color = transform(stop.Color, ValueKind::Colour);
      }
    }
  }
  AdjustColour(skin.ShadowColor, transform);
  for (int32_t& colour : skin.Palette) AdjustColour(colour, transform);
}

const Image32* ImageOf(const SkinColours& skin, const TsMaskData& mask) {
  return mask.Image ? mask.Image : &skin.Master;
}

// The lower halves of layout-1 masks hold their masks, not colours.
std::vector<SparedArea> MaskHalves(const SkinColours& skin) {
  std::vector<SparedArea> areas;
  for (const TsMaskData& m : skin.Masks) {
    if (m.MaskLayout != 1) continue;
    const MaskRect r = m.Rect;
    areas.push_back({ImageOf(skin, m), {r.Left, r.Top + r.Height() / 2, r.Right, r.Bottom}});
  }
  return areas;
}

bool IsTitleButton(std::string_view key, bool closeOnly) {
  for (const char* name : kTitleButtonNames) {
    const std::string_view n = name;
    if (closeOnly && !n.ends_with("CLOSE") && n != "BICLOSEALONE") continue;
    if (key == n || (key.starts_with(n) && key.substr(n.size()).starts_with('*'))) return true;
  }
  return false;
}

std::vector<SparedArea> TitleButtons(const SkinColours& skin) {
  std::vector<SparedArea> areas;
  if (skin.KeepTitleButtonHue < 1) return areas;
  for (const TsMaskData& m : skin.Masks) {
    if (IsTitleButton(m.KeyName, skin.KeepTitleButtonHue > 1))
      areas.push_back({ImageOf(skin, m), m.Rect});
  }
  return areas;
}

}  // namespace

void AdjustColours(const SkinColours& skin, const ColourShift& shift) {
  if (shift.HueOffset != 0) {
    AdjustAll(skin, TitleButtons(skin), [&](uint32_t v, ValueKind kind) {
      return RotateHue(v, shift.HueOffset, kind);
    });
  }
  const int saturation = int(std::clamp<int64_t>(int64_t(shift.Saturation) * 255 / 100, -255, 255));
  if (saturation != 0) {
    AdjustAll(skin, {}, [&](uint32_t v, ValueKind kind) { return Saturate(v, saturation, kind); });
  }
  if (shift.Brightness != 0) {
    AdjustAll(skin, MaskHalves(skin),
              [&](uint32_t v, ValueKind) { return Brighten(v, shift.Brightness); });
  }
}

}  // namespace velmora::skin
