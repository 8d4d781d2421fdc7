#pragma once
#include <windows.h>

#include <string>

#include "skin/controls/cache_image.h"
#include "skin/controls/win32/skinned_window.h"

namespace velmora::skin {

// What a skinned window's caption is: its text, font, place and format.
struct CaptionText {
  std::wstring Text;
  HFONT Font = nullptr;  // nullptr: the default interface font
  Rect Place;
  UINT Format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
};

// Draws the caption into the window's cache in the colours of its section, or of the section
// its parent paints under it.
CaptionPainter ControlCaption(SkinnedWindow& window, CaptionText caption);

}  // namespace velmora::skin
