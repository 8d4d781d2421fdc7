#include "skin/controls/image_paint.h"

#include "skin/data/skin_registry.h"
#include "skin/paint/draw_with_alpha.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

void CopyParent(const PixelView& cache, const TacParentBg& parent) {
  const uint32_t fill = parent.FillKnown() ? parent.FillColor | 0xFF000000u : 0xFF000000u;
  for (int32_t y = 0; y < cache.Height; ++y)
    for (int32_t x = 0; x < cache.Width; ++x) {
      uint32_t pixel = fill;
      parent.PixelAt(x, y, pixel);
      cache.At(x, y) = pixel;
    }
}

}  // namespace

PicturePlace PlacePicture(int32_t width, int32_t height, int32_t pictureWidth,
                          int32_t pictureHeight, bool center) {
  if (!center) return {};
  return {(width - pictureWidth) / 2, (height - pictureHeight) / 2};
}

void ComposeImage(const PixelView& cache, const SkinRegistry* skin, const ImageLook& look,
                  const TacParentBg& parent, const SourceView& picture) {
  if (cache.Empty()) return;
  if (skin && skin->IsValidSkinIndex(look.SectionIndex)) {
    PaintControlSection({cache, cache.Bounds(), 0, parent}, skin, ControlLook{look.SectionIndex},
                        true);
  } else {
    CopyParent(cache, parent);
  }
  if (picture.Empty()) return;
  const PicturePlace at =
      PlacePicture(cache.Width, cache.Height, picture.Width, picture.Height, look.Center);
  const AlphaDrawing how{.Transparency = look.Blend, .Tint = look.Grayed ? 0xFFFFFFu : kNoColour};
  // Drawn into the cache's own bounds only: a picture larger than the control is clipped.
  DrawWithAlpha(cache, {at.X, at.Y, at.X + picture.Width, at.Y + picture.Height}, picture,
                picture.Bounds(), how, ParentFromBitmap(cache, 0, 0));
}

}  // namespace velmora::skin
