#pragma once
#include <windows.h>

#include <string>

#include "skin/controls/button_paint.h"
#include "skin/controls/cache_image.h"
#include "skin/controls/win32/skinned_window.h"

namespace velmora::skin {

// What a skinned window's caption is: its text, font, place and format.
struct CaptionText {
  std::wstring Text;
  HFONT Font = nullptr;  // nullptr: the default interface font
  Rect Place;
  UINT Format = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  bool AsEnabled = false;  // drawn as enabled whatever the window (its image is dimmed after)
};

// Draws the caption into the window's cache in the colours of its section, or of the section
// its parent paints under it.
CaptionPainter ControlCaption(SkinnedWindow& window, CaptionText caption);

// The size of a caption laid out within `width` in the font (nullptr: the default interface
// font), no wider than `width`.
Size2 MeasureCaption(HDC dc, HFONT font, const std::wstring& text, int32_t width, UINT format);

}  // namespace velmora::skin
