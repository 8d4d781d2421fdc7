#pragma once
// What the adapters of standard controls share in painting their windows.
#include <windows.h>

#include "skin/controls/common_data.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

// The window's top-left corner in its parent's client area.
POINT PositionInParent(HWND window);
// The control's font, or the default interface font.
HFONT ControlFont(HWND window);
// The platform's handling of a message with the window's redraw switched off, so that its own
// drawing of a state change never reaches the screen.
LRESULT WithRedrawOff(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The hot look when the pointer comes over an enabled window (unless hover looks are off), and
// the normal look when it leaves.
void ShowPointerOver(HWND window, TsCommonData& data);
void ShowPointerLeft(TsCommonData& data, bool glow);
// Copies the cache to (0, 0) of the device context in one block; nothing while it is empty.
void CopyCache(HDC dc, const TsCommonData& data);
// Builds the cache with `build` and copies it to the window's own device context.
template <typename Build>
void PaintNow(HWND window, const TsCommonData& data, Build&& build) {
  if (!IsWindowVisible(window) || !build()) return;
  const ui::WindowDc dc(window);
  CopyCache(dc.Get(), data);
}

}  // namespace velmora::skin
