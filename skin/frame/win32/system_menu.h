#pragma once
// The engine's system menu: a popup menu of the window commands in the platform's own words,
// shown where the title band asks, in place of the platform's system menu that the skinned frame
// takes away with the system-menu style.
#include <windows.h>

#include <string>
#include <vector>

#include "skin/frame/title_buttons.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

class TsSystemMenu {
 public:
  // Reads the captions (and any items of the program's own) from the window's platform system
  // menu; call while the window still has its system-menu style.
  explicit TsSystemMenu(HWND window);

  // Rebuilds the items and sets their states for the form as it is now.
  void UpdateSystemMenu(const TitleForm& form);
  // Shows the menu at a screen point; answers the chosen command, 0 for none.
  UINT ShowSystemMenu(const TitleForm& form, int x, int y);
  HMENU Handle() const { return menu_.get(); }
  // The platform menu's close item is not disabled; without a platform menu, the form's
  // system-menu icon decides.
  bool CloseItemEnabled(bool systemMenu) const;

 private:
  struct Item {
    UINT Command;
    std::wstring Caption;
  };
  std::wstring Caption(UINT command, const wchar_t* fallback) const;
  void Append(UINT command, const wchar_t* fallback, bool enabled);
  UINT PreparePopup();

  HWND window_;
  HMENU platform_;  // the window's own system menu, owned by the window
  std::vector<Item> platformItems_;
  ui::UniqueMenu menu_;
};

}  // namespace velmora::skin
