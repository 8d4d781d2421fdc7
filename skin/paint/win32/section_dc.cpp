#include "skin/paint/win32/section_dc.h"

#include "skin/paint/section_paint.h"

namespace velmora::skin {

void PaintSectionToDC(HDC dc, const Rect& rect, int32_t state, const TacParentBg& parent,
                      int32_t px, int32_t py, const SkinRegistry* skin, int32_t skinIndex) {
  const DibBitmap temporary = DibBitmap::Make(rect.Width(), rect.Height());
  if (temporary.Pixels().Empty()) return;
  PaintSection({temporary.Pixels(), {0, 0, rect.Width(), rect.Height()}, state, parent, px, py},
               skin, skinIndex);
  const int saved = SaveDC(dc);
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), temporary.Dc(), 0, 0, SRCCOPY);
  RestoreDC(dc, saved);
}

void PaintSectionOverDC(DibBitmap& bitmap, int32_t state, const SkinRegistry* skin,
                        int32_t skinIndex, int32_t fallbackIndex, HDC dc, const Rect& rect,
                        uint32_t fillColour) {
  const PixelView rows = bitmap.Pixels();
  if (rows.Empty()) return;
  TacParentBg behind;
  if (dc) {
    BitBlt(bitmap.Dc(), 0, 0, rows.Width, rows.Height, dc, rect.Left, rect.Top, SRCCOPY);
    GdiFlush();
    behind = ParentFromBitmap(rows, 0, 0);
  }
  behind.FillColor = fillColour;
  PaintSection({rows, rows.Bounds(), state, behind, 0, 0}, skin,
               skinIndex < 0 ? fallbackIndex : skinIndex);
}

}  // namespace velmora::skin
