#include "skin/controls/win32/panel_wnd.h"

#include "skin/controls/adapter_paint.h"
#include "skin/controls/engine_answers.h"
#include "skin/controls/engine_commands.h"
#include "skin/controls/paint_adjustments.h"
#include "skin/controls/win32/adapter_painting.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/window_painting.h"
#include "ui/win32/handles.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kPanelKind = 0;

int32_t TextHeight(HDC dc, HFONT font) {
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, L"Wg", 2, &size);
  SelectObject(dc, previous);
  return size.cy;
}

}  // namespace

TacPanelWnd::TacPanelWnd(HWND window, ManagerLink* manager, int listIndex, int32_t tag,
                         const PanelFrame& frame)
    : TacMainWnd(window, manager, listIndex, kPanelKind, PanelSectionName(frame)),
      state_{tag, frame},
      subclass_(window, Procedure, this) {
  Skinned().OwnCommands = [this](const EngineMessage& m) { return Command(m); };
}

LRESULT CALLBACK TacPanelWnd::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) {
  auto* adapter = reinterpret_cast<TacPanelWnd*>(self);
  if (message == WM_NCDESTROY) adapter->subclass_.Remove();
  else if (const auto answer = adapter->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TacPanelWnd::React(UINT message, WPARAM wParam, LPARAM lParam) {
  TsCommonData& data = SkinData();
  if (!data.IsSkinned()) return std::nullopt;
  switch (message) {
    case WM_PAINT: {
      InvalidateRect(Handle(), nullptr, TRUE);
      PAINTSTRUCT request;
      BeginPaint(Handle(), &request);
      EndPaint(Handle(), &request);
      return 0;
    }
    case WM_ERASEBKGND:
      if (IsWindowVisible(Handle())) PaintClient(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_NCPAINT:
      if (IsWindowVisible(Handle())) {
        const ui::WindowFrameDc dc(Handle());
        PaintFrame(dc.Get());
      }
      return 0;
    case WM_PRINTCLIENT:
      data.CacheStale = true, data.Updating = false;
      PaintClient(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_UPDATEUISTATE: return 1;
    case WM_SETTEXT: {
      const LRESULT result = WithRedrawOff(Handle(), message, wParam, lParam);
      data.CacheStale = true;
      InvalidateRect(Handle(), nullptr, TRUE);
      return result;
    }
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
      if (data.StateBlock(0)->Transparency != 0) data.CacheStale = true;
      break;
    default: break;
  }
  return std::nullopt;
}

std::optional<intptr_t> TacPanelWnd::Command(const EngineMessage& message) {
  TsCommonData& data = SkinData();
  switch (message.Command) {
    case EngineCommand::NewSkin:
    case EngineCommand::Refresh: {
      const auto answer = HandleEngineCommand(data, message);
      Skinned().SendToChildren(message);
      return answer.value_or(0);
    }
    case EngineCommand::ParentUpdated:
      if (data.Updating) {
        data.Updating = false;
        data.Owner().Redraw(true);
      }
      Skinned().SendToChildren(message);
      return 0;
    case EngineCommand::PrepareCache:
      if (!BuildCache()) data.Updating = true;
      return 0;
    default: return std::nullopt;
  }
}

// While its parent is being created (not yet shown) the panel has nothing to stand on.
bool TacPanelWnd::ParentCreating() const {
  const HWND parent = GetParent(Handle());
  return parent && !(GetWindowLongW(parent, GWL_STYLE) & WS_VISIBLE);
}

int32_t TacPanelWnd::FrameWidth() const {
  RECT window{}, client{};
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  return ((window.right - window.left) - client.right) / 2;
}

// Fails while the parent cannot give what lies behind the panel.
bool TacPanelWnd::BuildCache() {
  TsCommonData& data = SkinData();
  if (!data.IsSkinned()) return false;
  data.PrepareCacheImage();
  const TacParentBg background = data.ParentBackground();
  if (!background.Ready && !background.FillKnown()) return false;
  if (data.CacheEmpty()) return false;
  auto& cache = static_cast<DibCache&>(*data.Cache());
  const HWND window = Handle();
  const POINT position = PositionInParent(window);
  AdapterPicture picture{.Look = {data.SectionIndex, data.CustomColor, Skinned().Facts().Colour},
                         .X = position.x,
                         .Y = position.y,
                         .CornerParent = false};
  const std::wstring text = WindowText(window);
  if (!text.empty() && state_.Tag != kNoCaptionTag) {
    picture.Caption = [&](const PixelView&) {
      const HFONT font = ControlFont(window);
      RECT client{};
      GetClientRect(window, &client);
      const Rect place = PanelCaptionRect({0, 0, client.right, client.bottom}, state_.Frame,
                                          TextHeight(cache.Dc(), font));
      const UINT format = DT_CENTER | DT_EXPANDTABS | DT_VCENTER | DT_WORDBREAK;
      ControlCaption(Skinned(), {text, font, place, format})(cache, 0);
    };
  }
  ComposeAdapterImage(cache.Pixels(), *data.Skin(), background, picture, PaintAdjustments(data));
  data.CacheStale = false;
  return true;
}

void TacPanelWnd::PaintClient(HDC dc) {
  TsCommonData& data = SkinData();
  if (data.Updating || ParentCreating()) return;
  const HWND window = Handle();
  std::optional<ui::WindowDc> own;
  if (!dc) dc = own.emplace(window).Get();
  const ui::SavedDcState saved(dc);
  const bool stale = data.PartlyVisible || data.CacheStale || data.CacheEmpty();
  RECT clip{}, client{};
  GetClipBox(dc, &clip);
  GetClientRect(window, &client);
  data.PartlyVisible = DependsOnParent(data) && (clip.right - clip.left != client.right ||
                                                 clip.bottom - clip.top != client.bottom);
  if (stale && !BuildCache()) {
    data.Updating = true;
    return;
  }
  const int32_t b = FrameWidth();
  Skinned().CopyCacheToDC(dc, {b, b}, client);
  Skinned().SendToChildren(Message(EngineCommand::ParentUpdated));
}

// The border strips around the client area, from the cache.
void TacPanelWnd::PaintFrame(HDC dc) {
  TsCommonData& data = SkinData();
  if (data.Updating) return;
  const int32_t b = FrameWidth();
  if (b <= 0) return;
  if (!BuildCache()) {
    data.Updating = true;
    return;
  }
  const PixelView pixels = data.Cache()->Pixels();
  const HDC source = static_cast<const DibCache*>(data.Cache())->Dc();
  const int32_t w = pixels.Width, h = pixels.Height;
  BitBlt(dc, 0, 0, w, b, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - b, w, b, source, 0, h - b, SRCCOPY);
  BitBlt(dc, 0, b, b, h - 2 * b, source, 0, b, SRCCOPY);
  BitBlt(dc, w - b, b, b, h - 2 * b, source, w - b, b, SRCCOPY);
}

}  // namespace velmora::skin
