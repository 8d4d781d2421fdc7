#pragma once
#include <windows.h>

#include <optional>

#include "skin/controls/track_bar_events.h"
#include "skin/controls/track_bar_paint.h"
#include "skin/controls/win32/mouse_presence.h"
#include "skin/controls/win32/skinned_window.h"
#include "ui/win32/track_bar_view.h"

namespace velmora::skin {

// The window's slider: the platform's track bar keeps range, position, keys and dragging; every
// pixel comes from the skin through the control's cache image.
class TsTrackBar : public ui::TrackBarView {
 public:
  TsTrackBar(ui::TrackBar& slider, const ui::ChildPlacement& placement, int thumbLength);

  void Scroll(WORD code) override;
  TsCommonData& SkinData() { return skinned_.Data(); }
  bool ThumbHeld() const { return thumbHeld_; }
  UserChangeEvents UserEvents;
  TickStyle Ticks = TickStyle::tsAuto;
  TickMarks Marks = TickMarks::tmBottomRight;
  bool ShowFocus = false;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  bool Paintable();
  void Paint(HDC dc);
  bool BuildCache();
  TrackBarGeometry Geometry() const;
  void Press(POINT at);
  void Release();
  void EndDrag();
  void ShowState(int32_t kind);
  void MouseEntered();
  void MouseLeft();
  void ResolveMasks();
  void UpdatePlatformLayout();

  SkinnedWindow skinned_;
  MousePresence mouse_;
  TrackBarMasks masks_;
  bool thumbHeld_ = false;
  std::optional<bool> savedHints_;  // the hint switch while a press holds it off
  // Installed after the skin data's, so this control's handling runs first.
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
