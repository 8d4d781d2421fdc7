#include "ui/win32/tray_icon.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <stdexcept>
#include <utility>

#include "ui/win32/application.h"
#include "ui/win32/text.h"
#include "ui/win32/window_class.h"

namespace velmora::ui {
namespace {

// The record up to the balloon flags, which every shell since balloons understands: 488 bytes in
// a 32-bit process, 504 in a 64-bit one, whose window and icon handles are 8 bytes wide.
constexpr DWORD kRecordSize = offsetof(NOTIFYICONDATAA, dwInfoFlags) + sizeof(DWORD);
static_assert(kRecordSize == (sizeof(void*) == 4 ? 488 : 504));
constexpr UINT kCallbackMessage = WM_USER + 1;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr wchar_t kClassName[] = L"VelmoraTrayIcon";

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

template <std::size_t N>
void CopyText(char (&field)[N], std::string_view utf8) {
  const std::string ansi = AnsiFromWide(WideFromUtf8(utf8));
  const std::size_t length = std::min(ansi.size(), N - 1);
  std::memcpy(field, ansi.data(), length);
  field[length] = '\0';
}

unsigned KeyboardShift() {
  unsigned shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= kShift;
  if (GetKeyState(VK_MENU) < 0) shift |= kAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrl;
  return shift;
}

unsigned ButtonFlag(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return kLeft;
    case MouseButton::Right: return kRight;
    case MouseButton::Middle: return kMiddle;
  }
  return 0;
}

POINT CursorPosition() {
  POINT at{};
  GetCursorPos(&at);
  return at;
}

UniqueIcon CopyOf(HICON icon) { return UniqueIcon(icon ? CopyIcon(icon) : nullptr); }

// What the framework's message loop would have handled meanwhile; a quit request stays queued.
void ProcessPendingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

TCustomTrayIcon::TCustomTrayIcon(HICON applicationIcon, std::wstring_view title,
                                 ShellNotify shell)
    : applicationIcon_(applicationIcon), shell_(std::move(shell)) {
  TaskbarCreatedMessage();
  // The shell reports a double click only to a window whose class asks for them; without, the
  // second press arrives as another click.
  RegisterWindowClass(kClassName, WindowProc, CS_DBLCLKS);
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, Application::Instance().Module(), this);
  if (!window_) throw std::runtime_error("the notification icon's window could not be created");
  record_.cbSize = kRecordSize;
  record_.hWnd = window_;
  record_.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(window_));
  record_.uFlags = NIF_MESSAGE | NIF_ICON;
  record_.uCallbackMessage = kCallbackMessage;
  record_.uTimeout = 3000;
  const std::string hint = Utf8FromWide(title);
  CopyText(record_.szTip, hint);
  if (!hint.empty()) record_.uFlags |= NIF_TIP;
  Refresh();
}

TCustomTrayIcon::~TCustomTrayIcon() {
  Send(NIM_DELETE);
  KillTimer(window_, kAnimationTimer);
  DestroyWindow(window_);
}

void TCustomTrayIcon::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (!(animate_ && shown_)) ShowIconOrApplicationIcon();
  if (animate_) UpdateAnimationTimer();
  if (visible) {
    if (!Send(NIM_ADD)) {
      visible_ = false;
      UpdateAnimationTimer();
      throw std::runtime_error("Cannot create shell notification icon");
    }
  } else if (!Send(NIM_DELETE)) {
    throw std::runtime_error("Cannot remove shell notification icon");
  }
}

void TCustomTrayIcon::SetHint(std::string_view utf8) {
  CopyText(record_.szTip, utf8);
  if (utf8.empty()) {
    record_.uFlags &= ~NIF_TIP;
  } else {
    record_.uFlags |= NIF_TIP;
  }
  Refresh();
}

void TCustomTrayIcon::SetIcon(HICON icon) {
  icon_ = CopyOf(icon);
  ShowPicture(icon);
}

void TCustomTrayIcon::SetIcons(const ImageList* icons) {
  icons_ = icons;
  if (!icons_) ShowIconOrApplicationIcon();
}

void TCustomTrayIcon::SetIconIndex(int index) {
  if (index == iconIndex_) return;
  iconIndex_ = index;
  if (icons_) {
    shown_ = icons_->IconOf(index);
    Refresh();
  }
}

void TCustomTrayIcon::SetAnimate(bool animate) {
  if (animate == animate_) return;
  animate_ = animate;
  if (icons_ && icons_->Count() > 0 && visible_) UpdateAnimationTimer();
  if (!animate_) ShowPicture(icon_.get());
}

void TCustomTrayIcon::SetAnimateInterval(UINT milliseconds) {
  animateInterval_ = milliseconds;
  UpdateAnimationTimer();
}

