#include "skin/paint/borders_mask.h"

#include <algorithm>

#include "skin/data/limits.h"
#include "skin/paint/blend.h"
#include "skin/paint/cell_copy.h"
#include "skin/paint/resample.h"

namespace velmora::skin {
namespace {

enum Side { kLeftSide, kTopSide, kRightSide, kBottomSide, kNoSide };

struct Cell {
  Rect Dest, Source;
  Side Along = kNoSide;  // the side an edge cell lies on
  bool Corner = false;
  bool Centre = false;
};

// Border widths shrunk when the rectangle is smaller than both together: the excess is taken
// from both sides, the odd pixel from the second.
void FitWidths(int32_t size, int32_t a, int32_t b, int32_t& fitA, int32_t& fitB) {
  if (size >= a + b) {
    fitA = a, fitB = b;
    return;
  }
  const int32_t e = a + b - size;
  fitA = std::max(a - e / 2, 0);
  fitB = std::max(b - e / 2 - e % 2, 0);
}

// The nine cells in drawing order, or false when nothing is to be drawn.
bool NineCells(const Rect& q, int32_t state, const TsMaskData& m, std::array<Cell, 9>& cells) {
  if (q.Width() < 2 || q.Height() < 2 || m.Owner == nullptr || m.FrameCount <= 0) return false;
  int32_t wl, wr, wt, wb;
  FitWidths(q.Width(), m.LeftWidth, m.RightWidth, wl, wr);
  FitWidths(q.Height(), m.TopWidth, m.BottomWidth, wt, wb);
  const int32_t s = std::clamp<int32_t>(state, 0, m.FrameCount - 1);
  const int32_t fw = m.FrameWidth, fh = m.FrameHeight;
  const int32_t x0 = m.Rect.Left + s * fw, y0 = m.Rect.Top;
  const int32_t cw = fw - wl - wr, ch = fh - wt - wb;
  if (cw < 0 || ch < 0) return false;
  const int32_t sr = x0 + fw - wr, sb = y0 + fh - wb;  // source right and bottom strips
  cells = {{
      {{q.Left, q.Top, q.Left + wl, q.Top + wt}, {x0, y0, x0 + wl, y0 + wt}, kNoSide, true},
      {{q.Left, q.Top + wt, q.Left + wl, q.Bottom - wb}, {x0, y0 + wt, x0 + wl, y0 + wt + ch},
       kLeftSide},
      {{q.Left + wl, q.Top, q.Right - wr, q.Top + wt}, {x0 + wl, y0, x0 + wl + cw, y0 + wt},
       kTopSide},
      {{q.Left, q.Bottom - wb, q.Left + wl, q.Bottom}, {x0, sb, x0 + wl, sb + wb}, kNoSide, true},
      {{q.Left + wl, q.Bottom - wb, q.Right - wr, q.Bottom}, {x0 + wl, sb, x0 + wl + cw, sb + wb},
       kBottomSide},
      {{q.Right - wr, q.Bottom - wb, q.Right, q.Bottom}, {sr, sb, sr + wr, sb + wb}, kNoSide, true},
      {{q.Right - wr, q.Top, q.Right, q.Top + wt}, {sr, y0, sr + wr, y0 + wt}, kNoSide, true},
      {{q.Right - wr, q.Top + wt, q.Right, q.Bottom - wb}, {sr, y0 + wt, sr + wr, y0 + wt + ch},
       kRightSide},
      {{q.Left + wl, q.Top + wt, q.Right - wr, q.Bottom - wb},
       {x0 + wl, y0 + wt, x0 + wl + cw, y0 + wt + ch}, kNoSide, false, true},
  }};
  return true;
}

// Places pieces of a strip of length len over [from, to): whole pieces while the next one would
// not reach the end, then one piece cut to what is left. A strip of length 0 places only that last
// piece when emptyPlacesLast is set (key-colour masks), else nothing.
template <typename Place>
void TileLine(int32_t from, int32_t to, int32_t len, bool emptyPlacesLast, Place place) {
  if (len <= 0 && !emptyPlacesLast) return;
  int32_t pos = from;
  if (len > 0)
    for (; pos < to - len; pos += len) place(pos, len);
  if (to > pos) place(pos, to - pos);
}

// Tiles a cell's source over its destination along x, y or both, one piece at a time.
template <typename Piece>
void TileCell(const Cell& c, bool emptyPlacesLast, Piece piece) {
  const bool acrossX = c.Along == kTopSide || c.Along == kBottomSide || c.Centre;
  const bool acrossY = c.Along == kLeftSide || c.Along == kRightSide || c.Centre;
  const int32_t sw = c.Source.Width(), sh = c.Source.Height();
  auto row = [&](int32_t top, int32_t height) {
    if (!acrossX) {
      piece(Rect{c.Dest.Left, top, c.Dest.Right, top + height},
            Rect{c.Source.Left, c.Source.Top, c.Source.Right, c.Source.Top + height});
      return;
    }
    TileLine(c.Dest.Left, c.Dest.Right, sw, emptyPlacesLast, [&](int32_t left, int32_t width) {
      piece(Rect{left, top, left + width, top + height},
            Rect{c.Source.Left, c.Source.Top, c.Source.Left + width, c.Source.Top + height});
    });
  };
  if (acrossY)
    TileLine(c.Dest.Top, c.Dest.Bottom, sh, emptyPlacesLast, row);
  else
    row(c.Dest.Top, std::min(c.Dest.Height(), sh));
}

// Draws the cells with a drawer's corner, piece and stretch operations.
template <typename Drawer>
void DrawCells(const std::array<Cell, 9>& cells, const TsMaskData& m, Drawer& drawer) {
  const bool stretch = m.DrawMode & 1;
  const bool centre = m.DrawMode & 4;
  for (const Cell& c : cells) {
    if ((c.Centre && !centre) || IsEmpty(c.Dest)) continue;
    if (c.Corner)
      drawer.Corner(c.Dest, c.Source);
    else if (stretch)
      drawer.Stretch(c.Dest, c.Source, c.Centre);
    else
      TileCell(c, m.MaskLayout == 0, [&](const Rect& d, const Rect& s) { drawer.Piece(d, s); });
  }
}

// Key-colour masks: corners by key copy, the rest copied plainly.
struct KeyDrawer {
  const PixelView& dest;
  SourceView image;
  const TacParentBg& parent;
  bool cornerParent;
  void Corner(const Rect& d, const Rect& s) {
    KeyCopy(dest, d.Left, d.Top, image, s, cornerParent, parent, kKeyColour);
  }
  void Piece(const Rect& d, const Rect& s) { BlockCopy(dest, d.Left, d.Top, image, s); }
  void Stretch(const Rect& d, const Rect& s, bool) { StretchCopy(dest, d, image, s); }
};

// Mask-layer masks: every cell blended through the layer below the pictures.
struct LayerDrawer {
  const PixelView& dest;
  SourceView image;
  int32_t maskOffset;
  const TacParentBg& parent;
  bool cornerParent;
  void Corner(const Rect& d, const Rect& s) {
    MaskBlendCell(dest, d, image, s, maskOffset, cornerParent, parent);
  }
  void Piece(const Rect& d, const Rect& s) {
    MaskBlendCell(dest, d, image, s, maskOffset, false, TacParentBg{});
  }
  void Stretch(const Rect& d, const Rect& s, bool centre) {
    StretchWithMask(dest, d, centre, maskOffset, image, s);
  }
};

// The layered variants' cell blend: the mask's red byte m weighs the picture (scaled by the
// opacity when there is one) and raises the destination alpha to at least 255 - m.
struct VariantDrawer {
  const PixelView& dest;
  SourceView image;
  int32_t maskOffset;
  const TacParentBg& parent;
  int32_t opacity;  // -1: the alpha variant

