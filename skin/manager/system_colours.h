#pragma once
// The system colours as the skin answers them while it redirects the platform's queries.
#include <cstdint>
#include <optional>

namespace velmora::skin {

class SkinRegistry;

// The colour (0x00BBGGRR) a system colour query gets from the skin; nullopt: the system's own.
std::optional<uint32_t> SkinSystemColour(int index, const SkinRegistry& skin);
// The colour a pen created with `colour` gets from the skin; nullopt: the colour as given.
std::optional<uint32_t> SkinPenColour(uint32_t colour, const SkinRegistry& skin);

}  // namespace velmora::skin
