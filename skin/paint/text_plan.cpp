#include "skin/paint/text_plan.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "skin/paint/blend.h"
#include "skin/paint/colour_transforms.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kButtonHighlight = 0xFF000014u, kButtonShadow = 0xFF000010u;
constexpr uint8_t kDisabledTextWeight = 100;  // of 255 kept by the font colour

// Sections through which a control usually shows its parent, so the parent's look decides.
bool ParentMayDecide(std::string_view section) {
  constexpr std::array<std::string_view, 10> names{
      "MENUITEM",    "CHECKBOX", "SPEEDBUTTON", "SPEEDBUTTON_SMALL", "TOOLBUTTON",
      "TRANSPARENT", "GROUPBOX", "DIVIDER",     "WEBBUTTON",         "BUTTON"};
  return std::find(names.begin(), names.end(), section) != names.end();
}

const TsGenState* StateBlock(const SkinRegistry* skin, int32_t skinIndex, int32_t state) {
  if (!skin || !skin->IsValidSkinIndex(skinIndex)) return nullptr;
  const int32_t s = std::max(ClampedState(*skin, skinIndex, state), 0);
  return &skin->Sections()[size_t(skinIndex)].Props[size_t(std::min(s, 2))];
}

// The contour colours that are set, one pixel off in their own direction, then the text.
std::vector<TextPass> ContourPasses(const TsGenState& block, const ControlColours& adjust,
                                    bool contours, bool premultiplied) {
  std::vector<TextPass> passes;
  if (contours) {
    const struct {
      int32_t Colour, Dx, Dy;
    } sides[] = {
        {block.TCLeft, -1, 0}, {block.TCTop, 0, -1}, {block.TCRight, 1, 0}, {block.TCBottom, 0, 1}};
    for (const auto& side : sides)
      if (side.Colour != -1)
        passes.push_back(
            {side.Dx, side.Dy, AdjustTextColour(uint32_t(side.Colour), adjust), premultiplied});
  }
  passes.push_back({0, 0, AdjustTextColour(uint32_t(block.FontColor), adjust), premultiplied});
  return passes;
}

TextPlan Plain(uint32_t colour) { return {{{0, 0, colour}}}; }

TextPlan PlainDisabled() { return {{{1, 1, kButtonHighlight}, {0, 0, kButtonShadow}}}; }

}  // namespace

// A system colour is resolved first: the transforms work on real channels, never on its number.
// The tone is a colour value like the text colour, so it is applied without a swap: red meets red,
// as on the control's image, where both are pixels.
uint32_t AdjustTextColour(uint32_t colour, const ControlColours& adjust) {
  colour = ResolveColour(colour);
  if (adjust.ColorTone != kNoColour) colour = ToneByValue(colour, ResolveColour(adjust.ColorTone));
  colour = RotateHue(colour, adjust.HueOffset, ValueKind::Colour);
  return Saturate(colour, adjust.Saturation * 256 / 100, ValueKind::Colour);
}

TextPlan PlanControlText(const ControlTextSource& control, int32_t state, bool enabled) {
  const TsGenState* own = StateBlock(control.Skin, control.SkinIndex, state);
  if (!own || control.CustomFont) return enabled ? Plain(kCanvasColour) : PlainDisabled();
  int32_t index = control.SkinIndex;
  const std::string& name = control.Skin->Sections()[size_t(index)].SectionName;
  if (control.SectionUnder && ParentMayDecide(name) && (state == 0 || own->Transparency > 39)) {
    int32_t under = -1;
    const int32_t answer = control.SectionUnder(state, under);
    if (answer == 0) return Plain(control.ParentFontColour);
    if (answer != -1 && under >= 0 && control.Skin->IsValidSkinIndex(under)) index = under;
  }
  const TsGenState& block = *StateBlock(control.Skin, index, state);
  TextPlan plan{ContourPasses(block, control.Adjust, enabled, false)};
  plan.Underline = state != 0 && control.Skin->Sections()[size_t(index)].SectionName == "WEBBUTTON";
  if (block.GlowSize != 0) {
    plan.GlowSize = block.GlowSize;
    plan.GlowColour = AdjustTextColour(uint32_t(block.GlowColor), control.Adjust);
  }
  return plan;
}

TextPlan PlanSectionText(const SkinRegistry* skin, int32_t state, int32_t skinIndex, bool enabled) {
  const TsGenState* block = StateBlock(skin, skinIndex, state);
  if (!block) return Plain(kCanvasColour);
  if (enabled) return {ContourPasses(*block, {}, true, false)};
  const TsGenState& normal = skin->Sections()[size_t(skinIndex)].Props[0];
  return Plain(WeighColors(ResolveColour(uint32_t(normal.FontColor)),
                           ResolveColour(uint32_t(normal.Color)), kDisabledTextWeight));
}

TextPlan PlanSectionText32(const SkinRegistry* skin, int32_t state, int32_t skinIndex,
                           bool contour) {
  const TsGenState* block = StateBlock(skin, skinIndex, state);
  if (!block) return {{{0, 0, kCanvasColour, contour}}};
  return {ContourPasses(*block, {}, contour, contour)};
}

}  // namespace velmora::skin
