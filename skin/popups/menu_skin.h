#pragma once
#include <cstdint>
#include <string_view>

#include "skin/data/skin_registry.h"

namespace velmora::skin {

// The sections and masks a popup menu is drawn from, looked up once per background; -1 where the
// skin has none.
struct MenuSkin {
  const SkinRegistry* Skin = nullptr;
  int32_t MainMenu = -1, MenuItem = -1, DividerV = -1, MenuCaption = -1, IconLine = -1,
          ExtraLine = -1;
  const TsMaskData* MainMenuBorders = nullptr;
  const TsMaskData* DividerBorders = nullptr;
  const TsMaskData* CheckMark = nullptr;  // CHECK of GLOBALINFO, else BOXCHECKED
  const TsMaskData* RadioMark = nullptr;
  const TsMaskData* SubmenuArrow = nullptr;  // MENUITEM's GLYPHMASK
};

MenuSkin ResolveMenuSkin(const SkinRegistry* skin, std::string_view iconLineSection,
                         std::string_view extraLineSection = "EXTRALINE");

// The width of the frame the skin draws: `set` when 0 or more, else MAINMENU's borders mask
// width (3 when that is 0 or less), and 0 without a borders mask.
int32_t SkinFrameWidth(const MenuSkin& skin, int32_t set = -1);

// The text colour of a section state (the last state when fewer), or `fallback` without one.
uint32_t SectionFontColour(const MenuSkin& skin, int32_t section, int32_t state, uint32_t fallback);

}  // namespace velmora::skin
