#include "ui/win32/popup_menu.h"

#include <stdexcept>

#include "ui/win32/text.h"

namespace velmora::ui {
namespace {

PopupMenu::Preparer& CurrentPreparer() {
  static PopupMenu::Preparer preparer;
  return preparer;
}

}  // namespace

void PopupMenu::SetPreparer(Preparer preparer) { CurrentPreparer() = std::move(preparer); }

PopupMenu::PopupMenu() : menu_(CreatePopupMenu()) {
  if (!menu_) throw std::runtime_error("popup menu not created");
}

void PopupMenu::AddItem(std::string_view caption, std::function<void()> onClick) {
  handlers_.push_back(std::move(onClick));
  AppendMenuW(menu_.get(), MF_STRING, handlers_.size(), WideFromUtf8(caption).c_str());
}

void PopupMenu::Popup(HWND owner, POINT at) const {
  UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON;
  // A prepared menu is drawn whole from its first frame: no opening animation.
  if (CurrentPreparer()) {
    CurrentPreparer()(menu_.get(), owner);
    flags |= TPM_NOANIMATION;
  }
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(menu_.get(), flags, at.x, at.y, 0, owner, nullptr));
  if (chosen >= 1 && chosen <= handlers_.size() && handlers_[chosen - 1]) handlers_[chosen - 1]();
}

}  // namespace velmora::ui
