#include "skin/controls/win32/skin_data_mark.h"

#include <utility>

#include "skin/manager/win32/window_receivers.h"

namespace velmora::skin {

SkinDataMark::SkinDataMark(HWND window, EngineFastPath* data)
    : window_(window), data_(data), property_(window, kSkinDataProperty, data) {
  RegisterSkinData(window, data);
}

void SkinDataMark::Release() {
  if (const HWND window = std::exchange(window_, nullptr)) UnregisterSkinData(window, data_);
  property_.Release();
}

}  // namespace velmora::skin
