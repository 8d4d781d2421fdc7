#pragma once
#include <cstdint>

namespace velmora::ui {

// The window definition is laid out at 120 pixels per inch; on another screen every position,
// size and font height scales by the ratio, rounded to nearest with halves away from zero as
// the platform's MulDiv does.
inline constexpr int kDesignDpi = 120;

constexpr int ScaleForDpi(int designPixels, int screenDpi) {
  const int64_t product = int64_t{designPixels} * screenDpi;
  const int64_t half = kDesignDpi / 2;
  return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi
                                       : -((-product + half) / kDesignDpi));
}

}  // namespace velmora::ui
