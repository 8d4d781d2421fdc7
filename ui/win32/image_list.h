#pragma once
#include <windows.h>

#include "ui/win32/handles.h"

namespace velmora::ui {

// A list of same-sized 32-bit pictures, drawn with their alpha.
class ImageList {
 public:
  ImageList(int width, int height);
  // Copies the picture in; the caller keeps its bitmap.
  void Add(HBITMAP picture);
  int Count() const;
  // A new icon of picture `index`; the caller owns it.
  UniqueIcon IconOf(int index) const;

 private:
  UniqueImageList list_;
};

}  // namespace velmora::ui
