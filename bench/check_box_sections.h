#pragma once
// A check box as the program shows it: 100 x 17 on the window's textured, graded and bordered
// background, its section transparent in every state, its 16 x 16 check mark from the master
// image and a caption.
#include "skin/data/image32.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin::bench {

inline constexpr int32_t kCheckWidth = 100, kCheckHeight = 17;

inline Image32 CheckBoxMaster() {
  return test::Picture(256, 160, [](int32_t x, int32_t y) -> uint32_t {
    if (x < 160 && y < 120) return 0xFF000000u | uint32_t(0x0E + (x * 7 + y) % 9) << 16 | 0x2A20u;
    if (x >= 160 && x < 172 && y < 12) return 0xFF1F4A38u;
    if (x < 48 && y >= 120 && y < 136)
      return (x % 16 > 3 && x % 16 < 12) ? 0xFFE0F0E0u : 0x00FF00FFu;
    return 0xFF102030u;
  });
}

inline const char* kCheckBoxSections =
    "BOXCHECKED=@0000@0120@0048@0136@3@0\r\n"
    "[FORM]\r\nCOLOR=2764302\r\nIMAGEPERCENT=70\r\nGRADIENTPERCENT=30\r\n"
    "PATTERN=~0000~0000~0160~0120~00\r\n"
    "GRADIENTDATA=1319434;2502162;50;0;0;2502162;1319434;50;0;0;1319434;1319434;0;0;0\r\n"
    "BORDERSMASK=^0160^0000^0172^0012^0004^0004^0004^0004^1^0^0^0\r\n"
    "[CHECKBOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nTRANSPARENCY2=100\r\n"
    "FONTCOLOR=14737632\r\nHOTFONTCOLOR=16777215\r\n";

}  // namespace velmora::skin::bench
