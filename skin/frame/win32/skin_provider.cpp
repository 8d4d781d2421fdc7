#include "skin/frame/win32/skin_provider.h"

#include <versionhelpers.h>

#include <algorithm>
#include <string>

#include "skin/animation/win32/screen_image.h"
#include "skin/animation/win32/window_animation.h"
#include "skin/controls/glow_effect.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/frame/win32/minimise_target.h"
#include "skin/frame/win32/platform_animation.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/fill.h"
#include "skin/paint/section_paint.h"
#include "skin/paint/win32/text_output.h"

namespace velmora::skin {
namespace {

constexpr int kFormTitleSlot = 32;
constexpr int kDialogTitleSlot = 40;
constexpr int kCaptionSlot = 28;

LONG Style(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

// The form's constant alpha: its own when it is layered with one, else full.
uint8_t FormAlpha(HWND window) {
  BYTE alpha = 255;
  DWORD flags = 0;
  if (!(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED) ||
      !GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) || !(flags & LWA_ALPHA))
    return 255;
  return alpha;
}

ui::UniqueFont CaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
  return ui::UniqueFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}

}  // namespace

TsSkinProvider::TsSkinProvider(HWND window, ManagerLink* link, Kind kind, Adapting adapting)
    : window_(window),
      kind_(kind),
      manager_(link),
      adapting_(std::move(adapting)),
      hadSystemMenu_((Style(window) & WS_SYSMENU) != 0),
      data_(window, link, 0, true),
      captionFont_(CaptionFont()),
      title_(window, *this),
      subclass_(window, Procedure, this) {
  data_.Data().SetSkinSection(kind == Kind::Form ? "FORM" : "DIALOG");
  data_.OwnCommands = [this](const EngineMessage& m) { return Command(m); };
}

TsSkinProvider::~TsSkinProvider() {
  if (!gone_ && prepared_) RemoveSkin();
}

