#include "skin/paint/win32/text_output.h"

#include <cstring>

#include "skin/paint/fill.h"
#include "skin/paint/text_coverage.h"
#include "skin/paint/win32/dib_bitmap.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

HFONT CanvasFont(const TextCanvas& canvas) {
  if (canvas.Font) return canvas.Font;
  if (canvas.Dc) return static_cast<HFONT>(GetCurrentObject(canvas.Dc, OBJ_FONT));
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The font's description with nothing undefined after the face name, so equal fonts compare equal.
LOGFONTW Describe(HFONT font) {
  LOGFONTW description{};
  GetObjectW(font, sizeof description, &description);
  const size_t used = wcsnlen(description.lfFaceName, LF_FACESIZE);
  std::fill(description.lfFaceName + used, description.lfFaceName + LF_FACESIZE, L'\0');
  return description;
}

// The text drawn black on white into a fresh section of the given size; empty when the platform
// cannot make one.
DibBitmap BlackOnWhite(HFONT font, std::wstring_view text, UINT format, const Rect& place,
                       int32_t width, int32_t height) {
  DibBitmap temporary = DibBitmap::Make(width, height);
  if (temporary.Pixels().Empty()) return temporary;
  PaintSolid32(temporary.Pixels(), temporary.Pixels().Bounds(), kWhite, 0);
  const ui::SavedDcState saved(temporary.Dc());
  SelectObject(temporary.Dc(), font);
  SetTextColor(temporary.Dc(), 0);
  SetBkMode(temporary.Dc(), TRANSPARENT);
  RECT r{place.Left, place.Top, place.Right, place.Bottom};
  const std::wstring_view cut = CutText(text);
  DrawTextW(temporary.Dc(), cut.data(), int(cut.size()), &r, format);
  GdiFlush();
  return temporary;
}

void DrawTextToDc(const TextCanvas& canvas, HFONT font, std::wstring_view text, uint32_t colour,
                  UINT format, const Rect& rect) {
  const ui::SavedDcState saved(canvas.Dc);
  SelectObject(canvas.Dc, font);
  SetTextColor(canvas.Dc, ResolveColour(colour) & 0x00FFFFFFu);
  SetBkMode(canvas.Dc, TRANSPARENT);
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const std::wstring_view cut = CutText(text);
  DrawTextW(canvas.Dc, cut.data(), int(cut.size()), &r, format);
}

// The text black on white over a temporary the size of the rectangle.
DibBitmap Coverage(HFONT font, std::wstring_view text, UINT format, const Rect& rect) {
  return BlackOnWhite(font, text, format, {0, 0, rect.Width(), rect.Height()}, rect.Width(),
                      rect.Height());
}

// The text drawn without anti-aliasing as a glow mask: 0 on the text, 255 elsewhere, the text at
// the glow margin. Empty when the platform cannot draw it.
Gray8 HardTextMask(LOGFONTW description, std::wstring_view text, UINT format, const Rect& rect,
                   int32_t radius) {
  description.lfQuality = NONANTIALIASED_QUALITY;
  const ui::UniqueFont hard(CreateFontIndirectW(&description));
  const Rect area = GlowMaskRect(rect, radius);
  const int32_t m = GlowMargin(radius);
  const DibBitmap drawn =
      BlackOnWhite(hard.get(), text, format, {m, m, m + rect.Width(), m + rect.Height()},
                   area.Width(), area.Height());
  if (!hard || drawn.Pixels().Empty()) return {};
  Gray8 mask{area.Width(), area.Height(), {}};
  mask.Pixels.resize(size_t(area.Width()) * size_t(area.Height()));
  for (int32_t y = 0; y < area.Height(); ++y)
    for (int32_t x = 0; x < area.Width(); ++x)
      mask.At(x, y) = (drawn.Pixels().At(x, y) & 0x00FFFFFFu) == kWhite ? 255 : 0;
  return mask;
}

uint32_t PassColour(const TextCanvas& canvas, const TextPass& pass) {
  return pass.Colour == kCanvasColour ? canvas.FontColour : pass.Colour;
}

// Every pass draws the same text in the same font and size, so one coverage serves them all.
void DrawPassesToPixels(const TextCanvas& canvas, const TextPlan& plan, std::wstring_view text,
                        UINT format, const Rect& rect) {
  if (plan.GlowSize != 0) {
    TextGlowHolder fresh;
    DrawTextGlow(canvas, text, rect, fresh, plan.GlowColour, plan.GlowSize, kGlowAll, format,
                 rect);
  }
  if (IsEmpty(rect) || text.empty()) return;
  const DibBitmap coverage = Coverage(CanvasFont(canvas), text, format, rect);
  for (const TextPass& pass : plan.Passes)
    BlendTextCoverage(canvas.Pixels, Offset(rect, pass.Dx, pass.Dy), coverage.Pixels(),
                      PassColour(canvas, pass), pass.Premultiplied);
}

// Draws the plan's passes (after its glow) in the font, underlined when the plan asks.
void DrawPlan(const TextCanvas& canvas, const TextPlan& plan, std::wstring_view text, UINT format,
              const Rect& rect) {
  ui::UniqueFont underlined;
  TextCanvas target = canvas;
  if (plan.Underline) {
    LOGFONTW description = Describe(CanvasFont(canvas));
    description.lfUnderline = TRUE;
    underlined.reset(CreateFontIndirectW(&description));
    if (underlined) target.Font = underlined.get();
  }
  if (!target.Pixels.Empty()) return DrawPassesToPixels(target, plan, text, format, rect);
  if (!target.Dc) return;
  for (const TextPass& pass : plan.Passes)
    DrawTextToDc(target, CanvasFont(target), text, PassColour(target, pass), format,
                 Offset(rect, pass.Dx, pass.Dy));
}

}  // namespace

