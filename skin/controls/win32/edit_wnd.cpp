#include "skin/controls/win32/edit_wnd.h"

#include "skin/controls/cache_image.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/frame_band.h"
#include "ui/win32/handles.h"

namespace velmora::skin {
namespace {

bool Shown(HWND window) { return IsWindowVisible(window) != FALSE; }

bool HasScrollBars(HWND window) {
  return (GetWindowLongW(window, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
}

}  // namespace

TacEditWnd::TacEditWnd(HWND window, ManagerLink* manager, int listIndex)
    : TacMainWnd(window, manager, listIndex), subclass_(window, Procedure, this) {
  if (Shown(window)) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

TacEditWnd::~TacEditWnd() {
  subclass_.Remove();
  if (IsWindow(Handle()) && Shown(Handle()))
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

LRESULT CALLBACK TacEditWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
  auto* edit = reinterpret_cast<TacEditWnd*>(self);
  if (message == WM_NCDESTROY) {
    edit->subclass_.Remove();
  } else if (edit->SkinData().IsSkinned(true)) {
    if (const auto answer = edit->React(message, wParam, lParam)) return *answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TacEditWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND edit = Handle();
  switch (message) {
    case WM_NCPAINT:
      if (!Shown(edit)) return 0;
      // The platform's scroll bars stay; its border goes under the skin's band.
      if (HasScrollBars(edit)) DefSubclassProc(edit, message, wParam, lParam);
      PaintFrame(ui::WindowFrameDc(edit).Get());
      return 0;
    case WM_PAINT:
      if (Shown(edit)) return std::nullopt;
      ValidateRect(edit, nullptr);
      return 0;
    case WM_ERASEBKGND:
      return Shown(edit) ? std::nullopt : std::optional<LRESULT>(1);
    case WM_PRINT: {
      if (!Shown(edit)) return 0;
      const LRESULT answer = DefSubclassProc(edit, message, wParam, lParam);
      if (lParam & PRF_NONCLIENT) PaintFrame(reinterpret_cast<HDC>(wParam));
      return answer;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT: {
      const LRESULT answer = DefSubclassProc(edit, message, wParam, lParam);
      SkinData().CacheStale = true;
      if (Shown(edit)) RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
      return answer;
    }
    case WM_SIZE:
      SkinData().CacheStale = true;
      return std::nullopt;
    default: return std::nullopt;
  }
}

void TacEditWnd::PaintFrame(HDC windowDc) {
  if (!RebuildCache(SkinData(), {})) return;
  CopyFrameBand(windowDc, *static_cast<const DibCache*>(SkinData().Cache()), LeftEdge());
}

int TacEditWnd::LeftEdge() const {
  RECT window;
  POINT client{0, 0};
  if (!GetWindowRect(Handle(), &window) || !ClientToScreen(Handle(), &client)) return 2;
  const int edge = int(client.x - window.left);
  return edge > 0 ? edge : 2;
}

}  // namespace velmora::skin
