#include "skin/controls/win32/track_bar.h"

#include <commctrl.h>

#include "skin/controls/engine_commands.h"
#include "skin/controls/state_fade.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/window_painting.h"
#include "skin/data/skin_registry.h"
#include "skin/paint/disabled_look.h"
#include "ui/win32/application.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kTrackBarKind = 165;

Rect Requested(HWND window, UINT message) {
  RECT r{};
  SendMessageW(window, message, 0, reinterpret_cast<LPARAM>(&r));
  return {r.left, r.top, r.right, r.bottom};
}

int32_t Asked(HWND window, UINT message, WPARAM wParam = 0) {
  return int32_t(SendMessageW(window, message, wParam, 0));
}

bool IsRangeOrPosition(UINT message) {
  switch (message) {
    case TBM_SETPOS:
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
    case TBM_SETTHUMBLENGTH:
    case TBM_SETTIC:
    case TBM_CLEARTICS: return true;
    default: return false;
  }
}

}  // namespace

TsTrackBar::TsTrackBar(ui::TrackBar& slider, const ui::ChildPlacement& placement, int thumbLength)
    // The framework's slider: ticks below, automatic ticks one per step.
    : TrackBarView(slider, placement, thumbLength, TBS_BOTTOM | TBS_AUTOTICKS),
      skinned_(handle_, nullptr, kTrackBarKind, true),
      subclass_(handle_, Procedure, this) {
  skinned_.OwnCommands = [this](const EngineMessage& m) { return Command(m); };
  skinned_.Data().Initialize(true);
  ResolveMasks();
  UpdatePlatformLayout();
}

// The platform's slider places its thumb anew only when its position changes, not when its range
// does: a step away and back puts its thumb (which it hit-tests and reports) where the position
// is in the new range.
void TsTrackBar::UpdatePlatformLayout() {
  const auto platform = reinterpret_cast<WNDPROC>(GetClassLongPtrW(handle_, GCLP_WNDPROC));
  const auto send = [&](UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return CallWindowProcW(platform, handle_, message, wParam, lParam);
  };
  const LRESULT position = send(TBM_GETPOS);
  const LRESULT step = position < send(TBM_GETRANGEMAX) ? 1 : -1;
  send(TBM_SETPOS, TRUE, position + step);
  send(TBM_SETPOS, TRUE, position);
}

void TsTrackBar::ResolveMasks() {
  TsCommonData& data = skinned_.Data();
  const SkinRegistry* skin = data.Skin();
  masks_ = skin && data.SectionIndex >= 0 ? ResolveTrackBarMasks(*skin, data.SectionIndex)
                                          : TrackBarMasks{};
}

void TsTrackBar::Scroll(WORD code) {
  TsCommonData& data = skinned_.Data();
  data.StopFade();
  data.CacheStale = true;
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  TrackBarView::Scroll(code);
  UserEvents.Raise(code);
}

