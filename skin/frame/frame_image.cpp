#include "skin/frame/frame_image.h"

#include <algorithm>

#include "skin/paint/borders_mask.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

const TsMaskData* BorderMaskOf(const SkinRegistry& skin, int32_t section) {
  if (!skin.IsValidSkinIndex(section)) return nullptr;
  const int32_t mask = skin.Sections()[size_t(section)].BorderIndex;
  return skin.IsValidMaskIndex(mask) ? &skin.Masks()[size_t(mask)] : nullptr;
}

}  // namespace

void ComposeFrameImage(const PixelView& image, const SkinRegistry& skin, FrameSections sections,
                       bool active, int32_t titleBottom) {
  if (image.Empty()) return;
  const int32_t wanted = active ? 1 : 0;
  if (skin.IsValidSkinIndex(sections.Form)) {
    PaintTarget form{image, image.Bounds(), ClampedState(skin, sections.Form, wanted)};
    PaintSection(form, &skin, sections.Form);
  }
  const int32_t bottom = std::min(titleBottom, image.Height);
  if (skin.IsValidSkinIndex(sections.Title) && bottom > 0) {
    // The title's own corner keys show the form beneath.
    PaintTarget title{image, {0, 0, image.Width, bottom},
                      ClampedState(skin, sections.Title, wanted), ParentFromBitmap(image, 0, 0)};
    PaintSection(title, &skin, sections.Title);
  }
}

std::vector<Rect> FrameCornerRects(const SkinRegistry& skin, FrameSections sections,
                                   int32_t width, int32_t height) {
  std::vector<Rect> rects;
  if (const TsMaskData* form = BorderMaskOf(skin, sections.Form)) {
    AddCornerKeyRects(rects, width, *form, false, 0);
    AddCornerKeyRects(rects, width, *form, true, height - form->BottomWidth);
  }
  if (const TsMaskData* title = BorderMaskOf(skin, sections.Title))
    AddCornerKeyRects(rects, width, *title, false, 0);
  return rects;
}

}  // namespace velmora::skin
