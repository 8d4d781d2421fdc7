#include "skin/controls/win32/image.h"

#include "skin/controls/engine_commands.h"
#include "skin/controls/win32/dib_cache.h"
#include "skin/controls/win32/window_painting.h"

namespace velmora::skin {
namespace {

constexpr uint8_t kImageKind = 50;

}  // namespace

TsImage::TsImage(ui::Image& image, const ui::ChildPlacement& placement)
    : ImageView(image, placement),
      skinned_(handle_, nullptr, kImageKind, true),
      subclass_(handle_, Procedure, this) {
  skinned_.OwnCommands = [this](const EngineMessage& m) { return Command(m); };
  skinned_.Data().Initialize(true);
}

void TsImage::SetPicture(Image32 picture) {
  picture_ = std::move(picture);
  skinned_.Data().RequestRepaint(false);
}

void TsImage::SetBlend(int32_t percent) {
  if (percent == blend_) return;
  blend_ = percent;
  skinned_.Data().RequestRepaint(false);
}

LRESULT CALLBACK TsImage::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
  auto* image = reinterpret_cast<TsImage*>(self);
  if (message == WM_NCDESTROY) image->subclass_.Remove();
  else if (const auto answer = image->React(message, wParam, lParam)) return *answer;
  return DefSubclassProc(window, message, wParam, lParam);
}

std::optional<LRESULT> TsImage::React(UINT message, WPARAM wParam, LPARAM) {
  TsCommonData& data = skinned_.Data();
  switch (message) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case WM_SHOWWINDOW:
      data.CacheStale = true;
      return std::nullopt;
    case WM_ERASEBKGND: return data.IsSkinned() ? std::optional<LRESULT>(1) : std::nullopt;
    case WM_PAINT: {
      if (!data.IsSkinned() || data.Updating) return std::nullopt;  // the plain picture
      return PaintWindow(handle_, [&](HDC dc, const RECT& r) {
        if (!Compose()) return;
        const auto& cache = static_cast<const DibCache&>(*data.Cache());
        BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, cache.Dc(), r.left, r.top,
               SRCCOPY);
      });
    }
    // Labels over the picture draw what it shows beneath their text: the composed image.
    case WM_PRINTCLIENT: {
      if (!data.IsSkinned() || !Compose()) return std::nullopt;
      const PixelView pixels = data.Cache()->Pixels();
      BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, pixels.Width, pixels.Height,
             static_cast<const DibCache&>(*data.Cache()).Dc(), 0, 0, SRCCOPY);
      return 0;
    }
    default: return std::nullopt;
  }
}

std::optional<intptr_t> TsImage::Command(const EngineMessage& message) {
  if (message.Command == EngineCommand::PrepareCache) return Compose(), 0;
  return std::nullopt;
}

// A fresh cache of the window's size is kept; only a stale one is composed again.
bool TsImage::Compose() {
  TsCommonData& data = skinned_.Data();
  const Rect b = skinned_.Facts().Bounds;
  const PixelView current = data.CacheEmpty() ? PixelView{} : data.Cache()->Pixels();
  if (!data.CacheStale && current.Width == b.Width() && current.Height == b.Height()) return true;
  const TacParentBg parent = data.ParentBackground();
  data.PrepareCacheImage();
  const PixelView pixels = data.Cache()->Pixels();
  if (pixels.Empty()) return false;
  ComposeImage(pixels, data.Skin(), {.SectionIndex = data.SectionIndex, .Blend = blend_}, parent,
               PixelRows(picture_));
  data.CacheStale = false;
  ++compositions_;
  return true;
}

}  // namespace velmora::skin
