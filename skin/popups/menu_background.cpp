#include "skin/popups/menu_background.h"

#include <algorithm>

#include "skin/paint/blend.h"
#include "skin/paint/borders_mask.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

void MirrorRows(const PixelView& dest) {
  for (int32_t y = 0; y < dest.Height; ++y) std::reverse(dest.Row(y), dest.Row(y) + dest.Width);
}

}  // namespace

int32_t IconColumnWidth(const MenuSkin& skin, const BackgroundLayout& layout) {
  const MenuMetrics& m = layout.Metrics;
  const int32_t frame = skin.MainMenuBorders ? m.BorderWidth : 0;
  return frame + m.Margin + layout.GlyphWidth + m.Spacing - m.BorderWidth;
}

void PaintMenuBackground(const PixelView& dest, const MenuSkin& skin,
                         const BackgroundLayout& layout) {
  if (dest.Empty() || !skin.Skin || !skin.Skin->IsValidSkinIndex(skin.MainMenu)) return;
  const Rect whole = dest.Bounds();
  const int32_t frame = layout.FrameWidth;
  PaintSectionBg({dest, whole}, skin.Skin, skin.MainMenu, kUnknownFill, -1, -1);
  const Rect band{frame, frame, 0, dest.Height - frame};
  if (!layout.RightToLeft && skin.Skin->IsValidSkinIndex(skin.IconLine)) {
    const int32_t left = layout.ExtraLineWidth + frame;
    const Rect column{left, band.Top, left + IconColumnWidth(skin, layout), band.Bottom};
    PaintSection({dest, Intersect(column, whole)}, skin.Skin, skin.IconLine);
  }
  if (skin.MainMenuBorders) DrawBordersMask(dest, whole, {}, true, 0, *skin.MainMenuBorders);
  if (layout.ExtraLineWidth > 0 && skin.Skin->IsValidSkinIndex(skin.ExtraLine)) {
    const Rect line{frame, band.Top, frame + layout.ExtraLineWidth, band.Bottom};
    PaintSection({dest, Intersect(line, whole)}, skin.Skin, skin.ExtraLine);
  }
  if (layout.RightToLeft) MirrorRows(dest);
}

std::vector<Rect> MenuRegionCuts(const MenuSkin& skin, int32_t width, int32_t height) {
  std::vector<Rect> cuts;
  if (!skin.MainMenuBorders) return cuts;
  const TsMaskData& mask = *skin.MainMenuBorders;
  AddCornerKeyRects(cuts, width, mask, false, 0);
  AddCornerKeyRects(cuts, width, mask, true, height - mask.BottomWidth);
  return cuts;
}

ItemSize MenuSizeFromColumns(const std::vector<ItemSize>& columns, int32_t borderWidth) {
  ItemSize size{2 * borderWidth, 2 * borderWidth};
  int32_t tallest = 0;
  for (const ItemSize& c : columns) {
    size.Width += c.Width;
    tallest = std::max(tallest, c.Height);
  }
  size.Height += tallest;
  return size;
}

void CopyFrameBand(const PixelView& dest, const SourceView& background, int32_t width) {
  const int32_t w = std::min(dest.Width, background.Width),
                h = std::min(dest.Height, background.Height);
  if (w <= 0 || h <= 0 || width <= 0) return;
  const int32_t band = std::min({width, w, h});
  for (const Rect& r : {Rect{0, 0, w, band}, Rect{0, h - band, w, h}, Rect{0, band, band, h - band},
                        Rect{w - band, band, w, h - band}}) {
    if (!IsEmpty(r)) BlockCopy(dest, r.Left, r.Top, background, r);
  }
}

}  // namespace velmora::skin
