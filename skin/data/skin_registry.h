#pragma once
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "skin/data/constant_indexes.h"
#include "skin/data/image32.h"
#include "skin/data/mask_data.h"
#include "skin/data/options_text.h"
#include "skin/data/section_data.h"
#include "skin/data/skin_common_data.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_palette.h"
#include "skin/data/skin_scale.h"

namespace velmora::skin {

class SkinPlatform;

// How a skin is to be decoded: the manager's settings that reach the data.
struct SkinLoadSettings {
  SkinScale Scale;
  int Brightness = 0;
  int HueOffset = 0;   // degrees
  int Saturation = 0;  // percent
  bool ExtendedBorders = false;
  const Image32* BuiltinBorderActive = nullptr;  // used when a skin has no EXBORDER
  const Image32* BuiltinBorderInactive = nullptr;
  std::string CommonSections;  // an options text laid over every skin's sections
};

// The extended-border images and their widths (left, top, right, bottom).
struct ExtendedBorderData {
  Image32 Active, Inactive;
  std::array<int32_t, 4> Widths{};
};

// A decoded skin: master and external images, masks, sections, common data, palette, outer
// effects and pre-resolved indexes, with the lookups controls use. Built whole by Load, so a
// failed load leaves the previous registry untouched.
class SkinRegistry {
 public:
  static std::unique_ptr<SkinRegistry> Load(const OptionsText& options, const ImageSource& images,
                                            const SkinLoadSettings& settings,
                                            SkinPlatform& platform);

  int GetSkinIndex(std::string_view name) const;
  int GetMaskIndex(int skinIndex, std::string_view key) const;
  int GetMaskIndex(int skinIndex, std::string_view sectionName, std::string_view key) const;
  int GetMaskIndexByName(std::string_view sectionName, std::string_view key) const;
  int GetTextureIndex(int skinIndex, std::string_view sectionName, std::string_view key) const;
  int GlobalMask(std::string_view key) const;
  bool IsValidSkinIndex(int index) const { return index >= 0 && size_t(index) < sections_.size(); }
  bool IsValidMaskIndex(int index) const { return index >= 0 && size_t(index) < masks_.size(); }

  int32_t MainColor() const { return palette_[kMainColor]; }
  int32_t LabelColor() const { return palette_[kLabelText]; }
  int32_t EditColor() const { return palette_[kEditBackground]; }
  int32_t EditTextColor() const { return palette_[kEditText]; }
  int32_t HighlightColor(bool focused) const {
    return palette_[focused ? kSelectionFocused : kSelection];
  }
  int32_t HighlightTextColor(bool focused) const {
    return palette_[focused ? kSelectionTextFocused : kSelectionText];
  }

  const Image32& MasterImage() const { return master_; }
  const std::vector<TacExtFileData>& ExternalImages() const { return external_; }
  const std::vector<TsMaskData>& Masks() const { return masks_; }
  const std::vector<TsGeneralData>& Sections() const { return sections_; }
  const TsSkinData& CommonData() const { return common_; }
  TsSkinData& CommonData() { return common_; }
  const SkinPalette& Palette() const { return palette_; }
  const std::array<OuterEffectData, 2>& OuterEffects() const { return outerEffects_; }
  const TConstantSkinData& Indexes() const { return indexes_; }
  const ExtendedBorderData& ExtendedBorders() const { return extendedBorders_; }

 private:
  class Loader;
  friend class Loader;

  int AddMask(TsMaskData mask);
  int AddSection(TsGeneralData section);
  // The parent of a section for the mask walks, or -1; guarded against a missing parent.
  int ParentIndex(int skinIndex) const;
  int ScaledMask(int skinIndex, std::string_view sectionName, std::string_view key) const;

  Image32 master_;
  std::vector<TacExtFileData> external_;
  std::vector<TsMaskData> masks_;
  std::vector<TsGeneralData> sections_;
  TsSkinData common_;
  SkinPalette palette_{};
  std::array<OuterEffectData, 2> outerEffects_;
  TConstantSkinData indexes_;
  ExtendedBorderData extendedBorders_;
  SkinScale scale_;
  TextMap<int> sectionByName_;
  std::unordered_map<std::string, int> maskBySectionIndex_;  // "index\1key"
  std::unordered_map<std::string, int> maskBySectionName_;   // "name\1key"
  std::unordered_map<std::string, int> textureBySectionName_;
};

// Scroll bar width: the configured size when 0 or more, else the platform's.
int ScrollWidth(int scrollSize, SkinPlatform& platform);
// The same, but never narrower than the platform's: room for a combo box's button.
int ScrollWidthAtLeastSystem(int scrollSize, SkinPlatform& platform);

}  // namespace velmora::skin
