#include "skin/paint/disabled_look.h"

#include "skin/paint/blend.h"
#include "skin/paint/colour_transforms.h"
#include "skin/paint/pixel_transform.h"

namespace velmora::skin {
namespace {

// Each pixel mixed with the parent pixel behind it, unless that is the key.
void BlendWithParentImage(const PixelView& image, const DisabledBackdrop& backdrop) {
  for (int32_t y = 0; y < image.Height; ++y)
    for (int32_t x = 0; x < image.Width; ++x) {
      uint32_t behind = 0;
      if (!backdrop.Parent.PixelAt(backdrop.X + x, backdrop.Y + y, behind) || behind == kKeyColour)
        continue;
      uint32_t& d = image.At(x, y);
      d = WeighRgb(behind, 255 - kDisabledImageWeight, d, kDisabledImageWeight) | (d & 0xFF000000u);
    }
}

uint32_t BackdropColour(const DisabledBackdrop& backdrop) {
  if (backdrop.Parent.FillKnown() || !backdrop.ParentControl) return backdrop.Parent.FillColor;
  const uint32_t answered = backdrop.ParentControl->GetColor();
  return answered != 0 ? answered : backdrop.ParentControl->OwnColor();
}

}  // namespace

void ApplyDisabledLook(const PixelView& image, uint32_t kinds, const DisabledBackdrop& backdrop) {
  if (image.Empty()) return;
  if (kinds & dkGrayed)
    ForEachPixel(
        image, [](uint32_t pixel) { return Saturate(pixel, kGrayedSaturation); }, kKeyColour);
  if (!(kinds & dkBlended)) return;
  if (backdrop.Parent.Ready) return BlendWithParentImage(image, backdrop);
  const uint32_t colour = BackdropColour(backdrop);
  if (colour != kUnknownFill) WeighColorInto(image, image.Bounds(), kDisabledImageWeight, colour);
}

}  // namespace velmora::skin
