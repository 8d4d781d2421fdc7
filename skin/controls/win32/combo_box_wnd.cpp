#include "skin/controls/win32/combo_box_wnd.h"

#include <algorithm>
#include <string>

#include "skin/controls/cache_image.h"
#include "skin/controls/combo_paint.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/frame_band.h"
#include "skin/paint/colour.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "skin/paint/win32/text_output.h"
#include "ui/win32/reflected_messages.h"

namespace velmora::skin {
namespace {

constexpr int kFrameBand = 3;
// Single line, tabs, no clipping, no prefix; centred in the row, since two pixels down from
// the row's top the descenders of the form's font fall below a 17-pixel item and are cut off.
constexpr UINT kItemTextFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP |
                                 DT_NOPREFIX;

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }

std::wstring ItemTextOf(HWND combo, int index) {
  if (index < 0) {
    std::wstring text(size_t(GetWindowTextLengthW(combo)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(combo, text.data(), int(text.size()))));
    return text;
  }
  const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, WPARAM(index), 0);
  if (length == CB_ERR) return {};
  std::wstring text(size_t(length) + 1, L'\0');
  const LRESULT got =
      SendMessageW(combo, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(got == CB_ERR ? 0 : size_t(got));
  return text;
}

}  // namespace

TacComboBoxWnd::TacComboBoxWnd(HWND window, ManagerLink* manager, int listIndex)
    : TacMainWnd(window, manager, listIndex), subclass_(window, Procedure, this) {
  Skinned().OwnCommands = [this](const EngineMessage& m) { return Command(m); };
  Skinned().HoverThroughManager = true;
  InvalidateRect(window, nullptr, FALSE);
}

// The list adapter and the brush go before the combo's own subclass and skin data.
TacComboBoxWnd::~TacComboBoxWnd() {
  Skinned().OwnCommands = nullptr;
  DropListAdapter();
  subclass_.Remove();
  if (IsWindow(Handle())) InvalidateRect(Handle(), nullptr, TRUE);
}

LRESULT CALLBACK TacComboBoxWnd::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* combo = reinterpret_cast<TacComboBoxWnd*>(self);
  if (message == WM_NCDESTROY) {
    combo->DropListAdapter();
    combo->subclass_.Remove();
  } else if (combo->SkinData().IsSkinned(true)) {
    if (const auto answer = combo->React(message, wParam, lParam)) return *answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TacComboBoxWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND combo = Handle();
  TsCommonData& data = SkinData();
  switch (message) {
    case WM_PAINT: return Paint(message, wParam, lParam);
    // Printed as painted, into the print's device context.
    case WM_PRINT: return Paint(WM_PAINT, wParam, 0);
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONUP: {
      const LRESULT answer = DefSubclassProc(combo, message, wParam, lParam);
      data.HasFocus = GetFocus() == combo;
      data.CacheStale = true;
      InvalidateRect(combo, nullptr, FALSE);
      UpdateButton();
      return answer;
    }
    case WM_CTLCOLORLISTBOX: return ListColour(message, wParam, lParam);
    case CB_SETCURSEL: {
      const LRESULT answer = DefSubclassProc(combo, message, wParam, lParam);
      data.CacheStale = true;
      RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return answer;
    }
    case ui::kReflectedCommand:
      if (HIWORD(wParam) == CBN_CLOSEUP) {
        data.CacheStale = true;
        UpdateButton();
      }
      return 0;
    case ui::kReflectedDrawItem:
      return DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? 1 : 0;
    default: return std::nullopt;
  }
}

std::optional<intptr_t> TacComboBoxWnd::Command(const EngineMessage& message) {
  switch (message.Command) {
    case EngineCommand::MouseEntered:
    case EngineCommand::MouseLeft:
      SkinData().CacheStale = true;
      InvalidateRect(Handle(), nullptr, FALSE);
      break;
    case EngineCommand::RemoveSkin:
      if (message.Argument == SkinData().SkinManager()->Identity()) DropListAdapter();
      break;
    default: break;
  }
  return std::nullopt;
}

// The platform paints the client (the edit field through the owner-drawn item); the frame band
// and the button then come from the cache, rebuilt only when stale.
LRESULT TacComboBoxWnd::Paint(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND combo = Handle();
  const LRESULT answer = DefSubclassProc(combo, message, wParam, lParam);
  if (!BuildFrameCache()) return answer;
  const auto* cache = static_cast<const DibCache*>(SkinData().Cache());
  if (const HDC given = reinterpret_cast<HDC>(wParam)) {
    CopyFrameBand(given, *cache, kFrameBand);
    PaintButton(given);
  } else {
    const ui::WindowDc own(combo);
    CopyFrameBand(own.Get(), *cache, kFrameBand);
    PaintButton(own.Get());
  }
  return answer;
}

bool TacComboBoxWnd::BuildFrameCache() { return RebuildCache(SkinData(), {}); }

Rect TacComboBoxWnd::ButtonRect() const {
  RECT window;
  GetWindowRect(Handle(), &window);
  const TsCommonData& data = const_cast<TacComboBoxWnd*>(this)->SkinData();
  // The manager's scroll size is never set narrower than the platform's here: the platform's.
  const int scroll = GetSystemMetrics(SM_CXVSCROLL);
  const int margin = data.Skin() ? data.Skin()->CommonData().ComboMargin : 2;
  const bool rightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  return ComboButtonRect(window.right - window.left, window.bottom - window.top, scroll, margin,
                         rightToLeft);
}

