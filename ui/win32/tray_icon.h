#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/win32/handles.h"
#include "ui/win32/image_list.h"
#include "ui/win32/popup_menu.h"

namespace velmora::ui {

enum class MouseButton { Left, Right, Middle };
// Keys held and the button concerned, as bits.
enum ShiftFlag : unsigned { kShift = 1, kAlt = 2, kCtrl = 4, kLeft = 8, kRight = 16, kMiddle = 32 };
enum class BalloonFlags { bfNone, bfInfo, bfWarning, bfError };

// The icon in the platform's notification area, with its tooltip, balloon and animation. A hidden
// window of its own receives the platform's notifications; it is a top-level window, so the
// broadcast of a restarted notification area reaches it and the icon comes back.
class TCustomTrayIcon {
 public:
  // The shell's notification-area call: add, modify or delete; false when refused.
  using ShellNotify = std::function<bool(DWORD command, NOTIFYICONDATAA& record)>;

  // `applicationIcon` (borrowed) is shown while neither Icon nor Icons gives a picture; `title`
  // is the first tooltip. Tests pass a shell of their own.
  TCustomTrayIcon(HICON applicationIcon, std::wstring_view title,
                  ShellNotify shell = PlatformShellNotify);
  TCustomTrayIcon(const TCustomTrayIcon&) = delete;
  TCustomTrayIcon& operator=(const TCustomTrayIcon&) = delete;
  ~TCustomTrayIcon();

  bool Visible() const { return visible_; }
  // The hidden window, whose handle is also the icon's identifier.
  HWND Handle() const { return window_; }
  // Throws when the platform refuses; a refused add leaves the icon hidden, so the next try
  // adds again.
  void SetVisible(bool visible);
  void SetHint(std::string_view utf8);
  // Copies the picture; the caller keeps its own.
  void SetIcon(HICON icon);
  void SetIcons(const ImageList* icons);
  int IconIndex() const { return iconIndex_; }
  void SetIconIndex(int index);
  void SetPopupMenu(const PopupMenu* menu) { popupMenu_ = menu; }
  void SetAnimate(bool animate);
  void SetAnimateInterval(UINT milliseconds);
  void SetBalloonHint(std::string_view utf8);
  void SetBalloonTitle(std::string_view utf8);
  void SetBalloonTimeout(UINT milliseconds) { record_.uTimeout = milliseconds; }
  void SetBalloonFlags(BalloonFlags flags) { balloonFlags_ = flags; }
  void ShowBalloonHint();

  std::function<void()> OnClick, OnDblClick, OnAnimate;
  std::function<void(unsigned shift, POINT at)> OnMouseMove;
  std::function<void(MouseButton, unsigned shift, POINT at)> OnMouseDown, OnMouseUp;

 private:
  static bool PlatformShellNotify(DWORD command, NOTIFYICONDATAA& record);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Notify(UINT callbackEvent);
  void MouseEvent(const std::function<void(MouseButton, unsigned, POINT)>& handler,
                  MouseButton button);
  void ShowPopupMenu();
  void AnimationStep();
  void UpdateAnimationTimer();
  void ShowPicture(HICON picture);
  void ShowIconOrApplicationIcon();
  void Refresh();
  bool Send(DWORD command);

  HICON applicationIcon_;
  ShellNotify shell_;
  HWND window_ = nullptr;
  NOTIFYICONDATAA record_{};
  UniqueIcon icon_;
  UniqueIcon shown_;
  const ImageList* icons_ = nullptr;
  const PopupMenu* popupMenu_ = nullptr;
  int iconIndex_ = 0;
  bool visible_ = false;
  bool animate_ = false;
  UINT animateInterval_ = 1000;
  BalloonFlags balloonFlags_ = BalloonFlags::bfNone;
  bool clicked_ = false;
};

// The component the window places.
class TTrayIcon : public TCustomTrayIcon {
 public:
  using TCustomTrayIcon::TCustomTrayIcon;
};

}  // namespace velmora::ui
