#pragma once
// The adapter of one platform menu window: while the painter draws the menu, the window is
// kept fully transparent until its frame is painted from the menu's background, and then shown
// at the menu options' opacity.
#include <windows.h>

#include "skin/controls/win32/window_property.h"
#include "skin/controls/win32/window_subclass.h"
#include "skin/paint/win32/dib_bitmap.h"

namespace velmora::skin {

class TsSkinableMenus;

// Lays the background over the whole menu window but its items: the frame and any gaps.
void PaintMenuChrome(HWND window, const DibBitmap& background);

class TacMnuWnd {
 public:
  TacMnuWnd(HWND window, TsSkinableMenus& painter);
  TacMnuWnd(const TacMnuWnd&) = delete;
  TacMnuWnd& operator=(const TacMnuWnd&) = delete;

  HWND Handle() const { return window_; }
  bool Gone() const { return !subclass_.Installed(); }
  // The painter has laid the frame: the window may show.
  void FramePainted();
  // The frame and whatever the items leave uncovered, from the menu's background.
  void PaintChrome();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  bool Drawn() const;
  void HideUntilPainted();
  void EraseClient(HDC dc);
  const DibBitmap* Background();

  HWND window_;
  TsSkinableMenus& painter_;
  bool waitingForFrame_ = false;
  bool drawn_ = false;
  DibBitmap ownCache_;
  WindowSubclass subclass_;
  WindowProperty mark_;
};

}  // namespace velmora::skin
