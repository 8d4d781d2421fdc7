#pragma once
#include <cstdint>
#include <optional>

#include "skin/controls/common_data.h"

namespace velmora::skin {

// The default handling of an engine command by a skin data object; nullopt passes the message on
// to the owner's normal processing.
std::optional<intptr_t> HandleEngineCommand(TsCommonData& data, const EngineMessage& message);

}  // namespace velmora::skin
