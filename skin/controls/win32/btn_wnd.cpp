#include "skin/controls/win32/btn_wnd.h"

#include "skin/controls/adapter_paint.h"
#include "skin/controls/button_paint.h"
#include "skin/controls/glow_effect.h"
#include "skin/controls/paint_adjustments.h"
#include "skin/controls/state_fade.h"
#include "skin/controls/win32/adapter_painting.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/window_painting.h"
#include "skin/paint/focus_frame.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kPushButtonKind = 0;

}  // namespace

TacBtnWnd::TacBtnWnd(HWND window, ManagerLink* manager, int listIndex)
    : TacMainWnd(window, manager, listIndex, kPushButtonKind, "BUTTON"),
      subclass_(window, Procedure, this) {
  Skinned().OwnCommands = [this](const EngineMessage& m) { return Command(m); };
}

LRESULT CALLBACK TacBtnWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self) {
  auto* adapter = reinterpret_cast<TacBtnWnd*>(self);
  if (message == WM_NCDESTROY) adapter->subclass_.Remove();
  else if (const auto answer = adapter->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TacBtnWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = SkinData();
  if (!data.IsSkinned()) return std::nullopt;
  if (state_.Mouse.Entered(Handle(), message)) MouseEntered();
  if (state_.Mouse.Left(message)) MouseLeft();
  switch (message) {
    case WM_PAINT:
      return PaintWindow(Handle(), [&](HDC dc, const RECT&) {
        if (!data.Updating) Paint(dc);
      });
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_NCPAINT:
    case WM_UPDATEUISTATE: return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!IsWindowEnabled(Handle())) break;
      FocusChange(message, wParam, lParam);
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE: return StateChange(message, wParam, lParam);
    case WM_LBUTTONUP: {
      // Released over it, it stays hot: the pointer has not left.
      const LRESULT result = DefSubclassProc(Handle(), message, wParam, lParam);
      data.StopFade();
      StartStateFade(data, data.CurrentState() ? kFadeToHot : kFadeToNormal, nullptr, true, true,
                     true);
      return result;
    }
    default: break;
  }
  return std::nullopt;
}

LRESULT TacBtnWnd::StateChange(UINT message, WPARAM wParam, LPARAM lParam) {
  SkinData().StopFade();
  const LRESULT result = WithRedrawOff(Handle(), message, wParam, lParam);
  SkinData().RequestRepaint(true);
  return result;
}

void TacBtnWnd::FocusChange(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = SkinData();
  WithRedrawOff(Handle(), message, wParam, lParam);
  data.HasFocus = message == WM_SETFOCUS;
  data.StopFade();
  data.CacheStale = true;
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

std::optional<intptr_t> TacBtnWnd::Command(const EngineMessage& message) {
  TsCommonData& data = SkinData();
  switch (message.Command) {
    case EngineCommand::PrepareCache: return BuildCache(), 0;
    case EngineCommand::MouseEntered: return MouseEntered(), 0;
    case EngineCommand::MouseLeft: return MouseLeft(), 0;
    case EngineCommand::ParentUpdated:
      if (!data.Updating) return std::nullopt;
      if (!data.RefreshUpdating(true)) data.Owner().Redraw(true);
      return 0;
    default: return std::nullopt;
  }
}

void TacBtnWnd::MouseEntered() { ShowPointerOver(Handle(), SkinData()); }

void TacBtnWnd::MouseLeft() { ShowPointerLeft(SkinData(), false); }

// A pressed button shows no glow round it: the press is not hover.
int32_t TacBtnWnd::ButtonState() {
  const HWND window = Handle();
  const bool pushed = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  if (pushed) HideGlow(SkinData(), false);
  return AdapterButtonState(
      {.Pushed = pushed,
       .Enabled = IsWindowEnabled(window) != FALSE,
       .IsDefault = (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
       .CurrentState = SkinData().CurrentState()});
}

bool TacBtnWnd::BuildCache() {
  TsCommonData& data = SkinData();
  if (!data.IsSkinned()) return false;
  const TacParentBg background = data.ParentBackground();
  data.PrepareCacheImage();
  if (data.CacheEmpty()) return false;
  auto& cache = static_cast<DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  const HWND window = Handle();
  const int32_t state = ButtonState();
  const POINT position = PositionInParent(window);
  WindowParent parent(GetParent(window));
  AdapterPicture picture{.Look = {data.SectionIndex, data.CustomColor, Skinned().Facts().Colour},
                         .State = ButtonSectionState(state, data.StateCount()),
                         .X = position.x,
                         .Y = position.y,
                         .Disabled = !IsWindowEnabled(window),
                         .ParentControl = &parent};
  const std::wstring text = WindowText(window);
  if (!text.empty()) {
    picture.Caption = [&](const PixelView&) {
      const HFONT font = ControlFont(window);
      const UINT wrap =
          (GetWindowLongW(window, GWL_STYLE) & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
      const UINT format = DT_CENTER | DT_EXPANDTABS | wrap;
      const Size2 size =
          MeasureCaption(cache.Dc(), font, text,
                         AdapterTextWidthLimit(pixels.Width, true) + 2, format | DT_NOPREFIX);
      const TacButtonsSupport& options = data.ButtonsOptions();
      const bool shifted = state == kButtonPressed && options.ShiftContentOnClick;
      const Rect content = AdapterContentRect(pixels.Width, pixels.Height, size, shifted);
      ControlCaption(Skinned(), {text, font, content, format, true})(cache, state != 0 ? 1 : 0);
      if (IsWindowEnabled(window) && options.ShowFocusRect && GetFocus() == window)
        DrawFocusFrame(pixels, AdapterFocusRect(content, pixels.Height),
                       FocusFrameColour(*data.Skin(), data.SectionIndex));
    };
  }
  ComposeAdapterImage(pixels, *data.Skin(), background, picture, PaintAdjustments(data));
  data.CacheStale = false;
  return true;
}

void TacBtnWnd::Paint(HDC dc) {
  if (Skinned().PaintFadeImage(dc)) return;
  TsCommonData& data = SkinData();
  data.CacheStale = true;
  if (BuildCache()) CopyCache(dc, data);
}

}  // namespace velmora::skin
