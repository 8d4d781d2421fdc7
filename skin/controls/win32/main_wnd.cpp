#include "skin/controls/win32/main_wnd.h"

#include "skin/manager/win32/window_receivers.h"

namespace velmora::skin {
namespace {

// Owner kinds of the classes adapted by this base alone; the rest take the generic kind.
uint8_t KindOfList(int listIndex) {
  switch (listIndex) {
    case 0: return 231;  // edit family
    case 4: return 231;  // combo box
    default: return 0;
  }
}

}  // namespace

TacMainWnd::TacMainWnd(HWND window, ManagerLink* manager, int listIndex)
    : TacMainWnd(window, manager, listIndex, KindOfList(listIndex), {}) {}

TacMainWnd::TacMainWnd(HWND window, ManagerLink* manager, int listIndex, uint8_t kind,
                       std::string_view section)
    : window_(window),
      listIndex_(listIndex),
      data_(window, manager, kind, true),
      mark_(window, kAdapterProperty, this) {
  data_.OnWindowGone = [this] { mark_.Release(); };
  if (!section.empty()) data_.Data().SetSkinSection(section);
  data_.Data().Initialize(false);
}

}  // namespace velmora::skin
