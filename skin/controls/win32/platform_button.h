#pragma once
// An owner-drawn push button without a skin, drawn in the platform's own style.
#include <windows.h>

#include <string>

namespace velmora::skin {

struct PlatformButtonLook {
  const std::wstring& Caption;
  HFONT Font = nullptr;
  bool WordWrap = false;
  int ContentMargin = 0;  // the caption's inset from either side
};

// The platform's button face and edge in the item's state, the caption centred as a block (moved
// by one pixel while pressed), and the focus rectangle when the item has the focus.
void DrawPlatformButton(const DRAWITEMSTRUCT& item, const PlatformButtonLook& look);

}  // namespace velmora::skin
