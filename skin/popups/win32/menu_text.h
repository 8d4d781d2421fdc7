#pragma once
#include <windows.h>

#include <string_view>

#include "skin/manager/manager_options.h"
#include "skin/popups/menu_item.h"
#include "skin/popups/menu_item_paint.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

// The fonts a popup menu is measured and drawn with: the platform's menu font unless the menu
// options give a custom one, its bold form for default items, the caption font and the system
// menu's picture font. Made on first use, freed with this.
class MenuFonts {
 public:
  MenuFonts(const TacMenuSupport& options, int scalePercent);
  HFONT Item(bool isDefault);
  HFONT Caption();
  HFONT Symbol();
  HFONT Of(MenuFont font, bool isDefault);

 private:
  LOGFONTW Base() const;
  const TacMenuSupport& options_;
  int scalePercent_;
  ui::UniqueFont item_, bold_, caption_, symbol_;
};

// The text's size as the menu measures it: word breaks within 800 pixels.
ItemSize MeasureMenuText(HDC dc, HFONT font, std::wstring_view text);

// Lays menu texts into an item's pixels with anti-aliased platform text.
class MenuTextOutput : public MenuTextPainter {
 public:
  MenuTextOutput(HDC dc, MenuFonts& fonts, bool isDefault)
      : dc_(dc), fonts_(fonts), default_(isDefault) {}
  void Draw(const PixelView& dest, const MenuText& text) override;

 private:
  HDC dc_;
  MenuFonts& fonts_;
  bool default_;
};

}  // namespace velmora::skin