void TCustomTrayIcon::SetBalloonHint(std::string_view utf8) {
  CopyText(record_.szInfo, utf8);
  Send(NIM_MODIFY);
}

void TCustomTrayIcon::SetBalloonTitle(std::string_view utf8) {
  CopyText(record_.szInfoTitle, utf8);
  Send(NIM_MODIFY);
}

void TCustomTrayIcon::ShowBalloonHint() {
  record_.uFlags |= NIF_INFO;
  record_.dwInfoFlags = static_cast<DWORD>(balloonFlags_);
  Send(NIM_MODIFY);
}

void TCustomTrayIcon::UpdateAnimationTimer() {
  if (animate_ && visible_) {
    SetTimer(window_, kAnimationTimer, animateInterval_, nullptr);
  } else {
    KillTimer(window_, kAnimationTimer);
  }
}

void TCustomTrayIcon::AnimationStep() {
  if (OnAnimate) OnAnimate();
  const int count = icons_ ? icons_->Count() : 0;
  SetIconIndex(iconIndex_ + 1 < count ? iconIndex_ + 1 : 0);
  Refresh();
}

void TCustomTrayIcon::ShowPicture(HICON picture) {
  shown_ = CopyOf(picture);
  Refresh();
}

void TCustomTrayIcon::ShowIconOrApplicationIcon() {
  ShowPicture(icon_ ? icon_.get() : applicationIcon_);
}

void TCustomTrayIcon::Refresh() {
  record_.hIcon = shown_.get();
  if (visible_) Send(NIM_MODIFY);
}

bool TCustomTrayIcon::Send(DWORD command) { return shell_(command, record_); }

bool TCustomTrayIcon::PlatformShellNotify(DWORD command, NOTIFYICONDATAA& record) {
  return Shell_NotifyIconA(command, &record);
}

LRESULT CALLBACK TCustomTrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* icon = WindowOwner<TCustomTrayIcon>(window, message, lParam);
  if (!icon || message == WM_NCCREATE || message == WM_NCDESTROY) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // Exceptions must not unwind through the platform's frames.
  try {
    return icon->HandleMessage(message, wParam, lParam);
  } catch (...) {
    Application::Instance().ShowException(std::current_exception());
    return 0;
  }
}

LRESULT TCustomTrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION: return TRUE;
    case WM_ENDSESSION:
      if (wParam) Send(NIM_DELETE);
      return 0;
    case WM_TIMER:
      if (wParam == kAnimationTimer) AnimationStep();
      return 0;
    case kCallbackMessage: Notify(static_cast<UINT>(lParam)); return 0;
    default:
      if (message == TaskbarCreatedMessage()) {
        if (visible_) Send(NIM_ADD);
        return 0;
      }
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

void TCustomTrayIcon::Notify(UINT callbackEvent) {
  switch (callbackEvent) {
    case WM_MOUSEMOVE:
      if (OnMouseMove) OnMouseMove(KeyboardShift(), CursorPosition());
      break;
    case WM_LBUTTONDOWN:
      MouseEvent(OnMouseDown, MouseButton::Left);
      clicked_ = true;
      break;
    case WM_LBUTTONUP:
      // A click counts only when the button went down on the icon.
      if (clicked_ && OnClick) {
        OnClick();
        clicked_ = false;
      }
      MouseEvent(OnMouseUp, MouseButton::Left);
      break;
    case WM_RBUTTONDOWN: MouseEvent(OnMouseDown, MouseButton::Right); break;
    case WM_RBUTTONUP:
      MouseEvent(OnMouseUp, MouseButton::Right);
      if (popupMenu_) ShowPopupMenu();
      break;
    case WM_MBUTTONDOWN: MouseEvent(OnMouseDown, MouseButton::Middle); break;
    case WM_MBUTTONUP: MouseEvent(OnMouseUp, MouseButton::Middle); break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      if (OnDblClick) OnDblClick();
      break;
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT: record_.uFlags &= ~NIF_INFO; break;
    default: break;
  }
}

void TCustomTrayIcon::MouseEvent(const std::function<void(MouseButton, unsigned, POINT)>& handler,
                                 MouseButton button) {
  if (handler) handler(button, KeyboardShift() | ButtonFlag(button), CursorPosition());
}

// The menu's window must be in front, or the menu stays open when the user clicks elsewhere.
void TCustomTrayIcon::ShowPopupMenu() {
  SetForegroundWindow(window_);
  ProcessPendingMessages();
  popupMenu_->Popup(window_, CursorPosition());
  PostMessageW(window_, WM_NULL, 0, 0);
}

}  // namespace velmora::ui
