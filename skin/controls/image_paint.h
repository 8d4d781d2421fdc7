#pragma once
// The skinned image's cache: what lies behind it, its section, and the picture laid over them
// with its transparency.
#include <cstdint>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

class SkinRegistry;

struct ImageLook {
  int32_t SectionIndex = -1;  // -1: no section, only the parent under the picture
  int32_t Blend = 0;          // percent of transparency of the picture
  bool Grayed = false;
  bool Center = false;
};

// Where the picture's top-left corner goes: the corner of the control, or centred in it.
struct PicturePlace {
  int32_t X = 0, Y = 0;
};
PicturePlace PlacePicture(int32_t width, int32_t height, int32_t pictureWidth,
                          int32_t pictureHeight, bool center);

// Composes the whole cache; the picture is drawn at its natural size and clipped to the cache.
void ComposeImage(const PixelView& cache, const SkinRegistry* skin, const ImageLook& look,
                  const TacParentBg& parent, const SourceView& picture);

}  // namespace velmora::skin
