#include "skin/controls/win32/skinned_window.h"

#include <utility>

#include "skin/controls/engine_commands.h"
#include "skin/controls/glow_effect.h"
#include "skin/controls/owner_messages.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/glow_window.h"
#include "skin/animation/win32/platform_timer.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/win32/dib_bitmap.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kButtonFace = 0xFF00000F;

bool EngineHandled(HWND window) {
  if (GetPropW(window, kSkinDataProperty) || GetPropW(window, kAdapterProperty)) return true;
  return SendEngineCommand(window, {EngineCommand::IsHandled}) == 1;
}

}  // namespace

void WindowParent::GetBackground(TacBgQuery& query) {
  SendEngineCommand(window_, {EngineCommand::GetBackground, reinterpret_cast<intptr_t>(&query)});
}

void WindowParent::DrawBackground(const TacBgQuery& query) {
  PaintSolidGdi(static_cast<HDC>(query.DC), query.R, OwnColor());
}

uint32_t WindowParent::GetColor() {
  return EngineHandled(window_) ? uint32_t(SendEngineCommand(window_, {EngineCommand::GetColor}))
                                : 0;
}

SkinnedWindow::SkinnedWindow(HWND window, ManagerLink* manager, uint8_t kind, bool cacheWanted)
    : window_(window),
      savedProcedure_(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC))),
      data_(*this, cacheWanted),
      subclass_(window, Procedure, this),
      mark_(window, &data_) {
  data_.ControlKind = kind;
  data_.SetSkinManager(manager);
  // The fast path: this object's handling, then the procedure the window had before it, with
  // no message sending (nor the subclass chain's own lookups) in between.
  data_.SavedProcedure = [this](const EngineMessage& m) {
    if (const auto answer = Command(m)) return LRESULT(*answer);
    return CallWindowProcW(savedProcedure_, window_, kEngineMessage,
                           EngineWParam(m.Command, m.Flag), m.Argument);
  };
}

SkinnedWindow::~SkinnedWindow() {
  if (ManagerLink* manager = data_.SkinManager()) manager->ForgetHover(this);
}

LRESULT CALLBACK SkinnedWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
  auto* skinned = reinterpret_cast<SkinnedWindow*>(self);
  if (message == WM_NCDESTROY) {
    skinned->Detach();
  } else if (const auto answer = skinned->React(message, wParam, lParam)) {
    return *answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// The window is going: its property and subclass go with it, and the skin data no longer
// reaches it.
void SkinnedWindow::Detach() {
  if (ManagerLink* manager = data_.SkinManager()) manager->ForgetHover(this);
  data_.StopFade();
  HideGlow(data_, false);
  mark_.Release();
  subclass_.Remove();
  data_.SavedProcedure = nullptr;
  windowGone_ = true;
  if (OnWindowGone) OnWindowGone();
}

std::optional<LRESULT> SkinnedWindow::React(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kEngineMessage:
      return Command(ReceivedEngineCommand(wParam, lParam));
    case WM_SETFOCUS:
    case WM_KILLFOCUS: OnFocusChanged(data_, message == WM_SETFOCUS); break;
    case WM_ENABLE:
    case WM_FONTCHANGE: OnEnabledChanged(data_); break;
    case WM_MOVE: OnMoved(data_); break;
    case WM_SIZE: OnResized(data_); break;
    case WM_WINDOWPOSCHANGING: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      RECT r;
      if (!(pos->flags & SWP_NOSIZE) && GetWindowRect(window_, &r))
        OnSizeChanging(data_, pos->cx != r.right - r.left, pos->cy != r.bottom - r.top);
      break;
    }
    case WM_SHOWWINDOW:
      data_.StopFade();
      OnVisibilityChanged(data_, wParam != 0);
      break;
    case WM_PARENTNOTIFY:
      // A new child gets its adapter from the form.
      if (LOWORD(wParam) == WM_CREATE)
        SendEngineCommand(GetAncestor(window_, GA_ROOT),
                          {EngineCommand::AdaptChildren, reinterpret_cast<intptr_t>(window_)});
      break;
    case WM_MOUSEMOVE:
      if (HoverThroughManager && data_.IsSkinned())
        if (ManagerLink* manager = data_.SkinManager()) manager->SetHoveredWindow(this);
      break;
    case WM_UPDATEUISTATE:
      if (data_.IsSkinned()) return 0;
      break;
    default: break;
  }
  return std::nullopt;
}

// Whether the pointer is over the window's client area and not over a window outside it.
bool SkinnedWindow::PointerInside() const {
  POINT p;
  RECT client;
  if (windowGone_ || !GetCursorPos(&p) || !GetClientRect(window_, &client)) return false;
  const HWND under = WindowFromPoint(p);
  if (under != window_ && !IsChild(window_, under)) return false;
  ScreenToClient(window_, &p);
  return PtInRect(&client, p) != 0;
}

// Another hover target is a window as well: the hover tracker holds nothing else.
bool SkinnedWindow::IsAncestorOf(const HoverTarget& other) const {
  const HWND inner = static_cast<const SkinnedWindow&>(other).window_;
  return !windowGone_ && IsChild(window_, inner);
}

void SkinnedWindow::Deliver(EngineCommand command, intptr_t argument) {
  SendToSelf(Message(command, argument));
}

