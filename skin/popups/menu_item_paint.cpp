#include "skin/popups/menu_item_paint.h"

#include <algorithm>

#include "skin/paint/blend.h"
#include "skin/paint/borders_mask.h"
#include "skin/paint/fill.h"
#include "skin/paint/glyph.h"
#include "skin/paint/section_paint.h"

namespace velmora::skin {
namespace {

constexpr uint32_t kMenuTextColour = 0xFF000007;
constexpr uint32_t kButtonShadow = 0xFF000010;
constexpr uint8_t kDisabledWeight = 100;
constexpr int32_t kShortcutGap = 8;

TacParentBg BackgroundBehind(const MenuPaintContext& menu, const MenuItemLook& item, int32_t dx) {
  return ParentFromBitmap(menu.Background, item.Place.Left + dx, item.Place.Top);
}

void CopyBackground(const PixelView& dest, const MenuPaintContext& menu, const Rect& place) {
  BlockCopy(dest, 0, 0, menu.Background, place);
}

bool IconColumnPainted(const MenuPaintContext& menu) {
  return menu.Skin.Skin && menu.Skin.Skin->IsValidSkinIndex(menu.Skin.IconLine);
}

void PaintDivider(const PixelView& dest, const MenuPaintContext& menu, const MenuItemLook& item) {
  if (menu.Skin.DividerBorders) {
    DrawBordersMask(dest, dest.Bounds(), BackgroundBehind(menu, item, 0), true, 0,
                    *menu.Skin.DividerBorders);
    return;
  }
  const MenuMetrics& m = menu.Metrics;
  const bool column = IconColumnPainted(menu);
  const int32_t left = menu.IconColumn + (column ? m.Margin + m.Spacing : 0);
  const int32_t right = dest.Width - (column ? 2 * m.Margin + m.Spacing : m.Margin);
  const int32_t grid = menu.Skin.Skin ? menu.Skin.Skin->Palette()[kGridLine] : -1;
  const uint32_t colour =
      grid == -1 || uint32_t(grid) == kNoColour ? kButtonShadow : uint32_t(grid);
  PaintSolid32(dest, Intersect({left, 0, right, 1}, dest.Bounds()), ResolveColour(colour), 255);
}

void PaintHeading(const PixelView& dest, const MenuPaintContext& menu, const MenuItemLook& item,
                  MenuTextPainter& text) {
  const MenuSkin& s = menu.Skin;
  if (s.Skin && s.Skin->IsValidSkinIndex(s.MenuCaption))
    PaintSection({dest, dest.Bounds(), 0, BackgroundBehind(menu, item, 0)}, s.Skin, s.MenuCaption);
  const int32_t inset = menu.Metrics.Margin + 2;
  MenuText heading{std::wstring(ShownCaption(item.Caption)),
                   {0, inset, dest.Width, dest.Height - inset},
                   SectionFontColour(s, s.MenuCaption, 0, kMenuTextColour),
                   MenuTextAlign::Centre};
  heading.Font = MenuFont::Caption;
  heading.RightToLeft = item.RightToLeft;
  text.Draw(dest, heading);
}

int32_t Centred(int32_t room, int32_t size) { return (room - size) / 2; }

// Where the icon column lies in the item's pixels.
Rect IconColumnIn(const MenuPaintContext& menu, const MenuItemLook& item, const PixelView& dest) {
  const int32_t left = menu.FrameWidth + item.ExtraLine - item.Place.Left;
  return {left, 0, left + menu.IconColumn, dest.Height};
}

void PaintMarks(const PixelView& dest, const MenuPaintContext& menu, const MenuItemLook& item,
                int32_t state, MenuTextPainter& text) {
  const Rect column = IconColumnIn(menu, item, dest);
  const TacParentBg self = ParentFromBitmap(dest, 0, 0);
  if (item.Symbol) {
    MenuText symbol{std::wstring(1, item.Symbol), column,
                    SectionFontColour(menu.Skin, menu.Skin.MenuItem, state, kMenuTextColour),
                    MenuTextAlign::Centre};
    symbol.Font = MenuFont::Symbol;
    text.Draw(dest, symbol);
  } else if (item.Checked) {
    if (const TsMaskData* mark = item.Radio ? menu.Skin.RadioMark : menu.Skin.CheckMark) {
      DrawGlyph(dest, column.Left + Centred(column.Width(), mark->FrameWidth),
                Centred(dest.Height, mark->FrameHeight), state, self, *mark, kGlyphNormal);
    }
  }
  if (item.HasSubmenu && menu.Skin.SubmenuArrow) {
    const TsMaskData& arrow = *menu.Skin.SubmenuArrow;
    DrawGlyph(dest, dest.Width - menu.Metrics.Margin - arrow.FrameWidth,
              Centred(dest.Height, arrow.FrameHeight), state, self, arrow, kGlyphNormal);
  }
}

void PaintCaption(const PixelView& dest, const MenuPaintContext& menu, const MenuItemLook& item,
                  bool hot, MenuTextPainter& text) {
  const MenuMetrics& m = menu.Metrics;
  const CaptionParts parts = SplitAtTab(item.Caption);
  MenuText caption;
  caption.Area = {2 * m.Margin + m.Spacing + item.Glyph.Width, m.Margin, dest.Width,
                  dest.Height - m.Margin};
  caption.Colour = SectionFontColour(menu.Skin, menu.Skin.MenuItem, hot ? 1 : 0, kMenuTextColour);
  caption.HidePrefix = item.NoAccelerator;
  caption.RightToLeft = item.RightToLeft;
  caption.Text = std::wstring(parts.Text);
  caption.Align = item.Alignment;
  caption.WordBreak = caption.Text.find(L'\r') != std::wstring::npos;
  // A leading backspace asks for the caption at the right edge.
  if (!caption.Text.empty() && caption.Text.front() == L'\b') {
    caption.Text = caption.Text.substr(1) + L"      ";
    caption.Align = MenuTextAlign::Right;
  }
  text.Draw(dest, caption);
  if (parts.Shortcut.empty()) return;
  MenuText shortcut = caption;
  shortcut.Text = std::wstring(parts.Shortcut);
  shortcut.WordBreak = false;
  if (item.RightToLeft) {
    shortcut.Area.Left = 6, shortcut.Align = MenuTextAlign::Left;
  } else {
    shortcut.Area.Right = dest.Width - kShortcutGap, shortcut.Align = MenuTextAlign::Right;
  }
  text.Draw(dest, shortcut);
}

void PaintNormal(const PixelView& item, const MenuPaintContext& menu, const MenuItemLook& look,
                 MenuTextPainter& text) {
  const MenuSkin& s = menu.Skin;
  const PixelView dest = SubView(item, {look.ExtraLine, 0, item.Width, item.Height});
  if (dest.Empty()) return;
  const bool selected = look.Selected && !look.Disabled;
  const int32_t state = selected ? 1 : 0;
  if (s.Skin && s.Skin->IsValidSkinIndex(s.MenuItem)) {
    PaintSection({dest, dest.Bounds(), state, BackgroundBehind(menu, look, look.ExtraLine)}, s.Skin,
                 s.MenuItem);
  }
  PaintMarks(dest, menu, look, state, text);
  PaintCaption(dest, menu, look, !look.Disabled && (look.Selected || look.Hot), text);
  if (look.Disabled) {
    WeighBitmapInto(
        dest, menu.Background, kDisabledWeight, 0, 0,
        {look.Place.Left + look.ExtraLine, look.Place.Top, look.Place.Right, look.Place.Bottom});
  }
}

}  // namespace

void PaintMenuItem(const PixelView& dest, const MenuPaintContext& menu, const MenuItemLook& item,
                   MenuTextPainter& text) {
  if (dest.Empty()) return;
  CopyBackground(dest, menu, item.Place);
  switch (ItemTypeOf(item.Caption)) {
    case TsMenuItemType::smDivider: PaintDivider(dest, menu, item); break;
    case TsMenuItemType::smCaption: PaintHeading(dest, menu, item, text); break;
    default: PaintNormal(dest, menu, item, text); break;
  }
}

}  // namespace velmora::skin
