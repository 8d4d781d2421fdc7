#include "skin/controls/win32/radio_button.h"

#include <utility>

#include "skin/controls/adapter_paint.h"
#include "skin/controls/cache_image.h"
#include "skin/controls/state_fade.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/window_painting.h"
#include "skin/data/skin_registry.h"
#include "skin/paint/focus_frame.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kRadioKind = 33;

}  // namespace

TsRadioButton::TsRadioButton(ui::RadioButton& button, const ui::ChildPlacement& placement)
    : CheckableView(button, placement),
      skinned_(handle_, nullptr, kRadioKind, false),
      subclass_(handle_, Procedure, this) {
  skinned_.OwnCommands = [this](const EngineMessage& m) { return Command(m); };
  skinned_.Data().Initialize(true);
}

LRESULT CALLBACK TsRadioButton::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
  auto* radio = reinterpret_cast<TsRadioButton*>(self);
  if (message == WM_NCDESTROY) radio->subclass_.Remove();
  else if (const auto answer = radio->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

void TsRadioButton::Repaint() {
  skinned_.Data().StopFade();
  skinned_.Data().RequestRepaint(true);
}

// The cache shows what the window shows: the fade starts from it.
void TsRadioButton::ShowState(int32_t kind) {
  skinned_.Data().CacheStale = false;
  StartStateFade(skinned_.Data(), kind, nullptr, false, false, true);
}

std::optional<LRESULT> TsRadioButton::React(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = skinned_.Data();
  if (!data.IsSkinned()) return std::nullopt;
  const bool enabled = IsWindowEnabled(handle_);
  if (mouse_.Entered(handle_, message) && enabled) data.MouseOver = true, ShowState(kFadeToHot);
  if (mouse_.Left(message) && enabled) data.MouseOver = false, ShowState(kFadeToNormal);
  switch (message) {
    case WM_PAINT:
      return PaintWindow(handle_, [&](HDC dc, const RECT&) {
        if (!skinned_.PaintFadeImage(dc) && !data.Updating) Paint(dc);
      });
    case WM_PRINTCLIENT:
      data.Updating = false;
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case BM_SETSTATE: return 1;
    case WM_ENABLE:
      if (!wParam) EndPress(false);
      Repaint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled && !ReadOnly) BeginPress(Press::Mouse);
      return 0;
    case WM_MOUSEMOVE:
      if (press_ == Press::Mouse && ClientContains(handle_, lParam) != inside_) inside_ = !inside_, Repaint();
      break;
    case WM_LBUTTONUP:
      if (press_ == Press::Mouse) EndPress(ClientContains(handle_, lParam));
      return 0;
    case WM_CAPTURECHANGED:
      if (press_ == Press::Mouse) EndPress(false);
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (wParam != VK_SPACE) break;
      if (message == WM_KEYDOWN && enabled && !ReadOnly && press_ == Press::None)
        BeginPress(Press::Key);
      else if (message == WM_KEYUP && press_ == Press::Key)
        EndPress(true);
      return 0;
    case WM_KILLFOCUS:
      EndPress(false);
      [[fallthrough]];
    case WM_SETFOCUS:
    case BM_SETCHECK:
    case WM_SETTEXT: {
      const LRESULT result = DefSubclassProc(handle_, message, wParam, lParam);
      Repaint();
      return result;
    }
    default: break;
  }
  return std::nullopt;
}

// The platform never sees the press: the button takes the focus and the mouse itself, and the
// click is its own on release.
void TsRadioButton::BeginPress(Press how) {
  press_ = how;
  inside_ = true;
  if (GetFocus() != handle_) SetFocus(handle_);
  if (how == Press::Mouse) SetCapture(handle_);
  Repaint();
}

void TsRadioButton::EndPress(bool click) {
  const Press was = press_;
  if (was == Press::None) return;
  press_ = Press::None;
  if (was == Press::Mouse && GetCapture() == handle_) ReleaseCapture();
  // The platform's click notification: the form checks this button and runs its handler.
  if (click && !ReadOnly)
    SendMessageW(GetParent(handle_), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(handle_), BN_CLICKED),
                 reinterpret_cast<LPARAM>(handle_));
  Repaint();
}

std::optional<intptr_t> TsRadioButton::Command(const EngineMessage& message) {
  TsCommonData& data = skinned_.Data();
  switch (message.Command) {
    case EngineCommand::DefaultSectionIndex: {
      const SkinRegistry* skin = data.Skin();
      return skin ? skin->GetSkinIndex("CHECKBOX") + 1 : 0;
    }
    case EngineCommand::PrepareCache: return BuildCache(), 0;
    default: return std::nullopt;
  }
}

bool TsRadioButton::BuildCache() {
  TsCommonData& data = skinned_.Data();
  const SkinRegistry* skin = data.Skin();
  if (!skin || !data.IsSkinned()) return false;
  const bool checked = (SendMessageW(handle_, BM_GETCHECK, 0, 0) & BST_CHECKED) != 0;
  const int32_t mask = skin->Indexes().RadioGlyphs[checked ? 1 : 0];
  const Size2 glyph = skin->IsValidMaskIndex(mask)
                          ? Size2{skin->Masks()[size_t(mask)].FrameWidth,
                                  skin->Masks()[size_t(mask)].FrameHeight}
                          : Size2{16, 16};
  RECT client;
  GetClientRect(handle_, &client);
  const int32_t width = client.right, height = client.bottom;
  const Rect at = RadioGlyphRect(width, height, glyph, Layout);
  CacheLayers layers{.GlyphMask = mask, .GlyphX = at.Left, .GlyphY = at.Top,
                     .GlyphState = RadioGlyphState(PressedLook(), data.CurrentState(), ReadOnly),
                     .Disabled = !IsWindowEnabled(handle_)};
  const std::wstring text = WindowText(handle_);
  if (!text.empty()) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(handle_, WM_GETFONT, 0, 0));
    const HDC dc = GetDC(handle_);
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT measured{0, 0, RadioTextWidth(width, glyph, Layout), 0};
    DrawTextW(dc, text.c_str(), int(text.size()), &measured, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, previous);
    ReleaseDC(handle_, dc);
    const Rect place = RadioCaptionRect(
        width, height, glyph, {int32_t(measured.right), int32_t(measured.bottom)}, Layout);
    CaptionPainter caption =
        ControlCaption(skinned_, {text, font, place, DT_LEFT | DT_SINGLELINE, true});
    if (ShowFocus && GetFocus() == handle_)
      caption = [caption, place, colour = FocusFrameColour(*skin, data.SectionIndex, 2)](
                    CacheSurface& cache, int32_t state) {
        caption(cache, state);
        DrawFocusFrame(cache.Pixels(), RadioFocusRect(place), colour);
      };
    layers.Caption = std::move(caption);
  }
  data.CacheStale = true;
  return RebuildCache(data, layers);
}

void TsRadioButton::Paint(HDC dc) {
  TsCommonData& data = skinned_.Data();
  if (!BuildCache()) return;
  const auto& cache = static_cast<const DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  BitBlt(dc, 0, 0, pixels.Width, pixels.Height, cache.Dc(), 0, 0, SRCCOPY);
}

}  // namespace velmora::skin
