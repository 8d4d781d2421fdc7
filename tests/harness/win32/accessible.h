#pragma once
// What the platform's accessibility interface tells a screen reader about a window.
#include <windows.h>

#include <string>

namespace velmora::harness {

// One JSON object: the answer to the request for the window's accessible object ("hresult"),
// and where it came, the object's "role", "name", "state" and "value".
std::string AccessibleJson(HWND window);

}  // namespace velmora::harness
