#pragma once
// The adapter of plain panels: the skin paints the panel's section (for a panel without bevel
// and border the see-through "TRANSPARENT") and its caption, and hands its children their
// background.
#include <windows.h>

#include <optional>

#include "skin/controls/panel_look.h"
#include "skin/controls/win32/main_wnd.h"

namespace velmora::skin {

class TacPanelWnd : public TacMainWnd {
 public:
  TacPanelWnd(HWND window, ManagerLink* manager, int listIndex, int32_t tag,
              const PanelFrame& frame = {});

 private:
  struct State {
    int32_t Tag = 0;
    PanelFrame Frame;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  bool ParentCreating() const;
  int32_t FrameWidth() const;
  bool BuildCache();
  void PaintClient(HDC dc);
  void PaintFrame(HDC dc);

  State state_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