LRESULT CALLBACK TsSkinProvider::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* provider = reinterpret_cast<TsSkinProvider*>(self);
  if (message == WM_NCDESTROY) {
    provider->Detach();
  } else if (const auto answer = provider->React(message, wParam, lParam)) {
    return *answer;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

void TsSkinProvider::Detach() {
  skinFade_.reset();
  hideImage_ = {};
  subclass_.Remove();
  gone_ = true;
}

bool TsSkinProvider::Skinned() const {
  const SkinRegistry* skin = manager_ ? manager_->Registry() : nullptr;
  return skin && skin->CommonData().Applied && manager_->Active() && !manager_->BeingDestroyed();
}

FrameGeometry TsSkinProvider::Geometry() const {
  RECT w{}, c{};
  GetWindowRect(window_, &w);
  GetClientRect(window_, &c);
  const LONG style = Style(window_);
  const LONG exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
  FrameGeometry g;
  g.Width = w.right - w.left, g.Height = w.bottom - w.top;
  g.ClientWidth = c.right, g.ClientHeight = c.bottom;
  g.HasBorderStyle = (style & WS_BORDER) != 0;
  g.Border = GetSystemMetrics((style & WS_THICKFRAME) ? SM_CXFRAME : SM_CXFIXEDFRAME);
  if (!(style & (WS_THICKFRAME | WS_BORDER | WS_DLGFRAME))) g.Border = 0;
  if ((style & WS_CAPTION) == WS_CAPTION || IsIconic(window_))
    g.Caption = GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  return g;
}

// Resolves the sections of the active skin and takes the platform's caption buttons away.
void TsSkinProvider::Prepare() {
  if (gone_ || !Skinned()) return;
  TsCommonData& data = data_.Data();
  data.ResolveSectionIndex(true);
  const SkinRegistry& skin = *data.Skin();
  sections_.Form = data.SectionIndex;
  const auto& slots = skin.Indexes().Sections;
  sections_.Title = slots[kFormTitleSlot];
  if (kind_ == Kind::Dialog && slots[kDialogTitleSlot] >= 0) sections_.Title = slots[kDialogTitleSlot];
  captionIndex_ = slots[kCaptionSlot];
  title_.Reset();
  data.CacheStale = true;
  regionDirty_ = true;
  prepared_ = true;
  RemoveSystemMenuStyle();
  AdaptControls();
}

// The standard controls inside get their adapters, the labels the skin's colour.
void TsSkinProvider::AdaptControls() {
  if (!adapting_.Allowed || !adapting_.Lists) return;
  if (!adapters_)
    adapters_ = std::make_unique<TacCtrlAdapter>(manager_, *adapting_.Lists, adapting_.Lookup);
  adapters_->RecolourLabels();
  adapters_->AddAllItems(window_);
}

void TsSkinProvider::RemoveSystemMenuStyle() {
  const LONG style = Style(window_);
  if (style & WS_SYSMENU) SetWindowLongW(window_, GWL_STYLE, style & ~WS_SYSMENU);
}

void TsSkinProvider::RemoveSkin() {
  if (!prepared_) return;
  prepared_ = false;
  skinFade_.reset();
  sections_ = {};
  captionIndex_ = -1;
  title_.Reset();
  adapters_.reset();
  data_.Data().EmptyCache();
  if (gone_ || !IsWindow(window_)) return;
  if (hadSystemMenu_) SetWindowLongW(window_, GWL_STYLE, Style(window_) | WS_SYSMENU);
  SetWindowRgn(window_, nullptr, FALSE);
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window_, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool TsSkinProvider::FrameImageReady() {
  if (!prepared_) Prepare();
  if (!prepared_) return false;
  if (data_.Data().CacheStale || data_.Data().CacheEmpty()) RebuildFrameImage();
  return !data_.Data().CacheStale;
}

void TsSkinProvider::RebuildFrameImage() {
  TsCommonData& data = data_.Data();
  data.PrepareCacheImage();
  const auto* cache = static_cast<const DibCache*>(data.Cache());
  if (!cache || cache->Pixels().Empty()) return;
  const FrameGeometry g = Geometry();
  ComposeFrameImage(cache->Pixels(), *data.Skin(), sections_, drawActive_, TopBandHeight(g));
  title_.DrawTitleBand(*cache, {sections_.Title, captionIndex_}, captionFont_.get());
  data.CacheStale = false;
}

const DibCache* TsSkinProvider::FreshFrameImage() {
  return FrameImageReady() ? static_cast<const DibCache*>(data_.Data().Cache()) : nullptr;
}

void TsSkinProvider::PaintNonClient() {
  if (!IsWindowVisible(window_) || (animTimer_ && animTimer_->Running())) return;
  if (regionDirty_) UpdateRegion();
  if (!FrameImageReady()) return;
  const auto* cache = static_cast<const DibCache*>(data_.Data().Cache());
  const ui::WindowFrameDc dc(window_);
  for (const Rect& r : NonClientStrips(Geometry()))
    BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), cache->Dc(), r.Left, r.Top, SRCCOPY);
}

bool TsSkinProvider::EraseClient(HDC dc) {
  if (!IsWindowVisible(window_) || !FrameImageReady()) return false;
  RECT client;
  GetClientRect(window_, &client);
  const FramePoint offset = ClientOffset(Geometry());
  data_.CopyCacheToDC(dc, {offset.X, offset.Y}, client);
  return true;
}