std::optional<intptr_t> SkinnedWindow::Command(const EngineMessage& message) {
  // The manager's hover notices: the skin data takes note, the owner then reacts in its way.
  if (message.Command == EngineCommand::MouseEntered) OnMouseEntered(data_);
  if (message.Command == EngineCommand::MouseLeft) OnMouseLeft(data_, PointerInside());
  if (OwnCommands)
    if (const auto answer = OwnCommands(message)) return answer;
  return HandleEngineCommand(data_, message);
}

OwnerFacts SkinnedWindow::Facts() const {
  OwnerFacts facts;
  facts.HasWindow = !windowGone_ && IsWindow(window_);
  facts.Destroying = windowGone_;
  facts.Colour = colour_, facts.FontColour = fontColour_;
  if (!facts.HasWindow) return facts;
  const HWND parent = GetParent(window_);
  facts.HasParent = parent != nullptr;
  facts.Enabled = IsWindowEnabled(window_);
  facts.Visible = IsWindowVisible(window_);
  facts.CanFocus = (GetWindowLongW(window_, GWL_STYLE) & WS_TABSTOP) != 0;
  RECT r;
  GetWindowRect(window_, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  facts.Bounds = {r.left, r.top, r.right, r.bottom};
  return facts;
}

bool SkinnedWindow::HasKeyboardFocus() const { return !windowGone_ && GetFocus() == window_; }

intptr_t SkinnedWindow::SendToSelf(const EngineMessage& message) {
  if (windowGone_) return Command(message).value_or(0);
  return SendEngineCommand(window_, message);
}

intptr_t SkinnedWindow::SendToParent(const EngineMessage& message) {
  const HWND parent = windowGone_ ? nullptr : GetParent(window_);
  return parent ? SendEngineCommand(parent, message) : 0;
}

bool SkinnedWindow::ParentEngineHandled() const {
  const HWND parent = windowGone_ ? nullptr : GetParent(window_);
  return parent && EngineHandled(parent);
}

uint32_t SkinnedWindow::ParentColour() const { return kButtonFace; }

void SkinnedWindow::QueryParent(TacBgQuery& query, bool pleaseDraw) {
  const HWND parent = windowGone_ ? nullptr : GetParent(window_);
  if (!parent) return;
  WindowParent asked(parent);
  QueryParentBg(query, asked, pleaseDraw);
}

void SkinnedWindow::SendToChildren(const EngineMessage& message) {
  if (windowGone_) return;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    SendEngineCommand(child, message);
}

void SkinnedWindow::Redraw(bool updateNow) {
  if (windowGone_) return;
  RedrawWindow(window_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN |
                   (updateNow ? RDW_UPDATENOW : 0));
}

void SkinnedWindow::InvalidateAll() {
  if (!windowGone_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void SkinnedWindow::RepaintFrame() {
  if (!windowGone_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void SkinnedWindow::RecomputeFrame() {
  if (windowGone_) return;
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SkinnedWindow::SetColours(uint32_t colour, uint32_t fontColour) {
  colour_ = colour, fontColour_ = fontColour;
}

std::unique_ptr<CacheSurface> SkinnedWindow::MakeCache() { return std::make_unique<DibCache>(); }

void SkinnedWindow::DrawCacheInto(const TacBgQuery& query) {
  const auto* cache = static_cast<const DibCache*>(data_.Cache());
  if (!cache || !cache->Dc() || !query.DC) return;
  BitBlt(static_cast<HDC>(query.DC), query.R.Left, query.R.Top, query.R.Right - query.R.Left,
         query.R.Bottom - query.R.Top, cache->Dc(), query.OffsetX, query.OffsetY, SRCCOPY);
}

void SkinnedWindow::FillQueryDc(const TacBgQuery& query, uint32_t colour) {
  if (query.DC) PaintSolidGdi(static_cast<HDC>(query.DC), query.R, colour);
}

void SkinnedWindow::ShowImage(const SourceView& image) {
  if (windowGone_) return;
  const ui::WindowDc dc(window_);
  DrawPixels(dc.Get(), 0, 0, image);
}

TimerCarriers SkinnedWindow::Timers() { return PlatformTimers(); }

std::optional<Rect> SkinnedWindow::ScreenBounds() const {
  RECT r;
  if (windowGone_ || !GetWindowRect(window_, &r)) return std::nullopt;
  return Rect{r.left, r.top, r.right, r.bottom};
}

// Layered top-level windows are there on every system the program runs on.
bool SkinnedWindow::GlowPossible() const { return GetCapture() == nullptr; }

std::unique_ptr<GlowWindow> SkinnedWindow::MakeGlowWindow() {
  return windowGone_ ? nullptr : skin::MakeGlowWindow(window_);
}

bool SkinnedWindow::PaintFadeImage(HDC dc) const {
  if (!data_.FadeRunning() || data_.FadeTimer->GlowOnly) return false;
  DrawPixels(dc, 0, 0, PixelRows(std::as_const(data_.FadeTimer->Work)));
  return true;
}

void SkinnedWindow::CopyCacheToDC(HDC dc, POINT source, const RECT& clip) const {
  const auto* cache = static_cast<const DibCache*>(data_.Cache());
  if (!cache || !cache->Dc() || windowGone_) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r;
    // Shown children, even while their form itself is hidden.
    if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) || !GetWindowRect(child, &r)) continue;
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  BitBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, cache->Dc(),
         source.x + clip.left, source.y + clip.top, SRCCOPY);
  RestoreDC(dc, saved);
}

std::string SkinnedWindow::ClassName() const {
  char name[256] = {};
  if (!windowGone_) GetClassNameA(window_, name, sizeof name);
  return name;
}

}  // namespace velmora::skin
