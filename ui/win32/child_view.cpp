#include "ui/win32/child_view.h"

#include <stdexcept>

#include "ui/win32/application.h"
#include "ui/win32/text.h"

namespace velmora::ui {

namespace {

// Where a window's control is found: the skin engine adapts windows by their control's class.
constexpr const wchar_t* kControlProperty = L"VelmoraControl";

}  // namespace

ChildView::ChildView(Control& control, const ChildPlacement& placement, const wchar_t* className,
                     DWORD style, DWORD exStyle)
    : control_(control) {
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (placement.visible) style |= WS_VISIBLE;
  if (placement.tabStop) style |= WS_TABSTOP;
  const RECT& r = placement.bounds;
  handle_ = CreateWindowExW(exStyle, className, WideFromUtf8(control.Caption()).c_str(), style,
                            r.left, r.top, r.right - r.left, r.bottom - r.top, placement.parent,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(placement.id)), Application::Instance().Module(), nullptr);
  if (!handle_) throw std::runtime_error("the control " + control.Name() + " was not created");
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(placement.font), FALSE);
  SetPropW(handle_, kControlProperty, &control_);
  control_.AttachView(this);
}

ChildView::~ChildView() {
  control_.AttachView(nullptr);
  RemovePropW(handle_, kControlProperty);
}

const Control* ControlOfWindow(HWND window) {
  return static_cast<const Control*>(GetPropW(window, kControlProperty));
}

void ChildView::Refresh() { RefreshCommon(); }

void ChildView::RefreshCommon() const {
  SetWindowTextW(handle_, WideFromUtf8(control_.Caption()).c_str());
  EnableWindow(handle_, control_.Enabled());
}

}  // namespace velmora::ui
