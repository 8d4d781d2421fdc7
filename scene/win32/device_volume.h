#pragma once
#include <cstdint>

namespace velmora::scene {

// Sets the volume of the default wave output device (the wave mapper): low 16 bits the left
// channel, high 16 bits the right. False, and nothing done, where the device has no volume
// control or cannot be asked.
bool SetDeviceVolume(std::uint32_t volume);

}  // namespace velmora::scene
