#include "skin/frame/win32/title_bar.h"

#include <algorithm>
#include <string>

#include "skin/paint/blend.h"
#include "skin/paint/section_paint.h"
#include "skin/paint/win32/text_output.h"

namespace velmora::skin {
namespace {

constexpr UINT kShowSystemMenuRequest = 0x313;
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT;

BorderStyle BorderOf(LONG style, LONG exStyle) {
  if (exStyle & WS_EX_TOOLWINDOW)
    return style & WS_THICKFRAME ? BorderStyle::SizeToolWin : BorderStyle::ToolWindow;
  if (style & WS_THICKFRAME) return BorderStyle::Sizeable;
  if (exStyle & WS_EX_DLGMODALFRAME) return BorderStyle::Dialog;
  if (style & (WS_BORDER | WS_DLGFRAME)) return BorderStyle::Single;
  return BorderStyle::None;
}

HICON SmallIcon(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  return icon;
}

std::wstring WindowText(HWND window) {
  std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
  return text;
}

POINT ScreenPoint(LPARAM lParam) { return {short(LOWORD(lParam)), short(HIWORD(lParam))}; }

bool IsButtonCode(WPARAM code) {
  return code == kHitClose || code == kHitMaximize || code == kHitMinimize || code == kHitHelp;
}

}  // namespace

TitleBar::TitleBar(HWND window, TitleOwner& owner)
    : window_(window),
      owner_(owner),
      systemMenu_((GetWindowLongW(window, GWL_STYLE) & WS_SYSMENU) != 0),
      menu_(window) {}

TitleForm TitleBar::FormFacts() const {
  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  const LONG exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
  TitleForm f;
  f.Border = BorderOf(style, exStyle);
  f.SystemMenu = systemMenu_;
  f.Minimize = (style & WS_MINIMIZEBOX) != 0;
  f.Maximize = (style & WS_MAXIMIZEBOX) != 0;
  f.Help = (exStyle & WS_EX_CONTEXTHELP) != 0;
  f.State = IsIconic(window_)  ? WindowState::Minimised
            : IsZoomed(window_) ? WindowState::Maximised
                                : WindowState::Normal;
  f.MdiChild = (exStyle & WS_EX_MDICHILD) != 0;
  f.MainForm = GetWindow(window_, GW_OWNER) == nullptr;
  f.CloseItemEnabled = menu_.CloseItemEnabled(systemMenu_);
  f.Enabled = IsWindowEnabled(window_) != FALSE;
  return f;
}

void TitleBar::Layout(const SkinRegistry& skin, const FrameGeometry& g) {
  form_ = FormFacts();
  AssignButtonSlots(buttons_, form_);
  metrics_ = {g.Width, g.Border, g.Caption, GetSystemMetrics(SM_CXFRAME)};
  layout_ = LayoutTitle(buttons_, form_, metrics_, skin);
}

void TitleBar::DrawTitleBand(const DibCache& cache, TitleSections sections, HFONT font) {
  const SkinRegistry* skin = owner_.Skin();
  const FrameGeometry g = owner_.Geometry();
  background_ = {};
  if (!skin || g.Caption <= 0) return;
  Layout(*skin, g);
  DrawIcon(cache);
  DrawCaption(cache, *skin, sections, font);
  background_ = SaveButtonsBackground(cache.Pixels(), ButtonsBackgroundRect(layout_, metrics_));
  TitleButtons drawn = buttons_;
  if (Overlaid())  // the overlays show the other looks; the frame keeps the buttons at rest
    for (TsTitleButton& b : drawn) b.State = 0;
  DrawTitleButtons(cache.Pixels(), *skin, drawn, owner_.TitleActive(), form_.Enabled);
}

void TitleBar::DrawIcon(const DibCache& cache) {
  const Rect r = layout_.IconRect;
  if (IsEmpty(r)) return;
  const PixelView frame = cache.Pixels();
  Image32 saved = MakeImage(r.Width(), r.Height());
  BlockCopy(PixelRows(saved), 0, 0, frame, r);
  DrawIconEx(cache.Dc(), r.Left, r.Top, SmallIcon(window_), r.Width(), r.Height(), 0, nullptr,
             DI_NORMAL);
  GdiFlush();
  OpaqueChangedPixels(frame, PixelRows(saved), r);
}

void TitleBar::DrawCaption(const DibCache& cache, const SkinRegistry& skin, TitleSections sections,
                           HFONT font) {
  const std::wstring text = WindowText(window_);
  const Rect room = CaptionTextRoom(layout_, metrics_, skin, sections.Caption >= 0);
  if (text.empty() || room.Right <= room.Left) return;
  RECT measured{room.Left, 0, room.Right, 0};
  {
    const ui::SavedDcState state(cache.Dc());
    if (font) SelectObject(cache.Dc(), font);
    // Measured without vertical centring, which makes the platform report half the height.
    DrawTextW(cache.Dc(), text.c_str(), int(text.size()), &measured,
              (kCaptionFormat & ~UINT(DT_VCENTER)) | DT_CALCRECT);
  }
  const int32_t height = measured.bottom - measured.top;
  const int32_t top = layout_.CentreLine - height / 2;
  const Rect rect{room.Left, top, room.Right, top + height};
  const bool active = owner_.TitleActive();
  int32_t textSection = sections.Title;
  if (skin.IsValidSkinIndex(sections.Caption)) {
    const Rect behind{rect.Left - 4, rect.Top - 2,
                      std::min<int32_t>(measured.right, rect.Right) + 4, rect.Bottom + 2};
    PaintSection({cache.Pixels(), behind, ClampedState(skin, sections.Caption, active ? 1 : 0),
                  ParentFromBitmap(cache.Pixels(), 0, 0)},
                 &skin, sections.Caption);
    textSection = sections.Caption;
  }
  const TextCanvas canvas{cache.Pixels(), cache.Dc(), font, 0};
  DrawCaptionGlow(canvas, skin, textSection, active ? 1 : 0, text, rect);
  DrawSectionText(canvas, text, form_.Enabled, &skin, active ? 1 : 0, textSection, kCaptionFormat,
                  rect);
}

// The section's glow under the caption, free to reach beyond the text's line. Each of the active
// and inactive looks keeps its mask until the caption, its font or its size changes.
void TitleBar::DrawCaptionGlow(const TextCanvas& canvas, const SkinRegistry& skin, int32_t section,
                               int32_t state, std::wstring_view text, const Rect& rect) {
  if (!skin.IsValidSkinIndex(section)) return;
  const int32_t shown = std::clamp(ClampedState(skin, section, state), 0, 2);
  const TsGenState& look = skin.Sections()[size_t(section)].Props[size_t(shown)];
  if (look.GlowSize <= 0) return;
  DrawTextGlow(canvas, text, rect, captionGlows_[size_t(state)], uint32_t(look.GlowColor),
               look.GlowSize, kGlowAll, kCaptionFormat, canvas.Pixels.Bounds());
}

TsTitleButton* TitleBar::ButtonOf(int32_t code) {
  for (TsTitleButton& b : buttons_)
    if (code > 0 && b.HitCode == code && !IsEmpty(b.Rect)) return &b;
  return nullptr;
}

std::optional<int32_t> TitleBar::HitCodeAt(POINT screen) {
  RECT w;
  GetWindowRect(window_, &w);
  return skin::TitleHitTest(buttons_, layout_, form_, screen.x - w.left, screen.y - w.top);
}

bool TitleBar::UpdateLayout() {
  const SkinRegistry* skin = owner_.Skin();
  const FrameGeometry g = owner_.Geometry();
  if (!skin || g.Caption <= 0) return false;
  Layout(*skin, g);
  return true;
}

std::optional<LRESULT> TitleBar::TitleHitTest(POINT screen) {
  if (!UpdateLayout()) return std::nullopt;
  return HitCodeAt(screen);
}

bool TitleBar::Overlaid() const {
  const TacSkinEffects* effects = owner_.Effects();
  return effects && effects->AllowGlowing && !form_.MdiChild &&
         !(GetWindowLongW(window_, GWL_STYLE) & WS_CHILD);
}

void TitleBar::Fade(const TsTitleButton& button) {
  const SkinRegistry* skin = owner_.Skin();
  if (!owner_.FreshFrameImage() || !skin || IsEmpty(button.Rect)) return;
  std::unique_ptr<TitleButtonOverlay>& overlay = overlays_[size_t(&button - buttons_.data())];
  if (button.State == 0 && !overlay) return;
  if (!overlay) overlay = std::make_unique<TitleButtonOverlay>(window_);
  RECT w;
  GetWindowRect(window_, &w);
  Image32 look;
  if (button.State != 0)
    look = TitleButtonLook(background_, *skin, button, owner_.TitleActive(), form_.Enabled);
  overlay->FadeTo(button.State, owner_.Effects()->AllowAnimation, std::move(look),
                  {w.left + button.Rect.Left, w.top + button.Rect.Top});
}

// Only the button that changes is drawn again, over the background saved behind the buttons.
void TitleBar::Redraw(const TsTitleButton& button) {
  if (Overlaid()) return Fade(button);
  const DibCache* cache = owner_.FreshFrameImage();
  const SkinRegistry* skin = owner_.Skin();
  if (!cache || !skin || IsEmpty(button.Rect)) return;
  RedrawTitleButton(cache->Pixels(), background_, *skin, button, owner_.TitleActive(),
                    form_.Enabled);
  const Rect& r = button.Rect;
  const ui::WindowFrameDc dc(window_);
  BitBlt(dc.Get(), r.Left, r.Top, r.Width(), r.Height(), cache->Dc(), r.Left, r.Top, SRCCOPY);
}

void TitleBar::SetHotButton(int32_t code) {
  if (code == hotCode_) return;
  if (TsTitleButton* old = ButtonOf(hotCode_)) {
    old->State = 0;
    Redraw(*old);
  }
  hotCode_ = code;
  TsTitleButton* hot = pressed_ ? nullptr : ButtonOf(code);
  if (!hot) return;
  hot->State = 1;
  Redraw(*hot);
  TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE | TME_NONCLIENT, window_, 0};
  TrackMouseEvent(&leave);
}

