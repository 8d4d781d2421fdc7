#pragma once
#include <windows.h>

#include <functional>
#include <string_view>
#include <vector>

#include "ui/win32/handles.h"

namespace velmora::ui {

// A popup menu whose items run their handlers when chosen.
class PopupMenu {
 public:
  PopupMenu();
  // `caption` is UTF-8.
  void AddItem(std::string_view caption, std::function<void()> onClick);
  // Shows the menu at a screen point for `owner` and runs the chosen item's handler.
  void Popup(HWND owner, POINT at) const;

 private:
  UniqueMenu menu_;
  std::vector<std::function<void()>> handlers_;
};

}  // namespace velmora::ui
