#pragma once
// The cache image of a small skinned object composed in one pass: the section over what lies
// behind it, a glyph, and a caption drawn by the text layer.
#include <cstdint>
#include <functional>

#include "skin/controls/common_data.h"

namespace velmora::skin {

// Draws the caption into the cache for a state; the platform's text layer supplies it.
using CaptionPainter = std::function<void(CacheSurface& cache, int32_t state)>;

struct CacheLayers {
  int32_t GlyphMask = -1;  // -1: no glyph
  int32_t GlyphX = 0, GlyphY = 0;
  int32_t GlyphState = 0;
  CaptionPainter Caption;
  bool Disabled = false;  // the finished image is blended with what lies behind it
};

// Rebuilds the cache when stale or no longer of the owner's size; false when it cannot be built
// (not skinned, or the parent cannot give its background yet).
bool RebuildCache(TsCommonData& data, const CacheLayers& layers);

}  // namespace velmora::skin
