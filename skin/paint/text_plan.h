#pragma once
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_registry.h"
#include "skin/paint/colour.h"

namespace velmora::skin {

// The most characters one text call draws; longer text is cut.
inline constexpr size_t kMaxTextLength = 5460;

// Stands for the canvas's own font colour in a pass.
inline constexpr uint32_t kCanvasColour = kNoColour;

// One drawing of the text, moved by (Dx, Dy), in one colour.
struct TextPass {
  int32_t Dx = 0, Dy = 0;
  uint32_t Colour = kCanvasColour;
  bool Premultiplied = false;
  bool operator==(const TextPass&) const = default;
};

// How a caption is drawn: its passes in order, underlining, and a glow laid first when GlowSize
// is not 0 and the text goes into a 32-bit image.
struct TextPlan {
  std::vector<TextPass> Passes;
  bool Underline = false;
  int32_t GlowSize = 0;
  uint32_t GlowColour = 0;
};

// A control's own colour adjustments, applied to every colour its caption takes from a section.
struct ControlColours {
  uint32_t ColorTone = kNoColour;
  int32_t HueOffset = 0;   // degrees
  int32_t Saturation = 0;  // percent
};

// A section colour as a control's caption uses it: resolved, toned, turned and saturated.
uint32_t AdjustTextColour(uint32_t colour, const ControlColours& adjust);

// The parent's answer to the section-under command for a state: 0 when it does not answer, -1 to
// keep the own section, otherwise `index` holds the section under the control (or -1).
using SectionUnderQuery = std::function<int32_t(int32_t state, int32_t& index)>;

// What caption drawing reads of a control and its skin data.
struct ControlTextSource {
  const SkinRegistry* Skin = nullptr;
  int32_t SkinIndex = -1;
  bool CustomFont = false;
  SectionUnderQuery SectionUnder;  // empty when the control has no parent
  uint32_t ParentFontColour = 0;
  ControlColours Adjust;
};

// A control's caption in its section's colours: contours then the text, the section under the
// control where a transparent kind of section lets the parent decide, plain text without a skin.
TextPlan PlanControlText(const ControlTextSource& control, int32_t state, bool enabled);

// Text in a section state's colours: enabled with contours, disabled in the font colour weighed
// towards the state's colour; plain in the canvas colour without a valid section.
TextPlan PlanSectionText(const SkinRegistry* skin, int32_t state, int32_t skinIndex, bool enabled);

// The same for 32-bit images: contours only with the contour flag, which also asks every pass
// for premultiplied pixels.
TextPlan PlanSectionText32(const SkinRegistry* skin, int32_t state, int32_t skinIndex,
                           bool contour);

// Text as one call draws it.
inline std::wstring_view CutText(std::wstring_view text) {
  return text.substr(0, std::min(text.size(), kMaxTextLength));
}

}  // namespace velmora::skin
