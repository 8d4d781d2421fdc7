#include "skin/popups/menu_skin.h"

#include <algorithm>

namespace velmora::skin {
namespace {

const TsMaskData* MaskAt(const SkinRegistry& skin, int32_t index) {
  return skin.IsValidMaskIndex(index) ? &skin.Masks()[size_t(index)] : nullptr;
}

const TsMaskData* BordersOf(const SkinRegistry& skin, int32_t section) {
  return skin.IsValidSkinIndex(section) ? MaskAt(skin, skin.Sections()[size_t(section)].BorderIndex)
                                        : nullptr;
}

}  // namespace

MenuSkin ResolveMenuSkin(const SkinRegistry* skin, std::string_view iconLineSection,
                         std::string_view extraLineSection) {
  MenuSkin s;
  if (!skin) return s;
  s.Skin = skin;
  s.MainMenu = skin->GetSkinIndex("MAINMENU");
  s.MenuItem = skin->GetSkinIndex("MENUITEM");
  s.DividerV = skin->GetSkinIndex("DIVIDERV");
  s.MenuCaption = skin->GetSkinIndex("MENUCAPTION");
  s.IconLine = skin->GetSkinIndex(iconLineSection);
  s.ExtraLine = skin->GetSkinIndex(extraLineSection);
  s.MainMenuBorders = BordersOf(*skin, s.MainMenu);
  s.DividerBorders = BordersOf(*skin, s.DividerV);
  s.CheckMark = MaskAt(*skin, skin->GlobalMask("CHECK"));
  if (!s.CheckMark) s.CheckMark = MaskAt(*skin, skin->Indexes().CheckGlyphs[1]);
  s.RadioMark = MaskAt(*skin, skin->Indexes().RadioGlyphs[1]);
  s.SubmenuArrow = MaskAt(*skin, skin->GetMaskIndexByName("MENUITEM", "GLYPHMASK"));
  return s;
}

int32_t SkinFrameWidth(const MenuSkin& skin, int32_t set) {
  if (set >= 0) return set;
  if (!skin.MainMenuBorders) return 0;
  return skin.MainMenuBorders->BorderWidth > 0 ? skin.MainMenuBorders->BorderWidth : 3;
}

uint32_t SectionFontColour(const MenuSkin& skin, int32_t section, int32_t state,
                           uint32_t fallback) {
  if (!skin.Skin || !skin.Skin->IsValidSkinIndex(section)) return fallback;
  const TsGeneralData& data = skin.Skin->Sections()[size_t(section)];
  const int32_t clamped = std::clamp(state, 0, std::clamp(data.StateCount - 1, 0, 2));
  return uint32_t(data.Props[size_t(clamped)].FontColor);
}

}  // namespace velmora::skin