void TsSkinProvider::UpdateRegion() {
  const FrameGeometry g = Geometry();
  if (!prepared_ || g.Width <= 0 || g.Height <= 0) return;
  regionDirty_ = false;
  ui::UniqueRegion region(CreateRectRgn(0, 0, g.Width, g.Height));
  for (const Rect& r : FrameCornerRects(*data_.Data().Skin(), sections_, g.Width, g.Height)) {
    const ui::UniqueRegion corner(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(region.get(), region.get(), corner.get(), RGN_DIFF);
  }
  // The window owns the region once it has taken it.
  if (SetWindowRgn(window_, region.get(), IsWindowVisible(window_))) region.release();
}

// The platform repaints its own caption on activation unless told not to; the frame paints
// the new state itself.
LRESULT TsSkinProvider::Activate(WPARAM wParam) {
  if (!prepared_) Prepare();
  const bool active = wParam != 0;
  if (active != drawActive_) {
    drawActive_ = active;
    data_.Data().CacheStale = true;
  }
  const LRESULT result = DefSubclassProc(window_, WM_NCACTIVATE, wParam, -1);
  PaintNonClient();
  return result;
}

// Messages whose default handling draws the platform's caption run with the window marked
// hidden, so nothing reaches the screen; the frame then paints its own.
LRESULT TsSkinProvider::WithoutPlatformCaption(UINT message, WPARAM wParam, LPARAM lParam) {
  const LONG style = Style(window_);
  const bool visible = (style & WS_VISIBLE) != 0;
  if (visible) SetWindowLongW(window_, GWL_STYLE, style & ~WS_VISIBLE);
  const LRESULT result = DefSubclassProc(window_, message, wParam, lParam);
  if (visible) SetWindowLongW(window_, GWL_STYLE, Style(window_) | WS_VISIBLE);
  data_.Data().CacheStale = true;
  PaintNonClient();
  return result;
}

LRESULT TsSkinProvider::HitTest(LPARAM lParam) {
  RECT w;
  GetWindowRect(window_, &w);
  const POINT p{short(LOWORD(lParam)) - w.left, short(HIWORD(lParam)) - w.top};
  const FrameGeometry g = Geometry();
  if (p.x < 0 || p.y < 0 || p.x >= g.Width || p.y >= g.Height) return HTNOWHERE;
  const FramePoint client = ClientOffset(g);
  if (p.x >= client.X && p.x < client.X + g.ClientWidth && p.y >= client.Y &&
      p.y < client.Y + g.ClientHeight) {
    return HTCLIENT;
  }
  if (const auto title = title_.TitleHitTest({short(LOWORD(lParam)), short(HIWORD(lParam))}))
    return *title;
  if (g.Caption > 0 && p.y >= g.Border && p.y < TopBandHeight(g) && p.x >= g.Border &&
      p.x < g.Width - g.Border) {
    return HTCAPTION;
  }
  return HTBORDER;
}

std::optional<LRESULT> TsSkinProvider::React(UINT message, WPARAM wParam, LPARAM lParam) {
  if (gone_ || !Skinned()) return std::nullopt;
  // The title band may carry out a command that destroys the window, and this frame with it.
  if (prepared_)
    if (const auto answer = title_.React(message, wParam, lParam)) return answer;
  switch (message) {
    case WM_NCPAINT:
      PaintNonClient();
      return 0;
    case WM_NCACTIVATE:
      return Activate(wParam);
    case WM_NCHITTEST:
      if (!prepared_) Prepare();
      return HitTest(lParam);
    case WM_ERASEBKGND:
      if (EraseClient(reinterpret_cast<HDC>(wParam))) return 1;
      break;
    case WM_PRINTCLIENT:
      return 0;
    case WM_CTLCOLORSTATIC:
      if (const auto brush = IconBackground(reinterpret_cast<HDC>(wParam),
                                            reinterpret_cast<HWND>(lParam)))
        return *brush;
      break;
    case WM_SETTEXT:
    case WM_SETICON:
      return WithoutPlatformCaption(message, wParam, lParam);
    case WM_SIZE:
      // Glows stand over the form in windows of their own: whatever hides or minimises the
      // form, with an animation or without, would otherwise leave them on the desktop.
      if (wParam == SIZE_MINIMIZED) FreeAllGlows();
      data_.Data().CacheStale = true;
      regionDirty_ = true;
      if (prepared_) UpdateRegion();
      break;
    case WM_ENABLE:
      // A disabled form shows its title buttons faded.
      data_.Data().CacheStale = true;
      PaintNonClient();
      break;
    case WM_PARENTNOTIFY:
      if (LOWORD(wParam) == WM_CREATE && prepared_) AdaptControls();
      break;
    case WM_SHOWWINDOW:
      if (wParam && prepared_ && regionDirty_) UpdateRegion();
      break;
    case WM_WINDOWPOSCHANGING:
      WindowPosChanging(*reinterpret_cast<const WINDOWPOS*>(lParam));
      break;
    case WM_WINDOWPOSCHANGED:
      if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) {
        FreeAllGlows();
        PlayHide();
      }
      break;
    case WM_CLOSE:
      return Close(wParam, lParam);
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_MINIMIZE && !IsIconic(window_) && MinimiseAnimated())
        return Minimise(wParam, lParam);
      break;
    case WM_STYLECHANGED:
      // Something gave the window its system menu again: the platform would draw its buttons.
      if (wParam == WPARAM(GWL_STYLE) && prepared_ &&
          (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & WS_SYSMENU)) {
        RemoveSystemMenuStyle();
        data_.Data().CacheStale = true;
      }
      break;
    default: break;
  }
  return std::nullopt;
}

