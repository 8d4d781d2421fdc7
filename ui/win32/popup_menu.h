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

  // Called with every menu and its owner just before it is shown, by whatever draws the
  // application's popup menus; empty to show them as they are.
  using Preparer = std::function<void(HMENU menu, HWND owner)>;
  static void SetPreparer(Preparer preparer);

 private:
  UniqueMenu menu_;
  std::vector<std::function<void()>> handlers_;
};

}  // namespace velmora::ui
