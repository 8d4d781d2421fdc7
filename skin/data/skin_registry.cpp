#include "skin/data/skin_registry.h"

#include <algorithm>

#include "skin/data/options_reader.h"
#include "skin/data/parent_walk.h"
#include "skin/data/skin_platform.h"

namespace velmora::skin {
namespace {

std::string IndexKey(int section, std::string_view key) {
  return std::to_string(section) + '\1' + std::string(key);
}
std::string NameKey(std::string_view section, std::string_view key) {
  return std::string(section) + '\1' + std::string(key);
}
int Lookup(const std::unordered_map<std::string, int>& map, const std::string& key) {
  const auto found = map.find(key);
  return found == map.end() ? -1 : found->second;
}

}  // namespace

int SkinRegistry::AddMask(TsMaskData mask) {
  const int index = int(masks_.size());
  mask.Owner = this;
  maskBySectionIndex_.try_emplace(IndexKey(mask.SectionIndex, mask.KeyName), index);
  maskBySectionName_.try_emplace(NameKey(mask.SectionName, mask.KeyName), index);
  if (mask.Kind == kTexture)
    textureBySectionName_.try_emplace(NameKey(mask.SectionName, mask.KeyName), index);
  masks_.push_back(std::move(mask));
  return index;
}

int SkinRegistry::AddSection(TsGeneralData section) {
  const int index = int(sections_.size());
  sectionByName_.try_emplace(section.SectionName, index);
  sections_.push_back(std::move(section));
  return index;
}

int SkinRegistry::GetSkinIndex(std::string_view name) const {
  const auto found = sectionByName_.find(name);
  return found == sectionByName_.end() ? -1 : found->second;
}

int SkinRegistry::ParentIndex(int skinIndex) const {
  if (!IsValidSkinIndex(skinIndex)) return -1;
  const std::string& parent = sections_[size_t(skinIndex)].ParentName;
  return parent.empty() ? -1 : GetSkinIndex(parent);
}

int SkinRegistry::GetMaskIndex(int skinIndex, std::string_view key) const {
  if (!IsValidSkinIndex(skinIndex)) return -1;
  return WalkParents(
      skinIndex, sections_.size(),
      [&](int at) { return Lookup(maskBySectionIndex_, IndexKey(at, key)); },
      [&](int at) { return ParentIndex(at); });
}

int SkinRegistry::GetMaskIndex(int skinIndex, std::string_view sectionName,
                               std::string_view key) const {
  if (!IsValidSkinIndex(skinIndex)) return -1;
  return WalkParents(
      skinIndex, sections_.size(),
      [&](int at) { return Lookup(maskBySectionIndex_, IndexKey(at, key)); },
      [&](int at) {
        const std::string& parent = sections_[size_t(at)].ParentName;
        return parent == sectionName ? -1 : ParentIndex(at);
      });
}

int SkinRegistry::GetMaskIndexByName(std::string_view sectionName, std::string_view key) const {
  return Lookup(maskBySectionName_, NameKey(sectionName, key));
}

int SkinRegistry::GetTextureIndex(int skinIndex, std::string_view sectionName,
                                  std::string_view key) const {
  const int own = Lookup(textureBySectionName_, NameKey(sectionName, key));
  if (own >= 0 || !IsValidSkinIndex(skinIndex)) return own;
  const bool selfParent = sections_[size_t(skinIndex)].ParentName == sectionName;
  return WalkParents(
      selfParent ? -1 : ParentIndex(skinIndex), sections_.size(),
      [&](int at) {
        return Lookup(textureBySectionName_, NameKey(sections_[size_t(at)].SectionName, key));
      },
      [&](int at) {
        const std::string& parent = sections_[size_t(at)].ParentName;
        return parent == sectionName ? -1 : ParentIndex(at);
      });
}

int SkinRegistry::ScaledMask(int skinIndex, std::string_view sectionName,
                             std::string_view key) const {
  if (scale_.Index > 0) {
    const std::string scaled = std::string(key) + std::string(scale_.Suffix());
    if (const int found = GetMaskIndex(skinIndex, sectionName, scaled); found >= 0) return found;
  }
  return GetMaskIndex(skinIndex, sectionName, key);
}

int SkinRegistry::GlobalMask(std::string_view key) const {
  return ScaledMask(indexes_.IndexGlobalInfo, kGlobalInfo, key);
}

int ScrollWidth(int scrollSize, SkinPlatform& platform) {
  return scrollSize >= 0 ? scrollSize
                         : platform.SystemMetricValue(SystemMetric::VerticalScrollWidth);
}

int ScrollWidthAtLeastSystem(int scrollSize, SkinPlatform& platform) {
  return std::max(ScrollWidth(scrollSize, platform),
                  platform.SystemMetricValue(SystemMetric::VerticalScrollWidth));
}

}  // namespace velmora::skin
