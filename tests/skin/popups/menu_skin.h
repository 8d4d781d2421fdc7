#pragma once
// A small menu skin: MAINMENU in one colour with a 6 x 6 borders mask (rings of 2, key corners,
// border width 3), a transparent MENUITEM whose hot state is green, ICOLINE, MENUCAPTION, a grid
// line colour and a CHECK glyph of two 2 x 4 frames.
#include <string>

#include "skin/popups/menu_skin.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin::test {

inline constexpr uint32_t kRing = 0xFFC00000;     // red, as a pixel
inline constexpr uint32_t kGround = 0xFF302010;   // MAINMENU COLOR 0x102030
inline constexpr uint32_t kColumn = 0xFF0000AA;   // ICOLINE COLOR 0xAA0000
inline constexpr uint32_t kHot = 0xFF00FF00;      // MENUITEM HOTCOLOR
inline constexpr uint32_t kHeading = 0xFF333333;  // MENUCAPTION COLOR
inline constexpr uint32_t kGrid = 0xFF665544;     // GRIDLINE 0x445566
inline constexpr uint32_t kCheck0 = 0xFF00C800, kCheck1 = 0xFFC8C800;

inline Image32 MenuMaster() {
  Image32 image = Filled(16, 8, Bgra(0, 0, 0, 255));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) image.At(x, y) = kRing;
  for (auto [x, y] : {std::pair{0, 0}, {5, 0}, {0, 5}, {5, 5}}) image.At(x, y) = 0xFFFF00FF;
  for (int y = 0; y < 4; ++y)
    for (int x = 6; x < 10; ++x) image.At(x, y) = x < 8 ? kCheck0 : kCheck1;
  return image;
}

inline std::string MenuSections(bool withBorders = true) {
  return std::string("GRIDLINE=4478310\r\nCHECK=@0006@0000@0010@0004@2@0\r\n") +
         "[MAINMENU]\r\nSTATES=1\r\nCOLOR=1056816\r\nFONTCOLOR=0\r\n" +
         (withBorders ? "BORDERSMASK=^0000^0000^0006^0006^0002^0002^0002^0002^1^0^0^3\r\n" : "") +
         "[MENUITEM]\r\nSTATES=2\r\nTRANSPARENCY=100\r\nFONTCOLOR=255\r\n"
         "HOTTRANSPARENCY=0\r\nHOTCOLOR=65280\r\nHOTFONTCOLOR=16777215\r\n"
         "[ICOLINE]\r\nSTATES=1\r\nCOLOR=11141120\r\n"
         "[MENUCAPTION]\r\nSTATES=1\r\nCOLOR=3355443\r\nFONTCOLOR=43775\r\n";
}

struct MenuTestSkin {
  LoadedSkin loaded;
  MenuSkin skin;
  explicit MenuTestSkin(bool withBorders = true)
      : loaded(MenuSections(withBorders), MenuMaster()),
        skin(ResolveMenuSkin(loaded.registry.get(), "ICOLINE")) {}
};

}  // namespace velmora::skin::test
