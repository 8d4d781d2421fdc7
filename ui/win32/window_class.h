#pragma once
#include <windows.h>

namespace velmora::ui {

// Registers a window class of the program once, with the arrow cursor and the button-face
// background; returns its name.
const wchar_t* RegisterWindowClass(const wchar_t* name, WNDPROC procedure);

}  // namespace velmora::ui
