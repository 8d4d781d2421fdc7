#include "ui/win32/form.h"

#include <commctrl.h>

#include <stdexcept>

#include "ui/dpi_scale.h"
#include "ui/win32/application.h"
#include "ui/win32/reflected_messages.h"
#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace velmora::ui {
namespace {

constexpr DWORD kFormStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

// Whether the control the draw request concerns has drawn the item itself (menus are no window).
bool DrawnByControl(LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  return item->CtlType != ODT_MENU &&
         SendMessageW(item->hwndItem, kReflectedDrawItem, 0, lParam) != 0;
}

int QueryScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

UniqueFont CreateFormFont(std::string_view name, int pixelHeight) {
  return UniqueFont(CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH, WideFromUtf8(name).c_str()));
}

}  // namespace

Form::Form(const FormDefinition& definition)
    : screenDpi_(QueryScreenDpi()), style_(definition.dialog ? kDialogStyle : kFormStyle) {
  const std::wstring className = WideFromUtf8(definition.className);
  RegisterWindowClass(className.c_str(), WindowProc);
  font_ = CreateFormFont(definition.fontName, Scale(definition.fontHeight));
  const RECT frame =
      CentredWindowRect(Scale(definition.clientWidth), Scale(definition.clientHeight));
  handle_ = CreateWindowExW(0, className.c_str(), WideFromUtf8(definition.caption).c_str(),
                            style_, frame.left, frame.top, frame.right - frame.left,
                            frame.bottom - frame.top, nullptr, nullptr,
                            Application::Instance().Module(), this);
  if (!handle_) throw std::runtime_error("the window could not be created");
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  hints_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle_,
                           nullptr, Application::Instance().Module(), nullptr);
  Application::Instance().AddHintWindow(hints_);
}

Form::~Form() {
  if (handle_) DestroyWindow(handle_);
}

int Form::Scale(int designPixels) const { return ScaleForDpi(designPixels, screenDpi_); }

void Form::Show() {
  ShowWindow(handle_, SW_SHOW);
  UpdateWindow(handle_);
}

void Form::Close() { PostMessageW(handle_, WM_CLOSE, 0, 0); }

ChildPlacement Form::PlacementOf(const ControlDefinition& definition, HWND parent) const {
  const Bounds& b = definition.bounds;
  const int left = Scale(b.left);
  const int top = Scale(b.top);
  return ChildPlacement{
      .parent = parent,
      .id = static_cast<UINT>(views_.size() + 1),
      .bounds = RECT{left, top, left + Scale(b.width), top + Scale(b.height)},
      .font = font_.get(),
      .visible = definition.visible,
      .tabStop = definition.visible && definition.tabOrder >= 0,
  };
}

ChildView& Form::AddView(std::unique_ptr<ChildView> view) {
  views_.push_back(std::move(view));
  return *views_.back();
}

ChildView* Form::ViewOfControl(const Control& control) const {
  for (const auto& view : views_) {
    if (&view->Subject() == &control) return view.get();
  }
  return nullptr;
}

void Form::AddTimer(Timer& timer) {
  timers_.push_back(std::make_unique<WindowTimer>(timer, handle_, timers_.size() + 1));
}

void Form::AddHint(HWND control, std::string_view hint) {
  std::wstring text = WideFromUtf8(hint);
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = handle_;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text.data();
  SendMessageW(hints_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Form::SetIcons(HICON big, HICON small) {
  SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}

ChildView* Form::ViewWithId(UINT id) const {
  return id >= 1 && id <= views_.size() ? views_[id - 1].get() : nullptr;
}

ChildView* Form::ViewOf(HWND window) const {
  return window ? ViewWithId(static_cast<UINT>(GetDlgCtrlID(window))) : nullptr;
}

bool Form::RouteToView(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (lParam) SendMessageW(reinterpret_cast<HWND>(lParam), kReflectedCommand, wParam, lParam);
      if (ChildView* view = ViewOf(reinterpret_cast<HWND>(lParam))) {
        view->Command(HIWORD(wParam));
        return true;
      }
      return false;
    case WM_HSCROLL:
      if (ChildView* view = ViewOf(reinterpret_cast<HWND>(lParam))) {
        view->Scroll(LOWORD(wParam));
        return true;
      }
      return false;
    case WM_MEASUREITEM:
      if (ChildView* view = ViewWithId(static_cast<UINT>(wParam))) {
        view->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return true;
      }
      return false;
    case WM_DRAWITEM:
      if (DrawnByControl(lParam)) return true;
      if (ChildView* view = ViewWithId(static_cast<UINT>(wParam))) {
        view->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return true;
      }
      return false;
    case WM_TIMER:
      for (const auto& timer : timers_) {
        if (timer->Id() == wParam) timer->Elapsed();
      }
      return true;
    default:
      return false;
  }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (RouteToView(message, wParam, lParam)) return message == WM_MEASUREITEM ? TRUE : 0;
  switch (message) {
    case WM_CLOSE:
      if (CloseQuery()) DestroyWindow(handle_);
      return 0;
    case WM_NCDESTROY:
      Application::Instance().RemoveHintWindow(hints_);
      handle_ = nullptr;
      Application::Instance().FormDestroyed(this);
      return 0;
    default:
      return DefWindowProcW(handle_, message, wParam, lParam);
  }
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  // Exceptions must not unwind through the platform's frames: show them and carry on.
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    Application::Instance().ShowException(std::current_exception());
    return 0;
  }
}

RECT Form::CentredWindowRect(int clientWidth, int clientHeight) const {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style_, FALSE, 0);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  return RECT{left, top, left + width, top + height};
}

}  // namespace velmora::ui
