#include "skin/controls/win32/combo_list_wnd.h"

#include "skin/controls/combo_paint.h"
#include "skin/controls/win32/frame_band.h"
#include "skin/paint/section_paint.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "ui/win32/handles.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kEditFamilyKind = 231;

}  // namespace

TacComboListWnd::TacComboListWnd(HWND list, ManagerLink* manager,
                                 std::function<void()> shownChanged)
    : data_(list, manager, kEditFamilyKind, true), subclass_(list, Procedure, this) {
  state_.ShownChanged = std::move(shownChanged);
  data_.Data().Initialize(false);
  ApplyLook();
  // Made while the list first paints: its frame was painted by the platform already.
  RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

LRESULT CALLBACK TacComboListWnd::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* list = reinterpret_cast<TacComboListWnd*>(self);
  if (message == WM_NCDESTROY) {
    list->subclass_.Remove();
  } else if (list->data_.Data().IsSkinned(true)) {
    if (const auto answer = list->React(message, wParam, lParam)) return *answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TacComboListWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND list = Handle();
  switch (message) {
    case WM_SIZE: data_.Data().CacheStale = true; break;
    case WM_ERASEBKGND:
      if (!wParam) break;
      EraseClient(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_NCPAINT: {
      // The platform's frame first, for its scroll bars; then the skin's band over its border.
      DefSubclassProc(list, message, wParam, lParam);
      PaintFrame(ui::WindowFrameDc(list).Get());
      return 0;
    }
    case WM_PRINT: {
      const LRESULT answer = DefSubclassProc(list, message, wParam, lParam);
      if ((lParam & PRF_NONCLIENT) && !state_.ListShown) PaintFrame(reinterpret_cast<HDC>(wParam));
      return answer;
    }
    case WM_WINDOWPOSCHANGED: {
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
      if (!(flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW))) break;
      const LRESULT answer = DefSubclassProc(list, message, wParam, lParam);
      state_.ListShown = (flags & SWP_SHOWWINDOW) != 0;
      if (!state_.ListShown) data_.Data().CacheStale = true;
      if (state_.ShownChanged) state_.ShownChanged();
      return answer;
    }
    default: break;
  }
  return std::nullopt;
}

void TacComboListWnd::ApplyLook() {
  TsCommonData& data = data_.Data();
  const TsGenState* block = data.StateBlock(data.CurrentState());
  if (!block || !data.Skin()) return;
  state_.BackColor = uint32_t(block->Color);
  state_.BorderColor = uint32_t(data.Skin()->Palette()[kBorderColor]);
  data.CacheStale = true;
}

void TacComboListWnd::EraseClient(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  PaintSolidGdi(dc, {client.left, client.top, client.right, client.bottom}, state_.BackColor);
}

void TacComboListWnd::PaintFrame(HDC windowDc) {
  TsCommonData& data = data_.Data();
  data.ResolveSectionIndex(true);
  ApplyLook();
  data.PrepareCacheImage();
  const auto* cache = static_cast<const DibCache*>(data.Cache());
  if (!cache || cache->Pixels().Empty()) return;
  PaintListFrame(cache->Pixels(), state_.BackColor, state_.BorderColor);
  data.CacheStale = false;
  CopyFrameBand(windowDc, *cache, 1);
}

}  // namespace velmora::skin