  void Blend(const Rect& d, const SourceView& picture, const Rect& s, const SourceView& mask,
             int32_t maskTop, const TacParentBg& behind) {
    CopyArea a{d.Left, d.Top, s.Left, s.Top, std::min(d.Width(), s.Width()),
               std::min(d.Height(), s.Height())};
    if (!ClipCopy(a, dest.Width, dest.Height, picture.Width, picture.Height)) return;
    const int32_t firstMaskRow = std::min(a.Sy + maskTop, mask.Height - a.H);
    if (firstMaskRow < 0 || a.Sx + a.W > mask.Width) return;
    const bool parentShows = behind.Ready && behind.HasBitmap();
    for (int32_t y = 0; y < a.H; ++y)
      for (int32_t x = 0; x < a.W; ++x) {
        const uint32_t i = picture.At(a.Sx + x, a.Sy + y);
        uint32_t& p = dest.At(a.Dx + x, a.Dy + y);
        if (i == kKeyColour) {
          if (parentShows)
            TakeParentPixel(p, a.Dx + x, a.Dy + y, behind);
          else
            p &= 0x00FFFFFFu;
          continue;
        }
        const uint32_t m = Channel(mask.At(a.Sx + x, firstMaskRow + y), 2);
        p = Mix(p, i, m);
      }
  }

