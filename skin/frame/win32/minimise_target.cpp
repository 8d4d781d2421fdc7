#include "skin/frame/win32/minimise_target.h"

#include <shellapi.h>

#include "skin/frame/minimise_flight.h"

namespace velmora::skin {
namespace {

Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Looked up at run time: older shells lack the call.
std::optional<Rect> TrayIconRect(HWND form) {
  const auto iconWindow = static_cast<HWND>(GetPropW(form, kTrayIconProperty));
  if (!iconWindow) return std::nullopt;
  using Query = HRESULT(WINAPI*)(const NOTIFYICONIDENTIFIER*, RECT*);
  static const Query query = [] {
    const HMODULE shell = LoadLibraryW(L"shell32.dll");
    return shell ? reinterpret_cast<Query>(
                       reinterpret_cast<void*>(GetProcAddress(shell, "Shell_NotifyIconGetRect")))
                 : nullptr;
  }();
  if (!query) return std::nullopt;
  NOTIFYICONIDENTIFIER icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = iconWindow;
  icon.uID = UINT(reinterpret_cast<uintptr_t>(iconWindow));
  RECT r{};
  if (FAILED(query(&icon, &r)) || r.right <= r.left || r.bottom <= r.top) return std::nullopt;
  return FromRect(r);
}

std::optional<Rect> TaskbarRect(HWND taskbar) {
  APPBARDATA bar{};
  bar.cbSize = sizeof bar;
  bar.hWnd = taskbar;
  if (SHAppBarMessage(ABM_GETTASKBARPOS, &bar)) return FromRect(bar.rc);
  RECT r{};
  if (GetWindowRect(taskbar, &r)) return FromRect(r);
  return std::nullopt;
}

}  // namespace

std::optional<Rect> MinimiseTarget(HWND form, const Rect& window) {
  const HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!taskbar) return std::nullopt;
  if (const auto icon = TrayIconRect(form)) return icon;
  if (const auto bar = TaskbarRect(taskbar)) return EdgeTarget(*bar, window);
  return std::nullopt;
}

}  // namespace velmora::skin