// A button whose command is not allowed now is not pressed at all. The press holds the mouse, so
// its release is seen wherever it happens.
void TitleBar::PressButton(int32_t code) {
  if (TsTitleButton* old = ButtonOf(hotCode_); old && hotCode_ != code) {
    old->State = 0;
    Redraw(*old);
  }
  const TitleButtonRules rules = ButtonRules(form_);
  const bool allowed = code == kHitClose      ? rules.CloseEnabled
                       : code == kHitMaximize ? rules.MaxEnabled || rules.RestoreEnabled
                                              : true;
  TsTitleButton* button = ButtonOf(code);
  if (!allowed || !button) {
    hotCode_ = 0;
    return;
  }
  hotCode_ = pressedCode_ = code;
  pressed_ = true;
  button->State = 2;
  Redraw(*button);
  capturing_ = true;
  SetCapture(window_);
}

// While held, the pressed look follows the pointer on and off the button.
void TitleBar::TrackPress(POINT screen) {
  TsTitleButton* button = ButtonOf(pressedCode_);
  const int32_t state = HitCodeAt(screen) == pressedCode_ ? 2 : 0;
  if (!button || button->State == state) return;
  button->State = state;
  Redraw(*button);
}

void TitleBar::EndPress() {
  pressed_ = false;
  if (capturing_) {
    capturing_ = false;
    ReleaseCapture();
  }
  if (TsTitleButton* button = ButtonOf(pressedCode_); button && button->State != 0) {
    button->State = 0;
    Redraw(*button);
  }
  pressedCode_ = hotCode_ = 0;
}

