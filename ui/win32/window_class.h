#pragma once
#include <windows.h>

namespace velmora::ui {

// Registers a window class of the program once, with the arrow cursor, the button-face
// background and the given class styles; returns its name.
const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC procedure, UINT style = 0);

}  // namespace velmora::ui
