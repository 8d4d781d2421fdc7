#include "skin/controls/win32/button.h"

#include "skin/controls/adapter_paint.h"
#include "skin/controls/engine_commands.h"
#include "skin/controls/paint_adjustments.h"
#include "skin/controls/state_fade.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/platform_button.h"
#include "skin/controls/win32/window_painting.h"
#include "skin/data/skin_registry.h"
#include "skin/paint/disabled_look.h"
#include "skin/paint/focus_frame.h"
#include "ui/win32/application.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kButtonKind = 93;
constexpr UINT_PTR kFlashTimer = 1;
constexpr UINT kFlashMs = 30;

}  // namespace

TsButton::TsButton(ui::Button& button, const ui::ChildPlacement& placement)
    : ButtonView(button, placement),
      skinned_(handle_, nullptr, kButtonKind, true),
      subclass_(handle_, Procedure, this) {
  SetWindowLongPtrW(handle_, GWL_STYLE,
                    (GetWindowLongPtrW(handle_, GWL_STYLE) & ~LONG_PTR(BS_TYPEMASK)) | BS_OWNERDRAW);
  skinned_.OwnCommands = [this](const EngineMessage& m) { return Command(m); };
  skinned_.Data().Initialize(true);
}

TsButton::~TsButton() {
  if (flash_ && IsWindow(handle_)) KillTimer(handle_, kFlashTimer);
}

void TsButton::DrawItem(const DRAWITEMSTRUCT& item) {
  if (skinned_.Data().IsSkinned()) return;
  const std::wstring caption = WindowText(handle_);
  const auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
  DrawPlatformButton(item, {caption, font, WordWrap, ContentMargin});
}

