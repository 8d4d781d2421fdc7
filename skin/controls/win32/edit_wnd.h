#pragma once
// The edit and memo adapter: the frame band from the skin's edit section, rebuilt when stale and
// copied on each frame paint. The platform keeps the text, the caret and the scroll bars; a
// hidden edit paints nothing.
#include <windows.h>

#include "skin/controls/win32/main_wnd.h"

namespace velmora::skin {

class TacEditWnd : public TacMainWnd {
 public:
  TacEditWnd(HWND window, ManagerLink* manager, int listIndex);
  ~TacEditWnd() override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  void PaintFrame(HDC windowDc);
  // The frame's width on the left: the client's offset in the window (2 when unknown).
  int LeftEdge() const;

  WindowSubclass subclass_;
};

}  // namespace velmora::skin
