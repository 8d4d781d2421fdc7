#pragma once
// The adapter of a combo box's drop-down list window: a one-pixel frame in the palette's border
// colour round the edit section's colour. The platform keeps the list, its items' order, the
// selection, the tracking and its scroll bars.
#include <windows.h>

#include <functional>

#include "skin/controls/win32/skinned_window.h"

namespace velmora::skin {

class TacComboListWnd {
 public:
  // `shownChanged` runs after the list has been shown or hidden.
  TacComboListWnd(HWND list, ManagerLink* manager, std::function<void()> shownChanged);
  TacComboListWnd(const TacComboListWnd&) = delete;
  TacComboListWnd& operator=(const TacComboListWnd&) = delete;

  HWND Handle() const { return data_.Handle(); }
  TsCommonData& SkinData() { return data_.Data(); }
  bool ListShown() const { return state_.ListShown; }

 private:
  struct State {
    bool ListShown = false;
    uint32_t BackColor = 0;    // colour values, from ApplyLook
    uint32_t BorderColor = 0;
    std::function<void()> ShownChanged;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  void ApplyLook();
  void PaintFrame(HDC windowDc);
  void EraseClient(HDC dc);

  SkinnedWindow data_;
  State state_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
