#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/paint/pixel_view.h"
#include "skin/popups/menu_item.h"
#include "skin/popups/menu_skin.h"

namespace velmora::skin {

enum class MenuTextAlign { Left, Centre, Right };
enum class MenuFont { Item, Caption, Symbol };  // Symbol: the system menu's command pictures

// One piece of text of an item, for the platform to lay into the item's pixels.
struct MenuText {
  std::wstring Text;
  Rect Area;            // in the item's pixels
  uint32_t Colour = 0;  // colour value
  MenuTextAlign Align = MenuTextAlign::Left;
  bool WordBreak = false;
  bool HidePrefix = false;
  bool RightToLeft = false;
  MenuFont Font = MenuFont::Item;
  bool operator==(const MenuText&) const = default;
};

class MenuTextPainter {
 public:
  virtual void Draw(const PixelView& dest, const MenuText& text) = 0;

 protected:
  ~MenuTextPainter() = default;
};

// One item as the platform asks for its picture.
struct MenuItemLook {
  std::wstring_view Caption;  // as the item holds it: dashes, tab and all
  Rect Place;                 // the item's rectangle in the menu background's pixels
  bool Selected = false, Checked = false, Radio = false, Disabled = false, Default = false,
       Hot = false, NoAccelerator = false, HasSubmenu = false, RightToLeft = false;
  wchar_t Symbol = 0;  // a system menu command's picture character, 0 for none
  ItemSize Glyph{kDefaultGlyphSize, kDefaultGlyphSize};
  MenuTextAlign Alignment = MenuTextAlign::Left;
  int32_t ExtraLine = 0;  // the extra line's width, for an item of the first column
};

// What every item of one menu shares.
struct MenuPaintContext {
  const MenuSkin& Skin;
  MenuMetrics Metrics;
  int32_t FrameWidth = 0;
  int32_t IconColumn = 0;
  SourceView Background;
};

// Paints the item into `dest`, which is as large as its place: the background under it, the
// divider, heading or MENUITEM in the item's state, check mark, submenu arrow and texts; faded
// towards the background when disabled.
void PaintMenuItem(const PixelView& dest, const MenuPaintContext& menu, const MenuItemLook& item,
                   MenuTextPainter& text);

}  // namespace velmora::skin