  uint32_t Mix(uint32_t d, uint32_t i, uint32_t m) const {
    uint32_t c[3];
    if (opacity < 0) {
      for (int k = 0; k < 3; ++k) c[k] = (Channel(d, k) * m + Channel(i, k) * (255 - m)) >> 8;
    } else {
      const uint32_t h = uint32_t(opacity) * (255 - m) >> 8;
      for (int k = 0; k < 3; ++k) c[k] = (Channel(d, k) * (255 - h) + Channel(i, k) * h) >> 8;
    }
    const uint32_t a = Channel(d, 3);
    const uint32_t cover = 255 - m;
    const uint32_t alpha = a == 0 ? cover : a == 255 ? a : std::max(a, cover);
    return Pack(c[0], c[1], c[2], alpha);
  }

  void Corner(const Rect& d, const Rect& s) { Blend(d, image, s, image, maskOffset, parent); }
  void Piece(const Rect& d, const Rect& s) { Blend(d, image, s, image, maskOffset, {}); }
  void Stretch(const Rect& d, const Rect& s, bool) {
    // A strip beyond its image, or a mask layer beyond it, has nothing to show.
    if (IsEmpty(d) || IsEmpty(s) || !Inside(s) || !Inside(Offset(s, 0, maskOffset)) ||
        int64_t(d.Width()) * d.Height() > kMaxImagePixels)
      return;
    const Image32 picture = ScaledPart(s, kMitchellFilter, d);
    const Image32 mask = ScaledPart(Offset(s, 0, maskOffset), kHermiteFilter, d);
    Blend(d, PixelRows(picture), Rect{0, 0, d.Width(), d.Height()}, PixelRows(mask), 0, {});
  }
  bool Inside(const Rect& r) const { return Intersect(r, image.Bounds()) == r; }
  // The filter needs two pixels each way on both sides; a thinner part or cell is stretched
  // plainly instead of being left as the zero-filled temporary.
  Image32 ScaledPart(const Rect& s, int filter, const Rect& d) const {
    Image32 out;
    const bool filtered = s.Width() >= 2 && s.Height() >= 2 && d.Width() >= 2 && d.Height() >= 2;
    if (filtered) ResampleSmooth(SubView(image, s), out, d.Width(), filter, d.Height());
    if (out.Width == d.Width() && out.Height == d.Height()) return out;
    out = NewWorkBitmap(d.Width(), d.Height());
    StretchCopy(PixelRows(out), {0, 0, d.Width(), d.Height()}, image, s);
    return out;
  }
};

// Each edge cell cut to the outer part of its side, as thick as the side's limit.
void LimitEdges(std::array<Cell, 9>& cells, const std::array<int32_t, 4>& limits) {
  for (Cell& c : cells) {
    if (c.Along == kNoSide) continue;
    const int32_t limit = std::max(limits[c.Along], 0);
    Rect& d = c.Dest;
    Rect& s = c.Source;
    switch (c.Along) {
      case kLeftSide:
        if (limit < d.Width()) d.Right = d.Left + limit, s.Right = s.Left + limit;
        break;
      case kTopSide:
        if (limit < d.Height()) d.Bottom = d.Top + limit, s.Bottom = s.Top + limit;
        break;
      case kRightSide:
        if (limit < d.Width()) d.Left = d.Right - limit, s.Left = s.Right - limit;
        break;
      default:
        if (limit < d.Height()) d.Top = d.Bottom - limit, s.Top = s.Bottom - limit;
        break;
    }
  }
}

bool Skipped(int32_t state, const TsMaskData& m) { return state == 0 && (m.DrawMode & 2); }

void DrawVariant(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                 int32_t state, const TsMaskData& m, int32_t opacity,
                 const std::array<int32_t, 4>* limits) {
  std::array<Cell, 9> cells;
  const Image32* image = MaskImage(m);
  if (dest.Empty() || !image || Skipped(state, m) || !NineCells(rect, state, m, cells)) return;
  if (m.MaskLayout == 0) {
    KeyDrawer drawer{dest, PixelRows(*image), parent, true};
    DrawCells(cells, m, drawer);
    return;
  }
  if (limits) LimitEdges(cells, *limits);
  VariantDrawer drawer{dest, PixelRows(*image), m.Rect.Height() / 2, parent, opacity};
  DrawCells(cells, m, drawer);
}

}  // namespace

void DrawBordersMask(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                     bool cornerParent, int32_t state, const TsMaskData& mask) {
  std::array<Cell, 9> cells;
  const Image32* image = MaskImage(mask);
  if (dest.Empty() || !image || Skipped(state, mask) || !NineCells(rect, state, mask, cells))
    return;
  const bool flag = cornerParent && mask.CornerFlag != 0;
  if (mask.MaskLayout == 0) {
    KeyDrawer drawer{dest, PixelRows(*image), parent, flag};
    DrawCells(cells, mask, drawer);
  } else {
    LayerDrawer drawer{dest, PixelRows(*image), mask.Rect.Height() / 2, parent, flag};
    DrawCells(cells, mask, drawer);
  }
}

void DrawBordersMaskAlpha(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                          int32_t state, const TsMaskData& mask) {
  DrawVariant(dest, rect, parent, state, mask, -1, nullptr);
}

void DrawBordersMaskOpacity(const PixelView& dest, const Rect& rect, const TacParentBg& parent,
                            int32_t state, const TsMaskData& mask, uint8_t opacity,
                            const std::array<int32_t, 4>& limits) {
  DrawVariant(dest, rect, parent, state, mask, opacity, &limits);
}

void AddCornerKeyRects(std::vector<Rect>& rects, int32_t windowWidth, const TsMaskData& mask,
                       bool bottom, int32_t y0) {
  const Image32* image = mask.Owner ? MaskImage(mask) : nullptr;
  if (!image || image->Empty()) return;
  const int32_t rows = bottom ? mask.BottomWidth : mask.TopWidth;
  const int32_t first = bottom ? mask.Rect.Top + mask.FrameHeight - mask.BottomWidth : mask.Rect.Top;
  if (first < 0 || rows < 0 || first + rows > image->Height) return;
  const int32_t left = mask.Rect.Left;
  auto scan = [&](int32_t fromColumn, int32_t toColumn, int32_t windowShift) {
    fromColumn = std::max(fromColumn, 0);
    for (int32_t r = 0; r < rows; ++r) {
      int32_t runStart = -1;
      for (int32_t c = fromColumn; c <= toColumn; ++c) {
        const bool key = c < toColumn && left + c >= 0 && left + c < image->Width &&
                         image->At(left + c, first + r) == kKeyColour;
        if (key && runStart < 0) runStart = c;
        if (!key && runStart >= 0) {
          rects.push_back({runStart + windowShift, y0 + r, c + windowShift, y0 + r + 1});
          runStart = -1;
        }
      }
    }
  };
  scan(0, mask.LeftWidth, 0);
  scan(mask.FrameWidth - mask.RightWidth, mask.FrameWidth, windowWidth - mask.FrameWidth);
}

}  // namespace velmora::skin
