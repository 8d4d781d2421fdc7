#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control_definition.h"
#include "ui/form_definition.h"
#include "ui/timer.h"
#include "ui/win32/child_view.h"
#include "ui/win32/handles.h"
#include "ui/win32/window_timer.h"

namespace velmora::ui {

// A top-level window with a fixed single border, the system menu and a minimise box (or a
// dialog's frame without it), centred on the desktop and scaled, font included, from its design resolution to the screen's. It keeps
// the views of its controls and its timers, and hands each notification to the view it concerns.
class Form {
 public:
  explicit Form(const FormDefinition& definition);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND Handle() const { return handle_; }
  int ScreenDpi() const { return screenDpi_; }
  int Scale(int designPixels) const;

  void Show();
  // Asks the form to close, as its close box does.
  void Close();

  // Where a control of the definition goes inside `parent`, in device pixels.
  ChildPlacement PlacementOf(const ControlDefinition& definition, HWND parent) const;
  // Keeps a control's view; its notifications reach it from now on.
  ChildView& AddView(std::unique_ptr<ChildView> view);
  ChildView* ViewOfControl(const Control& control) const;
  void AddTimer(Timer& timer);
  // Shows `hint` (UTF-8) when the mouse rests on the control's window.
  void AddHint(HWND control, std::string_view hint);
  void SetIcons(HICON big, HICON small);

 protected:
  // Runs on every close request; returning false keeps the form open.
  virtual bool CloseQuery() { return true; }
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  RECT CentredWindowRect(int clientWidth, int clientHeight) const;
  ChildView* ViewWithId(UINT id) const;
  ChildView* ViewOf(HWND window) const;
  bool RouteToView(UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  int screenDpi_;
  DWORD style_;
  UniqueFont font_;
  HWND hints_ = nullptr;  // destroyed with the form
  std::vector<std::unique_ptr<ChildView>> views_;
  std::vector<std::unique_ptr<WindowTimer>> timers_;
};

}  // namespace velmora::ui