LRESULT CALLBACK TsTrackBar::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self) {
  auto* bar = reinterpret_cast<TsTrackBar*>(self);
  if (message == WM_NCDESTROY) bar->subclass_.Remove();
  else if (const auto answer = bar->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

bool TsTrackBar::Paintable() {
  TsCommonData& data = skinned_.Data();
  return data.IsSkinned() && !data.Updating;
}

std::optional<LRESULT> TsTrackBar::React(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = skinned_.Data();
  if (!data.IsSkinned()) return std::nullopt;  // the platform draws its own slider
  const bool enabled = IsWindowEnabled(handle_);
  if (mouse_.Entered(handle_, message)) MouseEntered();
  if (mouse_.Left(message)) MouseLeft();
  switch (message) {
    case WM_PAINT:
      return PaintWindow(handle_, [&](HDC dc, const RECT&) {
        if (!skinned_.PaintFadeImage(dc) && Paintable()) Paint(dc);
      });
    case WM_PRINTCLIENT:
      data.Updating = false;
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: data.StopFade(); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
      if (enabled) data.StopFade(), data.RequestRepaint(false);
      return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled) Press({short(LOWORD(lParam)), short(HIWORD(lParam))});
      break;
    case WM_LBUTTONUP:
      if (enabled) Release();
      break;
    // The drag may end without a button-up (another window took the mouse): the hints and the
    // thumb's look come back all the same.
    case WM_CAPTURECHANGED: EndDrag(); break;
    default:
      if (IsRangeOrPosition(message)) {
        const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
        UpdatePlatformLayout();
        data.RequestRepaint(false);
        return result;
      }
      break;
  }
  return std::nullopt;
}

std::optional<intptr_t> TsTrackBar::Command(const EngineMessage& message) {
  TsCommonData& data = skinned_.Data();
  switch (message.Command) {
    case EngineCommand::NewSkin: {
      const auto answer = HandleEngineCommand(data, message);
      ResolveMasks();
      return answer;
    }
    case EngineCommand::RemoveSkin:
      HandleEngineCommand(data, message);
      masks_ = {};
      InvalidateRect(handle_, nullptr, TRUE);
      return 0;
    case EngineCommand::Refresh:
      ResolveMasks();
      return HandleEngineCommand(data, message);
    case EngineCommand::ParentUpdated:
      if (data.Updating) data.Updating = false, data.RequestRepaint(false);
      return 0;
    case EngineCommand::DefaultSectionIndex: {
      const SkinRegistry* skin = data.Skin();
      return skin ? skin->Indexes().TrackBars[1].SkinIndex + 1 : 0;
    }
    case EngineCommand::PrepareCache: return BuildCache(), 0;
    case EngineCommand::MouseEntered: return MouseEntered(), 0;
    case EngineCommand::MouseLeft: return MouseLeft(), 0;
    default: return std::nullopt;
  }
}

void TsTrackBar::MouseEntered() {
  skinned_.Data().MouseOver = true;
  if (!thumbHeld_) ShowState(kFadeToHot);
}

void TsTrackBar::MouseLeft() {
  skinned_.Data().MouseOver = false;
  if (!thumbHeld_) ShowState(kFadeToNormal);
}

// The cache shows what the window shows: the fade starts from it.
void TsTrackBar::ShowState(int32_t kind) {
  skinned_.Data().CacheStale = false;
  StartStateFade(skinned_.Data(), kind, nullptr, false, false, true);
}

void TsTrackBar::Press(POINT at) {
  ui::Application& application = ui::Application::Instance();
  if (!savedHints_) {
    savedHints_ = application.ShowHint();
    application.SetShowHint(false);
  }
  const Rect thumb = Requested(handle_, TBM_GETTHUMBRECT);
  const bool onThumb = at.x >= thumb.Left && at.x < thumb.Right && at.y >= thumb.Top &&
                       at.y < thumb.Bottom;
  if (!onThumb) return skinned_.Data().StopFade();
  thumbHeld_ = true;
  ShowState(kFadeToPressed);
}

void TsTrackBar::Release() {
  if (savedHints_) ui::Application::Instance().SetShowHint(*savedHints_);
  savedHints_.reset();
  if (!thumbHeld_) return skinned_.Data().StopFade();
  thumbHeld_ = false;
  ShowState(kFadeToHot);
}

void TsTrackBar::EndDrag() {
  if (savedHints_) ui::Application::Instance().SetShowHint(*savedHints_);
  savedHints_.reset();
  if (!thumbHeld_) return;
  thumbHeld_ = false;
  ShowState(skinned_.Data().CurrentState() ? kFadeToHot : kFadeToNormal);
}

TrackBarGeometry TsTrackBar::Geometry() const {
  TrackBarGeometry g;
  g.Channel = Requested(handle_, TBM_GETCHANNELRECT);
  g.Thumb = Requested(handle_, TBM_GETTHUMBRECT);
  RECT client;
  GetClientRect(handle_, &client);
  CentreAcross(g, client.bottom, Asked(handle_, TBM_GETTHUMBLENGTH));
  g.Ticks = Ticks, g.Marks = Marks;
  if (Ticks == TickStyle::tsAuto) {
    g.TickCount = Asked(handle_, TBM_GETRANGEMAX) - Asked(handle_, TBM_GETRANGEMIN) + 1;
  } else if (Ticks == TickStyle::tsManual) {
    g.TickCount = Asked(handle_, TBM_GETNUMTICS);
    for (int32_t i = 0; i + 2 < g.TickCount; ++i)
      g.ManualTicks.push_back(Asked(handle_, TBM_GETTICPOS, WPARAM(i)));
  }
  return g;
}

bool TsTrackBar::BuildCache() {
  TsCommonData& data = skinned_.Data();
  if (!data.IsSkinned()) return false;
  data.PrepareCacheImage();
  const PixelView pixels = data.Cache()->Pixels();
  if (pixels.Empty()) return false;
  const TacParentBg parent = data.ParentBackground();
  const int32_t state = data.CurrentState();
  const TrackBarLook look{.SectionIndex = data.SectionIndex, .State = state,
                          .ThumbState = thumbHeld_ ? kFadeToPressed : state, .Masks = masks_,
                          .FocusFrame = ShowFocus && GetFocus() == handle_};
  PaintTrackBar(pixels, *data.Skin(), look, Geometry(), parent);
  if (!IsWindowEnabled(handle_)) ApplyDisabledLook(pixels, dkBlended, {parent, 0, 0, nullptr});
  data.CacheStale = false;
  return true;
}

void TsTrackBar::Paint(HDC dc) {
  TsCommonData& data = skinned_.Data();
  // The platform moves the thumb by itself while dragging: every paint shows where it is.
  data.CacheStale = true;
  if (!BuildCache()) return;
  const auto& cache = static_cast<const DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  BitBlt(dc, 0, 0, pixels.Width, pixels.Height, cache.Dc(), 0, 0, SRCCOPY);
}

}  // namespace velmora::skin
