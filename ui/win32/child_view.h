#pragma once
#include <windows.h>

#include "ui/control.h"

namespace velmora::ui {

// Where and how a control's window is made: its parent, its place in device pixels, the form's
// font, and whether it shows and takes keyboard focus.
struct ChildPlacement {
  HWND parent = nullptr;
  UINT id = 0;  // the form's key for the control's notifications
  RECT bounds{};
  HFONT font = nullptr;
  bool visible = true;
  bool tabStop = false;
};

// The platform window of one control. It shows the control's state on every change and turns
// the user's actions, which reach the form as notifications, into the control's own changes.
class ChildView : public ControlView {
 public:
  ChildView(const ChildView&) = delete;
  ChildView& operator=(const ChildView&) = delete;
  virtual ~ChildView();

  HWND Handle() const { return handle_; }
  const Control& Subject() const { return control_; }
  void Refresh() override;

  virtual void Command(WORD /*code*/) {}
  // A slider moved; code is the platform's scroll code.
  virtual void Scroll(WORD /*code*/) {}
  virtual void MeasureItem(MEASUREITEMSTRUCT& /*item*/) {}
  virtual void DrawItem(const DRAWITEMSTRUCT& /*item*/) {}

 protected:
  ChildView(Control& control, const ChildPlacement& placement, const wchar_t* className,
            DWORD style, DWORD exStyle = 0);
  // Shows what every control has: its caption and whether it is enabled.
  void RefreshCommon() const;

  Control& control_;
  HWND handle_;
};

// The control whose view made the window, or nullptr for any other window.
const Control* ControlOfWindow(HWND window);

}  // namespace velmora::ui
