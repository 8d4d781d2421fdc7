#pragma once
// Where a minimised form's image flies, asked of the platform's documented calls only.
#include <windows.h>

#include <optional>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

// The property by which a form names the hidden window of the notification icon it minimises to
// (the icon's identifier is that window's handle).
inline constexpr wchar_t kTrayIconProperty[] = L"ACSTRAYICON";

// The form's notification icon when the platform can tell its rectangle; otherwise the point of
// the taskbar's inner edge nearest the window. None without a taskbar: the platform's own
// animation is left to play.
std::optional<Rect> MinimiseTarget(HWND form, const Rect& window);

}  // namespace velmora::skin
