#pragma once
#include <windows.h>

#include <optional>

#include "skin/controls/win32/skinned_window.h"
#include "ui/win32/static_views.h"

namespace velmora::skin {

// A container painted from its skin section: without a bevel the "TRANSPARENT" section, so its
// children stand on what lies behind it.
class TsPanel : public ui::PanelView {
 public:
  TsPanel(ui::Panel& panel, const ui::ChildPlacement& placement);
  TsCommonData& SkinData() { return skinned_.Data(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  void Paint(HDC dc, const RECT& area);

  SkinnedWindow skinned_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