void TacComboBoxWnd::PaintButton(HDC dc) {
  TsCommonData& data = SkinData();
  const auto* cache = static_cast<const DibCache*>(data.Cache());
  if (!cache || cache->Pixels().Empty() || !data.Skin()) return;
  const PixelView pixels = cache->Pixels();
  DibBitmap copy = DibBitmap::Make(pixels.Width, pixels.Height);
  if (copy.Pixels().Empty()) return;
  BitBlt(copy.Dc(), 0, 0, pixels.Width, pixels.Height, cache->Dc(), 0, 0, SRCCOPY);
  const bool listShown = state_.ListWindow && Visible(state_.ListWindow);
  const int32_t state = ComboButtonState(listShown, data.CurrentState(), data.MouseOver);
  const Rect button = ButtonRect();
  PaintComboButton(copy.Pixels(), *data.Skin(), button, state);
  BitBlt(dc, button.Left, button.Top, button.Width(), button.Height(), copy.Dc(), button.Left,
         button.Top, SRCCOPY);
}

void TacComboBoxWnd::UpdateButton() {
  if (!BuildFrameCache()) return;
  const ui::WindowDc dc(Handle());
  PaintButton(dc.Get());
}

bool TacComboBoxWnd::DrawItem(const DRAWITEMSTRUCT& item) {
  TsCommonData& data = SkinData();
  const RECT& r = item.rcItem;
  if (!BuildFrameCache() || r.right <= r.left || r.bottom <= r.top) return false;
  DibBitmap bitmap = DibBitmap::Make(r.right, r.bottom);
  if (bitmap.Pixels().Empty()) return false;
  const HWND combo = Handle();
  const bool editField = (item.itemState & ODS_COMBOBOXEDIT) != 0;
  const ComboItem request{
      .R = {r.left, r.top, r.right, r.bottom},
      .EditField = editField,
      .Selected = (item.itemState & ODS_SELECTED) != 0,
      .Hot = data.CurrentState() != 0 || GetFocus() == combo || data.HasFocus};
  const SkinRegistry& skin = *data.Skin();
  const ItemText look = PaintComboItem(bitmap.Pixels(), skin, data.SectionIndex, request,
                                       data.Cache()->Pixels());
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(combo, WM_GETFONT, 0, 0));
  const TextCanvas canvas{bitmap.Pixels(), bitmap.Dc(), font, look.FontColour};
  const std::wstring text = ItemTextOf(combo, int(item.itemID));
  // Narrowed at the sides only: the row is just the font's height.
  const Rect inner{r.left + 2, r.top, r.right - 2, r.bottom};
  if (look.SelectionState >= 0) {
    DrawSectionText(canvas, text, IsWindowEnabled(combo) != FALSE, &skin, look.SelectionState,
                    skin.Indexes().Sections[kSelectionSlot], kItemTextFormat, inner);
  } else {
    DrawText32(canvas, text, false, look.FontColour, kItemTextFormat, inner);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(bitmap.Dc(), &r);
  }
  BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, bitmap.Dc(), r.left, r.top,
         SRCCOPY);
  return true;
}

// The list's colours: the edit section's normal colours, with one brush kept for the answer.
LRESULT TacComboBoxWnd::ListColour(UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND combo = Handle();
  if (state_.InListColour) return DefSubclassProc(combo, message, wParam, lParam);
  state_.InListColour = true;
  const HWND list = reinterpret_cast<HWND>(lParam);
  if (!state_.ListWindow) state_.ListWindow = list;
  if (!state_.ListAdapter && state_.ListWindow)
    state_.ListAdapter = std::make_unique<TacComboListWnd>(state_.ListWindow, SkinData().SkinManager(),
                                                           [this] { UpdateButton(); });
  LRESULT answer = 0;
  TacComboListWnd* adapter = state_.ListAdapter.get();
  const TsGenState* normal =
      adapter && adapter->SkinData().IsSkinned() ? adapter->SkinData().StateBlock(0) : nullptr;
  if (normal) {
    const HDC dc = reinterpret_cast<HDC>(wParam);
    if (normal->FontColor >= 0) SetTextColor(dc, ResolveColour(uint32_t(normal->FontColor)));
    const COLORREF back = ResolveColour(uint32_t(normal->Color));
    SetBkColor(dc, back);
    answer = reinterpret_cast<LRESULT>(BrushOf(back));
  } else {
    answer = DefSubclassProc(combo, message, wParam, lParam);
  }
  state_.InListColour = false;
  return answer;
}

HBRUSH TacComboBoxWnd::BrushOf(COLORREF colour) {
  if (!state_.ListBrush || state_.ListBrushColour != colour) {
    state_.ListBrush.reset(CreateSolidBrush(colour));
    state_.ListBrushColour = colour;
  }
  return state_.ListBrush.get();
}

// The list window is the combo's own: it only loses the adapter, and is learned afresh.
void TacComboBoxWnd::DropListAdapter() {
  state_.ListAdapter.reset();
  state_.ListWindow = nullptr;
}

}  // namespace velmora::skin