std::optional<LRESULT> TitleBar::LeftDown(int32_t code) {
  if (!UpdateLayout()) return std::nullopt;
  if (code == kHitSystemMenu) {
    SetHotButton(0);
    pressed_ = false;
    return ShowSystemMenuUnderIcon(2 * metrics_.Border);
  }
  if (IsButtonCode(WPARAM(code))) {
    PressButton(code);
    return 0;
  }
  SetHotButton(0);
  return std::nullopt;
}

// A command runs only when the button is released over the button that was pressed.
std::optional<LRESULT> TitleBar::LeftUp(POINT screen) {
  if (!pressed_) return std::nullopt;
  const int32_t code = pressedCode_;
  UpdateLayout();
  const bool over = HitCodeAt(screen) == code;
  EndPress();
  return over ? Act(code) : 0;
}

LRESULT TitleBar::Act(int32_t code) {
  switch (code) {
    case kHitClose: SendCommand(SC_CLOSE); break;
    case kHitMinimize:
      SendCommand(form_.State == WindowState::Minimised && !form_.MainForm ? SC_RESTORE
                                                                           : SC_MINIMIZE);
      break;
    case kHitMaximize:
      SendCommand(form_.State == WindowState::Maximised ? SC_RESTORE : SC_MAXIMIZE);
      break;
    case kHitHelp: SendCommand(SC_CONTEXTHELP); break;
    default: break;
  }
  return 0;
}