void DrawText32(const TextCanvas& canvas, std::wstring_view text, bool premultiplied,
                uint32_t colour, UINT format, const Rect& rect) {
  if (canvas.Pixels.Empty() || IsEmpty(rect) || text.empty()) return;
  const DibBitmap coverage = Coverage(CanvasFont(canvas), text, format, rect);
  BlendTextCoverage(canvas.Pixels, rect, coverage.Pixels(), colour, premultiplied);
}

void DrawTextGlow(const TextCanvas& canvas, std::wstring_view text, const Rect& rect,
                  TextGlowHolder& holder, uint32_t colour, int32_t radius, uint32_t directions,
                  UINT format, const Rect& clip) {
  if (canvas.Pixels.Empty() || IsEmpty(rect) || radius <= 0) return;
  const Rect area = GlowMaskRect(rect, radius);
  const LOGFONTW description = Describe(CanvasFont(canvas));
  TextGlowKey key{std::wstring(CutText(text)),
                  std::string(reinterpret_cast<const char*>(&description), sizeof description),
                  area.Width(),
                  area.Height(),
                  radius,
                  directions,
                  format};
  if (!holder.Holds(key)) {
    // Hard-edged text makes a clean mask; the blur gives the softness.
    holder.Mask = HardTextMask(description, text, format, rect, radius);
    if (holder.Mask.Pixels.empty()) return;
    SpreadAndBlur(holder.Mask, directions, radius);
    holder.Key = std::move(key);
  }
  ComposeGlow(canvas.Pixels, holder.Mask, area.Left, area.Top, colour, clip);
}

void DrawSectionText32(const TextCanvas& canvas, std::wstring_view text, bool contour,
                       const SkinRegistry* skin, int32_t state, int32_t skinIndex, UINT format,
                       const Rect& rect) {
  DrawPlan(canvas, PlanSectionText32(skin, state, skinIndex, contour), text, format, rect);
}

void DrawSectionText(const TextCanvas& canvas, std::wstring_view text, bool enabled,
                     const SkinRegistry* skin, int32_t state, int32_t skinIndex, UINT format,
                     const Rect& rect) {
  DrawPlan(canvas, PlanSectionText(skin, state, skinIndex, enabled), text, format, rect);
}

void DrawControlText(const TextCanvas& canvas, std::wstring_view text, bool enabled, int32_t state,
                     const ControlTextSource& control, UINT format, const Rect& rect) {
  DrawPlan(canvas, PlanControlText(control, state, enabled), text, format, rect);
}

}  // namespace velmora::skin
