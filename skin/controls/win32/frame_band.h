#pragma once
#include <windows.h>

#include "skin/controls/win32/dib_cache.h"

namespace velmora::skin {

// Copies the outer band of a window's frame cache, `width` pixels deep, to the window's own
// device context (frame included); the inside is left to the platform's painting.
void CopyFrameBand(HDC windowDc, const DibCache& cache, int width);

}  // namespace velmora::skin
