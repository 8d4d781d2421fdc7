#pragma once
#include <cstdint>
#include <span>

namespace velmora::app {

// The stored skin "Emerald (internal)" as the program carries it: the package "Emerald.asz",
// byte for byte, from the program's resources; empty when the resource is missing.
std::span<const uint8_t> StoredSkinPackage();

}  // namespace velmora::app
