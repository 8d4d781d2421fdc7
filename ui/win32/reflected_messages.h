#pragma once
#include <windows.h>

namespace velmora::ui {

// Notifications the form hands back to the control they concern before its own handling, so that
// whoever took over the control's window (a skin adapter) can answer them: a non-zero answer to a
// draw request means the item has been drawn.
inline constexpr UINT kReflectedBase = 0xBC00;
inline constexpr UINT kReflectedCommand = kReflectedBase + WM_COMMAND;
inline constexpr UINT kReflectedDrawItem = kReflectedBase + WM_DRAWITEM;

}  // namespace velmora::ui
