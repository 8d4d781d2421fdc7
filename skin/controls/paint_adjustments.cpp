#include "skin/controls/paint_adjustments.h"

#include <algorithm>

#include "skin/data/image32.h"
#include "skin/paint/colour_transforms.h"
#include "skin/paint/pixel_transform.h"

namespace velmora::skin {

Adjustments PaintAdjustments(const TsCommonData& data) {
  const uint32_t tone = data.ColorTone;
  const int32_t hue = data.HUEOffset;
  const int32_t saturation = std::clamp(data.Saturation * 255 / 100, -255, 255);
  if (tone == kNoColour && hue == 0 && saturation == 0) return {};
  return [tone, hue, saturation](const PixelView& image) {
    const uint32_t tonePixel = tone == kNoColour ? 0 : Swap(ResolveColour(tone));
    ForEachPixel(
        image,
        [&](uint32_t pixel) {
          if (tone != kNoColour) pixel = ToneByValue(pixel, tonePixel);
          if (hue != 0) pixel = RotateHue(pixel, hue);
          return saturation != 0 ? Saturate(pixel, saturation) : pixel;
        },
        kKeyColour);
  };
}

}  // namespace velmora::skin
