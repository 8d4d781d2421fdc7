#include "ui/win32/image_list.h"

#include <stdexcept>

namespace velmora::ui {

ImageList::ImageList(int width, int height)
    : list_(ImageList_Create(width, height, ILC_COLOR32, 2, 2)) {
  if (!list_) throw std::runtime_error("image list not created");
}

void ImageList::Add(HBITMAP picture) {
  if (ImageList_Add(list_.get(), picture, nullptr) < 0) {
    throw std::runtime_error("picture not added to the image list");
  }
}

int ImageList::Count() const { return ImageList_GetImageCount(list_.get()); }

UniqueIcon ImageList::IconOf(int index) const {
  return UniqueIcon(ImageList_GetIcon(list_.get(), index, ILD_TRANSPARENT));
}

}  // namespace velmora::ui
