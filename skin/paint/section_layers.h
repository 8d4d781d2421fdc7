#pragma once
// The steps section painting shares between its entries.
#include <functional>

#include "skin/paint/section_paint.h"

namespace velmora::skin {

// The fill layers of one state: image share I, gradient share G, colour, stops and texture.
struct FillLayers {
  int32_t Image = 0;
  int32_t Gradient = 0;
  uint32_t Colour = 0;  // resolved
  const TsGradArray* Stops = nullptr;
  int32_t TextureIndex = -1;
  bool OnePassAllowed = true;
};

void PaintFillLayers(const PixelView& dest, const Rect& q, const FillLayers& layers,
                     const SkinRegistry& skin, const TacParentBg& parent);

// The parent showing through q: a Ready parent's pixels, a parent's painted edges and its fill
// colour, or the fill colour alone.
void ShowParent(const PixelView& dest, const Rect& q, const TacParentBg& parent, int32_t px,
                int32_t py);

// Paints layers into a temporary of q's size, shows the parent in q and blends the temporary
// over it, so that the parent keeps `transparency` percent.
void BlendOverParent(const PaintTarget& t, const Rect& q, int32_t transparency,
                     const std::function<void(const PixelView&, const Rect&)>& paintLayers);

}  // namespace velmora::skin
