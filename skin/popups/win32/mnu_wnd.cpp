#include "skin/popups/win32/mnu_wnd.h"

#include "skin/manager/engine_message.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/popups/win32/skinable_menus.h"
#include "ui/win32/handles.h"

namespace velmora::skin {
namespace {

constexpr UINT kGetMenuOfWindow = 0x01E1;  // MN_GETHMENU

RECT WindowBox(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

// The items' places in window coordinates, left out of what the chrome paints over.
void ExcludeItems(HDC dc, HWND window) {
  const HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, kGetMenuOfWindow, 0, 0));
  if (!menu) return;
  const RECT box = WindowBox(window);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (GetMenuItemRect(nullptr, menu, UINT(i), &r))
      ExcludeClipRect(dc, r.left - box.left, r.top - box.top, r.right - box.left,
                      r.bottom - box.top);
  }
}

}  // namespace

void PaintMenuChrome(HWND window, const DibBitmap& background) {
  const PixelView pixels = background.Pixels();
  if (pixels.Empty()) return;
  const ui::WindowFrameDc dc(window);
  const ui::SavedDcState saved(dc.Get());
  ExcludeItems(dc.Get(), window);
  GdiFlush();
  BitBlt(dc.Get(), 0, 0, pixels.Width, pixels.Height, background.Dc(), 0, 0, SRCCOPY);
}

TacMnuWnd::TacMnuWnd(HWND window, TsSkinableMenus& painter)
    : window_(window),
      painter_(painter),
      subclass_(window, Procedure, this),
      mark_(window, kAdapterProperty, this) {}

LRESULT CALLBACK TacMnuWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
  auto* adapter = reinterpret_cast<TacMnuWnd*>(self);
  if (message == WM_NCDESTROY) {
    adapter->mark_.Release();
    adapter->subclass_.Remove();
    // Last: the painter may free this adapter.
    adapter->painter_.MenuWindowDestroyed(window);
    return DefSubclassProc(window, message, wParam, lParam);
  }
  if (const auto answer = adapter->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

// The painter's rules hold for menus it draws; others keep the platform's look.
bool TacMnuWnd::Drawn() const {
  return painter_.Skinned() && (drawn_ || painter_.MeasuredSinceLastMenu());
}

std::optional<LRESULT> TacMnuWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_WINDOWPOSCHANGING: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (Drawn() && (pos->flags & SWP_SHOWWINDOW) && !IsWindowVisible(window_)) HideUntilPainted();
      return std::nullopt;
    }
    case WM_NCPAINT:
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
      // A menu hidden for its frame shows even when the skin went meanwhile.
      if (Drawn())
        PaintChrome();
      else
        FramePainted();
      return result;
    }
    case WM_ERASEBKGND:
      if (!Drawn()) return std::nullopt;
      EraseClient(reinterpret_cast<HDC>(wParam));
      return 1;
    case kEngineMessage:
      switch (EngineCommand(HIWORD(wParam))) {
        case EngineCommand::IsHandled: return 1;
        case EngineCommand::MenuQuery: FramePainted(); return 1;
        case EngineCommand::SetUpdating:
        case EngineCommand::GetApplication: return 0;
        default: return std::nullopt;
      }
    default: return std::nullopt;
  }
}

void TacMnuWnd::HideUntilPainted() {
  SetWindowLongPtrW(window_, GWL_EXSTYLE, GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window_, 0, 0, LWA_ALPHA);
  waitingForFrame_ = drawn_ = true;
}

void TacMnuWnd::FramePainted() {
  if (!waitingForFrame_) return;
  waitingForFrame_ = false;
  const uint8_t opacity = painter_.MenuOpacity();
  if (opacity == 255) {
    SetWindowLongPtrW(window_, GWL_EXSTYLE,
                      GetWindowLongPtrW(window_, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
  } else {
    SetLayeredWindowAttributes(window_, 0, opacity, LWA_ALPHA);
  }
}

// The prepared background when it fits the window, else MAINMENU painted afresh at its size.
const DibBitmap* TacMnuWnd::Background() {
  const RECT box = WindowBox(window_);
  const int32_t w = box.right - box.left, h = box.bottom - box.top;
  if (const PopupBackground* prepared = painter_.BackgroundOf(window_)) {
    const PixelView pixels = prepared->Bitmap.Pixels();
    if (pixels.Width == w && pixels.Height == h) return &prepared->Bitmap;
  }
  if (ownCache_.Pixels().Width != w || ownCache_.Pixels().Height != h) {
    ownCache_ = DibBitmap::Make(w, h);
    painter_.PaintMenuBackgroundInto(ownCache_.Pixels());
  }
  return ownCache_.Pixels().Empty() ? nullptr : &ownCache_;
}

void TacMnuWnd::PaintChrome() {
  drawn_ = true;
  if (const DibBitmap* background = Background()) PaintMenuChrome(window_, *background);
  FramePainted();
}

void TacMnuWnd::EraseClient(HDC dc) {
  const DibBitmap* background = Background();
  if (!background || !dc) return;
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  const RECT box = WindowBox(window_);
  RECT client{};
  GetClientRect(window_, &client);
  GdiFlush();
  BitBlt(dc, 0, 0, client.right, client.bottom, background->Dc(), origin.x - box.left,
         origin.y - box.top, SRCCOPY);
}

}  // namespace velmora::skin
