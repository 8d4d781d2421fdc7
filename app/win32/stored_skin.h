#pragma once
#include <cstdint>
#include <span>

namespace velmora::app {

// The stored skin's package, compiled into the program; empty when the program holds none.
std::span<const std::uint8_t> StoredSkinPackage();

}  // namespace velmora::app
