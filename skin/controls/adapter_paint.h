#pragma once
// The cache image of a standard control under an adapter: its section over what lies behind it
// at the window's place, its caption, its glyph and, when disabled, the blend towards what lies
// behind it.
#include <cstdint>
#include <functional>

#include "skin/data/skin_registry.h"
#include "skin/paint/background_query.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {

struct AdapterGlyph {
  int32_t Mask = -1;  // -1: no glyph
  int32_t X = 0, Y = 0;
  int32_t State = 0;
};

struct AdapterPicture {
  ControlLook Look;
  int32_t State = 0;
  int32_t X = 0, Y = 0;  // the window's place in its parent's client area
  bool CornerParent = true;
  // Draws the caption (and its focus frame) into the cache; the platform's text layer.
  std::function<void(const PixelView&)> Caption;
  AdapterGlyph Glyph;
  bool Disabled = false;
  // Answers the colour under a disabled window when the parent record knows none.
  BackgroundParent* ParentControl = nullptr;
};

void ComposeAdapterImage(const PixelView& cache, const SkinRegistry& skin,
                         const TacParentBg& parent, const AdapterPicture& picture,
                         const Adjustments& adjust = {});

// The focus frame colour of a section: the font colour of its state `highest` (the adapters'
// hot state; the own controls' pressed one), or of its last state when it has fewer.
uint32_t FocusFrameColour(const SkinRegistry& skin, int32_t sectionIndex, int32_t highest = 1);

}  // namespace velmora::skin
