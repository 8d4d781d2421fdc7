#pragma once
#include <cstdint>

namespace velmora::skin {

inline constexpr uint32_t kNoColour = 0x1FFFFFFF;
inline constexpr uint32_t kUnknownFill = 0x00FF00FF;  // a parent fill colour that is not known

// Colour value 0x00BBGGRR <-> pixel 0xAARRGGBB: red and blue exchanged, the rest kept.
inline constexpr uint32_t Swap(uint32_t value) {
  return (value & 0xFF00FF00u) | (value & 0xFF) << 16 | (value >> 16 & 0xFF);
}

inline constexpr bool IsSystemColour(uint32_t value) { return (value & 0xFF000000u) == 0xFF000000u; }

// Where system colours come from: the platform in the program, fixed values in tests. Colour
// numbers are global to the desktop, so the source is process-wide.
using SystemColourSource = uint32_t (*)(int number);  // answers 0x00BBGGRR
void SetSystemColourSource(SystemColourSource source);

// A system colour (0xFF0000nn) replaced by the platform's value; other values unchanged.
uint32_t ResolveColour(uint32_t value);

}  // namespace velmora::skin
