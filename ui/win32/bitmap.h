#pragma once
#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/picture.h"
#include "ui/win32/handles.h"

namespace velmora::ui {

// A 32-bit device-independent bitmap holding the picture's pixels.
UniqueBitmap BitmapFromPicture(const Picture& picture);

// The bytes of a resource of the running program; empty when it has none of that name.
std::span<const uint8_t> ResourceBytes(int id, const wchar_t* type);

// A 32-bit bitmap resource, alpha kept; null when there is none.
UniqueBitmap LoadBitmapResource(int id);

}  // namespace velmora::ui
