#pragma once
// The colours of the emerald skin: a forest clearing at night seen through dark green glass.
#include "skingen/image.h"

namespace skingen::colours {

inline constexpr Rgba kGroundDark = Hex(0x0E2A20), kGroundLight = Hex(0x14362A);
inline constexpr Rgba kTitleTop = Hex(0x0A2019), kTitleBottom = Hex(0x123326);
inline constexpr Rgba kTitleInactiveTop = Hex(0x0C231B), kTitleInactiveBottom = Hex(0x102C22);
inline constexpr Rgba kHairline = Hex(0x2E6B4F), kHairlineInactive = Hex(0x1F4A38);
inline constexpr Rgba kFrameOuter = Hex(0x081A13), kFrameInner = Hex(0x1F4A38);
inline constexpr Rgba kFrameInnerInactive = Hex(0x183B2D);
inline constexpr Rgba kTitleSeparator = Hex(0x0A1D16);
inline constexpr Rgba kText = Hex(0xDCEFE2), kTextBright = Hex(0xF0FAF3);
inline constexpr Rgba kTextInactive = Hex(0xA3C2B2), kTextDisabled = Hex(0x7FA091);
inline constexpr Rgba kAccent = Hex(0x5FC68E), kAccentHot = Hex(0x86DDAE);
inline constexpr Rgba kAccentPressed = Hex(0x3E9E6C);
inline constexpr Rgba kFaceTop = Hex(0x16402F), kFaceBottom = Hex(0x0F3124);
inline constexpr Rgba kFaceHotTop = Hex(0x1D5038), kFaceHotBottom = Hex(0x16402F);
inline constexpr Rgba kFacePressedTop = Hex(0x0B271C), kFacePressedBottom = Hex(0x0E2D21);
inline constexpr Rgba kControlBorder = Hex(0x2B6049), kControlBorderHot = Hex(0x41866A);
inline constexpr Rgba kControlBorderPressed = Hex(0x0A1F17);
inline constexpr Rgba kFieldFace = Hex(0x0F3124), kFieldFaceHot = Hex(0x16402F);
inline constexpr Rgba kChannel = Hex(0x07170F), kChannelHot = Hex(0x0A1F15);
inline constexpr Rgba kChannelHighlight = Hex(0x2A5E46), kChannelHighlightHot = Hex(0x3A7A5C);
inline constexpr Rgba kTick = Hex(0x2E5C47);
inline constexpr Rgba kThumbTop = Hex(0x2B6A4C), kThumbBottom = Hex(0x1A4A35);
inline constexpr Rgba kThumbHotTop = Hex(0x357D5B), kThumbHotBottom = Hex(0x215A41);
inline constexpr Rgba kCloseHot = Hex(0xB5483A), kClosePressed = Hex(0x8C3328);
inline constexpr Rgba kTitleGlyph = Hex(0xC6E0D1);
inline constexpr Rgba kMenuGround = Hex(0x10301F), kMenuSelected = Hex(0x1E5A3E);
inline constexpr Rgba kMenuIconColumn = Hex(0x0D2A1B);
inline constexpr Rgba kGridLine = Hex(0x24533F);
inline constexpr Rgba kSelection = Hex(0x1E5A3E);

}  // namespace skingen::colours
