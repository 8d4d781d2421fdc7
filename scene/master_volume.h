#pragma once
#include <algorithm>
#include <cstdint>

namespace velmora::scene {

// The wave output device's volume for a master slider position (0 to 100): both channels at
// position x 650, so 100 gives 65000 of 65535 on each. Low half left, high half right.
constexpr std::uint32_t DeviceVolumeFor(int position) {
  const auto half = static_cast<std::uint32_t>(std::clamp(position, 0, 100) * 650);
  return half << 16 | half;
}

constexpr std::uint32_t kDeviceSilent = 0;

}  // namespace velmora::scene