LRESULT CALLBACK TsButton::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self) {
  auto* button = reinterpret_cast<TsButton*>(self);
  if (message == WM_NCDESTROY) {
    if (button->flash_) KillTimer(window, kFlashTimer), button->flash_ = false;
    button->subclass_.Remove();
  } else if (const auto answer = button->React(message, wParam, lParam)) {
    return *answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TsButton::React(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = skinned_.Data();
  if (message == WM_TIMER && wParam == kFlashTimer) return EndFlash(), 0;
  if (!data.IsSkinned()) return std::nullopt;
  if (mouse_.Entered(handle_, message)) MouseEntered();
  if (mouse_.Left(message)) MouseLeft();
  switch (message) {
    case WM_PAINT:
      return PaintWindow(handle_, [&](HDC dc, const RECT&) {
        if (!skinned_.PaintFadeImage(dc) && !data.Updating) Paint(dc);
      });
    case WM_PRINTCLIENT:
      data.Updating = false;
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE:
      data.Updating = false, data.StopFade();
      data.RequestRepaint(true);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // Any hint showing goes; hints come again on the next hover.
      ui::Application& application = ui::Application::Instance();
      const bool hints = application.ShowHint();
      application.SetShowHint(false);
      application.SetShowHint(hints);
      data.Updating = false;
      pressMarked_ = true;
      return AfterDefault(message, wParam, lParam);
    }
    case WM_LBUTTONUP:
      if (pressMarked_) Release(lParam);
      return AfterDefault(message, wParam, lParam);
    case WM_CAPTURECHANGED: {
      const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
      PressLost();
      return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case BM_SETSTATE: return AfterDefault(message, wParam, lParam);
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: data.CacheStale = true; break;
    default: break;
  }
  return std::nullopt;
}

// The platform's handling first (it changes the pushed state, focus or text), then the new look.
LRESULT TsButton::AfterDefault(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
  skinned_.Data().StopFade();
  skinned_.Data().RequestRepaint(true);
  return result;
}

std::optional<intptr_t> TsButton::Command(const EngineMessage& message) {
  TsCommonData& data = skinned_.Data();
  switch (message.Command) {
    case EngineCommand::RemoveSkin:
      HandleEngineCommand(data, message);
      InvalidateRect(handle_, nullptr, TRUE);
      return 0;
    case EngineCommand::Refresh: {
      SetWindowRgn(handle_, nullptr, FALSE);
      const auto answer = HandleEngineCommand(data, message);
      if (!data.AllowedDC) data.RequestRepaint(false);
      return answer;
    }
    case EngineCommand::ParentUpdated:
      if (data.Updating && !data.RefreshUpdating(true)) data.RequestRepaint(false);
      return 0;
    case EngineCommand::DefaultSectionIndex: {
      const SkinRegistry* skin = data.Skin();
      return skin ? skin->GetSkinIndex("BUTTON") + 1 : 0;
    }
    case EngineCommand::PrepareCache: return BuildCache(), 0;
    case EngineCommand::MouseEntered: return MouseEntered(), 0;
    case EngineCommand::MouseLeft: return MouseLeft(), 0;
    default: return std::nullopt;
  }
}

void TsButton::MouseEntered() {
  if (!IsWindowEnabled(handle_)) return;
  skinned_.Data().MouseOver = true;
  ShowState(kButtonHot);
}

void TsButton::MouseLeft() {
  if (!IsWindowEnabled(handle_)) return;
  skinned_.Data().MouseOver = false;
  ShowState(kButtonNormal);
}

// The cache shows what the window shows: the fade starts from it.
void TsButton::ShowState(int32_t kind) {
  skinned_.Data().CacheStale = false;
  StartStateFade(skinned_.Data(), kind, nullptr, false, false, true);
}

// The pressed look is painted at once and held by a timer while the click runs. Released off
// the button, no click follows, so there is nothing to show.
void TsButton::Release(LPARAM point) {
  pressMarked_ = false;
  if (!ClientContains(handle_, point)) return;
  skinned_.Data().StopFade();
  flash_ = true;
  skinned_.Data().CacheStale = true;
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  SetTimer(handle_, kFlashTimer, kFlashMs, nullptr);
}

// Another window took the mouse while the button was held: the press ends without a click.
void TsButton::PressLost() {
  if (!pressMarked_) return;
  pressMarked_ = false;
  skinned_.Data().StopFade();
  skinned_.Data().RequestRepaint(true);
}

void TsButton::EndFlash() {
  KillTimer(handle_, kFlashTimer);
  flash_ = false;
  TsCommonData& data = skinned_.Data();
  data.Updating = false;
  ShowState(data.MouseOver ? kButtonHot : kButtonNormal);
}

int32_t TsButton::State() {
  TsCommonData& data = skinned_.Data();
  const ManagerLink* manager = data.SkinManager();
  const auto pushed = SendMessageW(handle_, BM_GETSTATE, 0, 0) & BST_PUSHED;
  const ButtonFacts facts{
      .Pushed = pushed != 0,
      .GlobalPressed = flash_,
      .MouseOver = data.MouseOver,
      .LeftHeldOnIt = pressMarked_ && (GetKeyState(VK_LBUTTON) & 0x8000) != 0,
      .NoMouseHover = manager && manager->Options().NoMouseHover,
      .CurrentState = data.CurrentState()};
  return ButtonState(facts);
}

bool TsButton::BuildCache() {
  TsCommonData& data = skinned_.Data();
  if (!data.IsSkinned()) return false;
  const TacParentBg parent = data.ParentBackground();
  data.PrepareCacheImage();
  auto& cache = static_cast<DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  if (pixels.Empty()) return false;
  const int32_t state = State();
  const int32_t sectionState = ButtonSectionState(state, data.StateCount());
  PaintButtonFace(pixels, *data.Skin(), data.SectionIndex, sectionState, parent,
                  PaintAdjustments(data));
  const std::wstring text = WindowText(handle_);
  if (!text.empty()) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    const UINT wrap = WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    const Size2 size = MeasureCaption(cache.Dc(), font, text, pixels.Width - 2 * ContentMargin,
                                      wrap | DT_EXPANDTABS);
    Rect place = CentredBlock(pixels.Width, pixels.Height, size);
    const TacButtonsSupport& options = data.ButtonsOptions();
    if (state == kButtonPressed && options.ShiftContentOnClick) place = Offset(place, 1, 1);
    const UINT format = DT_CENTER | DT_VCENTER | DT_EXPANDTABS | wrap;
    ControlCaption(skinned_, {text, font, place, format})(cache, sectionState);
    if (ShowFocus && options.ShowFocusRect && GetFocus() == handle_ && IsWindowEnabled(handle_))
      DrawFocusFrame(pixels, ButtonFocusRect(place, pixels.Height, FocusMargin),
                     FocusFrameColour(*data.Skin(), data.SectionIndex, kButtonPressed));
  }
  if (!IsWindowEnabled(handle_)) ApplyDisabledLook(pixels, dkBlended, {parent, 0, 0, nullptr});
  data.CacheStale = false;
  return true;
}

void TsButton::Paint(HDC dc) {
  TsCommonData& data = skinned_.Data();
  if (data.CacheStale || data.CacheEmpty()) BuildCache();
  if (data.CacheEmpty()) return;
  const auto& cache = static_cast<const DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  BitBlt(dc, 0, 0, pixels.Width, pixels.Height, cache.Dc(), 0, 0, SRCCOPY);
}

}  // namespace velmora::skin
