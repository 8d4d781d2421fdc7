#include "skin/controls/win32/check_box_wnd.h"

#include "skin/controls/adapter_paint.h"
#include "skin/controls/check_box_layout.h"
#include "skin/controls/engine_answers.h"
#include "skin/controls/paint_adjustments.h"
#include "skin/controls/win32/adapter_painting.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/window_painting.h"
#include "skin/paint/focus_frame.h"
#include "skin/paint/win32/text_output.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kCheckBoxKind = 32;
constexpr uint32_t kButtonText = 0xFF000012;

Size2 GlyphSize(const SkinRegistry& skin, int32_t mask) {
  if (!skin.IsValidMaskIndex(mask)) return {16, 16};
  const TsMaskData& m = skin.Masks()[size_t(mask)];
  return {m.FrameWidth, m.FrameHeight};
}

}  // namespace

TacCheckBoxWnd::TacCheckBoxWnd(HWND window, ManagerLink* manager, int listIndex)
    : TacMainWnd(window, manager, listIndex, kCheckBoxKind, "CHECKBOX"),
      subclass_(window, Procedure, this) {
  state_.OwnerDraw = (GetWindowLongW(window, GWL_STYLE) & kStyleTypeMask) == kStyleOwnerDraw;
  Skinned().OwnCommands = [this](const EngineMessage& m) { return Command(m); };
}

LRESULT CALLBACK TacCheckBoxWnd::Procedure(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* adapter = reinterpret_cast<TacCheckBoxWnd*>(self);
  if (message == WM_NCDESTROY) adapter->subclass_.Remove();
  else if (const auto answer = adapter->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TacCheckBoxWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = SkinData();
  if (!data.IsSkinned()) return std::nullopt;
  // An owner-drawn button keeps its owner's drawing; the skin gives it only its background.
  if (state_.OwnerDraw) {
    if (message != WM_ERASEBKGND) return std::nullopt;
    EraseOwnerDrawn(reinterpret_cast<HDC>(wParam));
    return 1;
  }
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
    case WM_NCPAINT: return 0;
    case WM_ENABLE:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case WM_SETTEXT: return StateChange(message, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return ThenPaint(message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (wParam == VK_SPACE) return ThenPaint(message, wParam, lParam);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: data.StopFade(); break;
    default: break;
  }
  return std::nullopt;
}

// The platform changes the check, the pushed state, the text or the enabling without drawing;
// then the skin paints the new state.
LRESULT TacCheckBoxWnd::StateChange(UINT message, WPARAM wParam, LPARAM lParam) {
  SkinData().StopFade();
  return ThenPaint(message, wParam, lParam);
}

// Focus and the space key change the look (focus frame, pressed glyph) after the platform.
LRESULT TacCheckBoxWnd::ThenPaint(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = WithRedrawOff(Handle(), message, wParam, lParam);
  SkinData().CacheStale = true;
  PaintNow(Handle(), SkinData(), [this] { return BuildCache(); });
  return result;
}

std::optional<intptr_t> TacCheckBoxWnd::Command(const EngineMessage& message) {
  switch (message.Command) {
    case EngineCommand::PrepareCache: return BuildCache(), 0;
    case EngineCommand::MouseEntered: return MouseEntered(), 0;
    case EngineCommand::MouseLeft: return MouseLeft(), 0;
    default: return std::nullopt;
  }
}

void TacCheckBoxWnd::MouseEntered() { ShowPointerOver(Handle(), SkinData()); }

void TacCheckBoxWnd::MouseLeft() { ShowPointerLeft(SkinData(), true); }

bool TacCheckBoxWnd::BuildCache() {
  TsCommonData& data = SkinData();
  if (!data.IsSkinned()) return false;
  data.PrepareCacheImage();
  if (state_.OwnerDraw || data.CacheEmpty()) return false;
  auto& cache = static_cast<DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  const SkinRegistry& skin = *data.Skin();
  const HWND window = Handle();
  const auto style = uint32_t(GetWindowLongW(window, GWL_STYLE));
  const auto exStyle = uint32_t(GetWindowLongW(window, GWL_EXSTYLE));
  const auto buttonState = uint32_t(SendMessageW(window, BM_GETSTATE, 0, 0));
  const Size2 glyph = GlyphSize(skin, CheckGlyphMask(skin.Indexes(), style, 1));
  const Rect glyphAt = CheckGlyphRect(pixels.Width, pixels.Height, glyph, style);
  const ManagerLink* manager = data.SkinManager();
  const POINT position = PositionInParent(window);
  WindowParent parent(GetParent(window));
  AdapterPicture picture{
      .Look = {data.SectionIndex, data.CustomColor, Skinned().Facts().Colour},
      .State = data.CurrentState(),
      .X = position.x,
      .Y = position.y,
      .Glyph = {CheckGlyphMask(skin.Indexes(), style, CheckedState(buttonState)), glyphAt.Left,
                glyphAt.Top,
                CheckGlyphState(buttonState, data.MouseOver,
                                manager && manager->Options().NoMouseHover)},
      .Disabled = !IsWindowEnabled(window),
      .ParentControl = &parent};
  const std::wstring text = WindowText(window);
  if (!text.empty()) {
    picture.Caption = [&](const PixelView&) {
      const HFONT font = ControlFont(window);
      const UINT wrap = (style & kStyleMultiLine) ? DT_WORDBREAK : DT_SINGLELINE;
      const Size2 size =
          MeasureCaption(cache.Dc(), font, text, CheckTextWidth(pixels.Width, glyph.Width), wrap);
      const CaptionPlace place =
          CheckCaptionPlace(pixels.Width, pixels.Height, glyph.Width, size, style, exStyle);
      const uint32_t colour = CaptionColour({&skin, kButtonText}, data.SectionIndex, 0,
                                            [this](SectionUnderRecord& record) {
                                              return Skinned().SendToParent(
                                                  {EngineCommand::GetSectionUnder,
                                                   reinterpret_cast<intptr_t>(&record)});
                                            });
      const TextCanvas canvas{pixels, cache.Dc(), font, ResolveColour(colour)};
      DrawSectionText(canvas, text, true, &skin, 0, -1, place.Format | wrap, place.Place);
      if (GetFocus() == window)
        DrawFocusFrame(pixels, CheckFocusRect(place.Place),
                       FocusFrameColour(skin, data.SectionIndex));
    };
  }
  ComposeAdapterImage(pixels, skin, data.ParentBackground(), picture, PaintAdjustments(data));
  data.CacheStale = false;
  return true;
}

void TacCheckBoxWnd::Paint(HDC dc) {
  if (Skinned().PaintFadeImage(dc)) return;
  if (BuildCache()) CopyCache(dc, SkinData());
}

// Only the background behind an owner-drawn button: its owner draws the rest.
void TacCheckBoxWnd::EraseOwnerDrawn(HDC dc) {
  TsCommonData& data = SkinData();
  data.PrepareCacheImage();
  if (data.CacheEmpty()) return;
  const POINT position = PositionInParent(Handle());
  const AdapterPicture picture{.Look = {data.SectionIndex, data.CustomColor, 0},
                               .X = position.x, .Y = position.y};
  ComposeAdapterImage(data.Cache()->Pixels(), *data.Skin(), data.ParentBackground(), picture);
  if (dc) return CopyCache(dc, data);
  const ui::WindowDc own(Handle());
  CopyCache(own.Get(), data);
}

}  // namespace velmora::skin
