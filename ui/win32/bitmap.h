#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/win32/handles.h"

namespace velmora::ui {

// A 32-bit device-independent bitmap holding pixels given as blue, green, red, alpha, rows top
// to bottom.
UniqueBitmap BitmapFromPixels(int width, int height, std::span<const uint32_t> pixels);

// The bytes of a resource of the running program; empty when it has none of that name.
std::span<const uint8_t> ResourceBytes(int id, const wchar_t* type);

// A 32-bit bitmap resource, alpha kept; null when there is none.
UniqueBitmap LoadBitmapResource(int id);

}  // namespace velmora::ui