std::optional<LRESULT> TitleBar::DoubleClick(int32_t code) {
  if (!UpdateLayout()) return std::nullopt;
  if (code == kHitSystemMenu) {
    SendCommand(SC_CLOSE);
    return 0;
  }
  if (code != kHitCaption) return std::nullopt;
  const TitleButtonRules rules = ButtonRules(form_);
  const bool restoring = form_.State != WindowState::Normal;
  if (form_.SystemMenu && (rules.MaxEnabled || rules.RestoreEnabled))
    SendCommand(restoring ? SC_RESTORE : SC_MAXIMIZE);
  else if (form_.State == WindowState::Minimised)
    SendCommand(SC_RESTORE);
  return 0;
}

bool TitleBar::SendCommand(UINT command) {
  const std::weak_ptr<bool> alive = life_;
  SendMessageW(window_, WM_SYSCOMMAND, command, 0);
  return !alive.expired();
}

// Commands of the program's own items are posted, the window commands carried out at once.
LRESULT TitleBar::ShowSystemMenu(int x, int y) {
  const UINT command = menu_.ShowSystemMenu(FormFacts(), x, y);
  if (command >= SC_SIZE && command <= 0xF1FF)
    SendCommand(command);
  else if (command)
    PostMessageW(window_, WM_SYSCOMMAND, command, 0);
  return 0;
}

LRESULT TitleBar::ShowSystemMenuAtCursor() {
  UpdateLayout();
  POINT cursor;
  GetCursorPos(&cursor);
  return ShowSystemMenu(cursor.x, cursor.y);
}

LRESULT TitleBar::ShowSystemMenuUnderIcon(int32_t below) {
  RECT w;
  GetWindowRect(window_, &w);
  return ShowSystemMenu(w.left + metrics_.Border, w.top + below + layout_.IconRect.Height());
}

std::optional<LRESULT> TitleBar::React(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCMOUSEMOVE:
      if (!form_.Enabled) return std::nullopt;
      if (IsButtonCode(wParam)) {
        SetHotButton(int32_t(wParam));
        return 0;
      }
      SetHotButton(0);
      return std::nullopt;
    case WM_MOUSEMOVE:
      if (capturing_) {
        POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
        ClientToScreen(window_, &p);
        TrackPress(p);
        return 0;
      }
      if (hotCode_) SetHotButton(0);
      return std::nullopt;
    case WM_NCMOUSELEAVE:
      if (!capturing_) MouseLeft();
      return std::nullopt;
    case WM_NCLBUTTONDOWN: return LeftDown(int32_t(wParam));
    case WM_NCLBUTTONUP: return LeftUp(ScreenPoint(lParam));
    case WM_LBUTTONUP:
      if (!capturing_) return std::nullopt;
      {
        POINT p{short(LOWORD(lParam)), short(HIWORD(lParam))};
        ClientToScreen(window_, &p);
        return LeftUp(p);
      }
    case WM_CAPTURECHANGED:
      if (capturing_ && reinterpret_cast<HWND>(lParam) != window_) {
        capturing_ = false;
        EndPress();
      }
      return std::nullopt;
    case WM_NCLBUTTONDBLCLK: return DoubleClick(int32_t(wParam));
    case WM_NCRBUTTONDOWN:
      rightPressed_ = wParam == kHitCaption || wParam == kHitSystemMenu;
      if (rightPressed_) return 0;
      return std::nullopt;
    case WM_NCRBUTTONUP:
      if (!rightPressed_ || (wParam != kHitCaption && wParam != kHitSystemMenu))
        return std::nullopt;
      rightPressed_ = false;
      EndPress();
      return ShowSystemMenuAtCursor();
    case kShowSystemMenuRequest: return ShowSystemMenuAtCursor();
    case WM_WINDOWPOSCHANGED:
      if (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_HIDEWINDOW) DropOverlays();
      return std::nullopt;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == ' ' && systemMenu_ && UpdateLayout() &&
          form_.Border != BorderStyle::None)
        return ShowSystemMenuUnderIcon(metrics_.Border -
                                       (form_.State == WindowState::Minimised ? 16 : 0));
      return std::nullopt;
    default: return std::nullopt;
  }
}

void TitleBar::MouseLeft() {
  SetHotButton(0);
  pressed_ = false;
}

void TitleBar::Reset() {
  background_ = {};
  DropOverlays();
  for (TsTitleButton& b : buttons_) b.State = 0;
  hotCode_ = pressedCode_ = 0;
  pressed_ = rightPressed_ = false;
  if (capturing_) {
    capturing_ = false;
    ReleaseCapture();
  }
}

}  // namespace velmora::skin