// Without desktop composition a newer platform shows no layered overlay well: its own animation
// plays instead.
bool TsSkinProvider::MinimiseAnimated() const {
  const TacSkinEffects* effects = animations_.Effects;
  const TacAnimEffects* settings = animations_.Settings;
  if (!effects || !settings || !effects->AllowAnimation || !settings->Minimizing.Active)
    return false;
  return !IsWindowsVistaOrGreater() || CompositionOn();
}

// The form's look is taken while it still shows; the platform then minimises it with its own
// animation off, and only then is the target asked for, so that a notification icon the
// minimise brings up can be the target.
LRESULT TsSkinProvider::Minimise(WPARAM wParam, LPARAM lParam) {
  if (animTimer_ && animTimer_->Running() && !animTimer_->Restoring())
    return DefSubclassProc(window_, WM_SYSCOMMAND, wParam, lParam);
  animTimer_ = std::make_unique<TacMinTimer>(window_);
  animTimer_->OnMinimised = [this] {
    title_.MouseLeft();
    SendMessageW(window_, WM_NCPAINT, 1, 0);
  };
  RECT w{};
  GetWindowRect(window_, &w);
  const Rect before{w.left, w.top, w.right, w.bottom};
  // Before the look is taken: no glow or title button's look flies with it.
  FreeAllGlows();
  title_.DropOverlays();
  std::vector<Rect> corners;
  if (prepared_ && data_.Data().Skin())
    corners = FrameCornerRects(*data_.Data().Skin(), sections_, before.Width(), before.Height());
  const bool taken = animTimer_->TakeImage(corners);
  LRESULT result;
  {
    const PlatformAnimationPause pause;
    result = DefSubclassProc(window_, WM_SYSCOMMAND, wParam, lParam);
  }
  if (gone_) return result;
  const auto target = taken ? MinimiseTarget(window_, before) : std::nullopt;
  if (target)
    animTimer_->StartMinimise(animations_.Settings->Minimizing.Time, *target);
  else
    animTimer_.reset();
  return result;
}

void TsSkinProvider::StartRestore() {
  if (!MinimiseAnimated() || !animTimer_->StartRestore()) animTimer_.reset();
}

void TsSkinProvider::WindowPosChanging(const WINDOWPOS& position) {
  // A restore shows the window without a show notification: the flight back starts here.
  if ((position.flags & SWP_SHOWWINDOW) && animTimer_ && animTimer_->Minimised()) StartRestore();
  if (!(position.flags & SWP_HIDEWINDOW)) return;
  // The look as it shows, a skin change's fade included; the fade has nothing left to cover.
  KeepHideImage();
  skinFade_.reset();
}

std::optional<FormAnimation> TsSkinProvider::HidePlan() const {
  if (kind_ != Kind::Form || !animations_.Effects || !animations_.Settings) return std::nullopt;
  return PlanFormHide({*animations_.Effects, *animations_.Settings, allowAnimation_});
}

// Taken from the screen while the form still shows, controls and all, without the cut-out
// corners. A minimised form, or one in its minimise flight, keeps nothing: the flight is its
// animation.
void TsSkinProvider::KeepHideImage() {
  if (!hideImage_.Empty() || (Style(window_) & WS_CHILD) || !IsWindowVisible(window_) ||
      IsIconic(window_) || (animTimer_ && animTimer_->Running()) || !HidePlan())
    return;
  GetWindowRect(window_, &hideRect_);
  hideImage_ = ScreenImage(hideRect_);
  if (hideImage_.Empty() || !prepared_ || !data_.Data().Skin()) return;
  for (const Rect& corner :
       FrameCornerRects(*data_.Data().Skin(), sections_, hideImage_.Width, hideImage_.Height))
    PaintSolid32(PixelRows(hideImage_), corner, 0, 0);
}

