#include "skin/manager/engine_start.h"

#include <algorithm>

#include "skin/data/number_text.h"
#include "skin/data/skin_platform.h"

namespace velmora::skin {
namespace {
bool g_started = false;
}  // namespace

bool AsksForVersion(std::span<const std::string> arguments) {
  return std::any_of(arguments.begin(), arguments.end(), [](const std::string& argument) {
    return EqualsIgnoringCase(argument, kVersionSwitch);
  });
}

void StartEngine(std::span<const std::string> arguments, SkinPlatform& platform) {
  if (g_started) return;
  g_started = true;
  if (AsksForVersion(arguments)) platform.ShowMessage(kVersionMessage, MessageKind::Information);
}

}  // namespace velmora::skin
