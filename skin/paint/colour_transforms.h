#pragma once
// Per-pixel colour transforms. A pixel reads 0xAARRGGBB, a colour value 0x00BBGGRR; the
// transforms that weigh channels differently take which of the two they are given.
#include <cstdint>

namespace velmora::skin {

enum class ValueKind { Pixel, Colour };

// Each colour byte moves towards 255 (amount > 0) or 0 (amount < 0) by c * |amount| / 256;
// amount in -255..255. The same for pixels and colour values.
uint32_t Brighten(uint32_t value, int amount);

// Moves the channels away from (amount > 0) or towards (amount < 0) their grey; -255 is grey.
uint32_t Saturate(uint32_t value, int amount, ValueKind kind = ValueKind::Pixel);

// Turns the hue by whole degrees, keeping value and saturation.
uint32_t RotateHue(uint32_t value, int degrees, ValueKind kind = ValueKind::Pixel);

// The tone's colour at the input's brightest channel; `tone` must be in the input's own
// channel order. The high byte of the input is kept.
uint32_t ToneByValue(uint32_t value, uint32_t tone);

}  // namespace velmora::skin
