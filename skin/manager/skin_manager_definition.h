#pragma once
// What a window definition stores for a skin manager, in the order it is read.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "skin/manager/third_party_lists.h"

namespace velmora::skin {

struct StoredSkinDefinition {
  std::string_view Name;
  std::string_view OriginName;
  std::span<const uint8_t> Data;
  int32_t Shadow1Color = 0;
  int32_t Shadow1Offset = 0;
  int32_t Shadow1Transparency = 0;
};

struct SkinManagerDefinition {
  std::vector<StoredSkinDefinition> InternalSkins;
  std::string_view SkinDirectory;
  std::string_view SkinName;
  std::string_view SkinInfo;  // stored, ignored when read
  std::array<std::string_view, kThirdPartyKinds> ThirdParty;  // one class name per line
};

}  // namespace velmora::skin
