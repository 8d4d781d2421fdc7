#pragma once
#include <span>
#include <string>
#include <string_view>

namespace velmora::skin {

class SkinPlatform;

inline constexpr std::string_view kVersionSwitch = "/acver";
inline constexpr std::string_view kVersionMessage = "Quenlith v12.22";

// True when an argument, in lower case, is the version switch.
bool AsksForVersion(std::span<const std::string> arguments);

// The engine's once-per-process start: the version message when the command line asks for it.
void StartEngine(std::span<const std::string> arguments, SkinPlatform& platform);

}  // namespace velmora::skin
