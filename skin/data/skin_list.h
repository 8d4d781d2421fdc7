#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/skin_source.h"

namespace velmora::skin {

class SkinPlatform;

struct TacSkinListData {
  std::string Name;
  bool External = false;
  int ImageIndex = -1;  // position in Previews, -1 without a preview
};

// The available skins in collection order, with the PNG previews found in their packages.
struct SkinList {
  std::vector<TacSkinListData> Entries;
  std::vector<std::vector<uint8_t>> Previews;
};

// Stored skins first (when asked), then the ".asz" files of the resolved skin directory.
SkinList BuildSkinList(const TsStoredSkins& stored, std::string_view resolvedDirectory,
                       bool internal, bool external, SkinPlatform& platform);

// Kind 0 lists packed files, 1 stored skins, 2 both; the names come back sorted and the result
// is the name of the first entry collected, or empty.
std::string GetSkinNames(const SkinList& list, int kind, std::vector<std::string>& names);

}  // namespace velmora::skin
