#include "skin/data/skin_list.h"

#include <algorithm>

#include "skin/data/limits.h"
#include "skin/data/number_text.h"
#include "skin/data/skin_platform.h"

namespace velmora::skin {
namespace {

void AddEntry(SkinList& list, std::string name, bool external, std::span<const uint8_t> package) {
  TacSkinListData entry{std::move(name), external, -1};
  if (const auto preview = FindPreview(package)) {
    entry.ImageIndex = int(list.Previews.size());
    list.Previews.emplace_back(preview->begin(), preview->end());
  }
  list.Entries.push_back(std::move(entry));
}

// The file name without its first ".asz", found in any letter case.
std::string WithoutFirstExtension(const std::string& file) {
  const std::string upper = UpperCase(file);
  const size_t at = upper.find(".ASZ");
  return at == std::string::npos ? file : file.substr(0, at) + file.substr(at + 4);
}

}  // namespace

SkinList BuildSkinList(const TsStoredSkins& stored, std::string_view resolvedDirectory,
                       bool internal, bool external, SkinPlatform& platform) {
  SkinList list;
  if (internal) {
    for (const TsStoredSkin& skin : stored) AddEntry(list, skin.Name, false, skin.Data);
  }
  const std::string directory(resolvedDirectory);
  if (!external || !platform.DirectoryExists(directory)) return list;
  const std::string folder = NormaliseDirectory(directory);
  for (const std::string& file : platform.ListFiles(directory)) {
    const size_t dot = file.find_last_of('.');
    if (file.starts_with('.') || dot == std::string::npos || file.substr(dot) != ".asz") continue;
    const auto bytes = platform.ReadFile(folder + file, kMaxPackageBytes);
    AddEntry(list, WithoutFirstExtension(file), true,
             bytes ? std::span<const uint8_t>(*bytes) : std::span<const uint8_t>());
  }
  return list;
}

std::string GetSkinNames(const SkinList& list, int kind, std::vector<std::string>& names) {
  names.clear();
  for (const TacSkinListData& entry : list.Entries) {
    if (kind == 2 || (kind == 0) == entry.External) names.push_back(entry.Name);
  }
  std::string first = names.empty() ? std::string() : names.front();
  std::sort(names.begin(), names.end());
  return first;
}

}  // namespace velmora::skin