void TsSkinProvider::PlayHide() {
  if (hideImage_.Empty()) return;
  Image32 image = std::move(hideImage_);
  hideImage_ = {};
  const auto plan = HidePlan();
  if (!plan) return;
  const bool topmost = (GetWindowLongW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  TacHideTimer::Instance().AnimateWindowHide(std::move(image), {hideRect_.left, hideRect_.top},
                                             plan->TimeMs, plan->Kind, FormAlpha(window_),
                                             topmost);
}

// The look is kept before the close goes on, as the close may destroy the form and this frame;
// a close that was refused leaves the form showing, and its look is not kept for a later hide.
LRESULT TsSkinProvider::Close(WPARAM wParam, LPARAM lParam) {
  KeepHideImage();
  const HWND window = window_;
  const LRESULT result = DefSubclassProc(window, WM_CLOSE, wParam, lParam);
  if (IsWindow(window) && IsWindowVisible(window)) hideImage_ = {};
  return result;
}

void TsSkinProvider::PrepareSkinFade() {
  if (gone_ || !prepared_ || (skinFade_ && skinFade_->Showing())) return;
  skinFade_.reset();
  if (!animations_.Effects || !animations_.Settings || (animTimer_ && animTimer_->Running()))
    return;
  const auto plan =
      PlanSkinChange({*animations_.Effects, *animations_.Settings, allowAnimation_},
                     IsWindowVisible(window_) != FALSE, IsIconic(window_) != FALSE);
  if (plan) skinFade_ = std::make_unique<TacSkinFade>(window_, plan->Kind, plan->Frames);
}

void TsSkinProvider::EndSkinFade() {
  if (skinFade_ && !gone_) skinFade_->Start();
}

void TsSkinProvider::AnswerBackground(TacBgQuery& query) {
  const FramePoint offset = ClientOffset(Geometry());
  if (!FrameImageReady()) {
    query.Kind = kBgColour;
    query.Color = uint32_t(data_.Data().Skin() ? data_.Data().Skin()->MainColor() : 0xFF00000F);
    return;
  }
  const auto* cache = static_cast<const DibCache*>(data_.Data().Cache());
  query.Kind = kBgBitmap;
  if (query.PleaseDraw) {
    if (query.DC)
      BitBlt(static_cast<HDC>(query.DC), query.R.Left, query.R.Top, query.R.Width(),
             query.R.Height(), cache->Dc(), query.OffsetX + offset.X, query.OffsetY + offset.Y,
             SRCCOPY);
    return;
  }
  query.Bitmap = cache->Pixels();
  query.OffsetX += offset.X, query.OffsetY += offset.Y;
}

// An icon static (a message box's) fills its rectangle with the brush its parent answers before
// it draws the icon: the frame's own background is drawn there first and the brush is hollow, so
// no square of the platform's colour shows round the icon.
std::optional<LRESULT> TsSkinProvider::IconBackground(HDC dc, HWND control) {
  if (!dc || !control || GetParent(control) != window_ ||
      (GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) != SS_ICON || !FrameImageReady())
    return std::nullopt;
  RECT r;
  GetClientRect(control, &r);
  POINT origin{0, 0};
  MapWindowPoints(control, window_, &origin, 1);
  TacBgQuery query;
  query.PleaseDraw = true;
  query.DC = dc;
  query.R = {0, 0, r.right, r.bottom};
  query.OffsetX = origin.x, query.OffsetY = origin.y;
  AnswerBackground(query);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

std::optional<intptr_t> TsSkinProvider::Command(const EngineMessage& message) {
  using C = EngineCommand;
  // A dialog's frame is the only receiver of a skin change in its window: its controls hear it
  // through the frame, after it.
  const auto passOn = [&](std::optional<intptr_t> answer) {
    if (kind_ == Kind::Dialog && !gone_) data_.SendToChildren(message);
    return answer;
  };
  switch (message.Command) {
    case C::NewSkin:
      prepared_ = false;
      Prepare();
      if (!gone_) RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
      return passOn(0);
    case C::RemoveSkin:
      RemoveSkin();
      return passOn(std::nullopt);
    case C::StopAnimation:
      data_.Data().StopFade();
      return passOn(0);
    case C::Refresh:
      data_.Data().CacheStale = true;
      regionDirty_ = true;
      if (!gone_ && IsWindowVisible(window_))
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
      return passOn(0);
    case C::AdaptChildren:
      if (prepared_) AdaptControls();
      return 0;
    case C::MouseLeft:
      title_.MouseLeft();
      return 0;
    case C::GetProvider:
      return reinterpret_cast<intptr_t>(this);
    case C::PrepareCache:
      if (!TsSkinManager::SkinIsChanging() && !data_.Data().Updating) RebuildFrameImage();
      return 0;
    case C::GetBackground:
      if (message.Argument) AnswerBackground(*reinterpret_cast<TacBgQuery*>(message.Argument));
      return 0;
    case C::GetClientOffset: {
      const FramePoint offset = ClientOffset(Geometry());
      return intptr_t(MAKELONG(offset.X, offset.Y));
    }
    default: return std::nullopt;
  }
}

}  // namespace velmora::skin
