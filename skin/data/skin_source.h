#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/options_text.h"
#include "skin/data/skin_images.h"
#include "skin/data/skin_package.h"

namespace velmora::skin {

class SkinPlatform;

// A skin package kept in the main window's definition. Only Name and Data are used to load.
struct TsStoredSkin {
  std::string Name;
  std::vector<uint8_t> Data;
  std::string OriginName;
  int32_t Shadow1Color = 0, Shadow1Offset = 0, Shadow1Blur = -1, Shadow1Transparency = 0;
  int32_t BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author, Description;
};

// The manager's InternalSkins collection. Adding an item marks the skin list outdated.
class TsStoredSkins {
 public:
  explicit TsStoredSkins(std::function<void()> markListOutdated = {})
      : markListOutdated_(std::move(markListOutdated)) {}

  TsStoredSkin& Add(TsStoredSkin skin = {}) {
    items_.push_back(std::move(skin));
    if (markListOutdated_) markListOutdated_();
    return items_.back();
  }
  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const TsStoredSkin& operator[](size_t index) const { return items_[index]; }
  const TsStoredSkin& at(size_t index) const { return items_.at(index); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<TsStoredSkin> items_;
  std::function<void()> markListOutdated_;
};

// The first stored skin of exactly that name (case-sensitive), or -1.
int IndexOfStoredSkin(const TsStoredSkins& skins, std::string_view name);

// The skin directory with relative forms taken from the application directory.
std::string ResolveSkinDirectory(std::string_view skinDirectory,
                                 std::string_view applicationDirectory);
// A directory ready for a file name to be appended.
std::string NormaliseDirectory(std::string_view directory);
// "Name.asz" in any letter case becomes "Name"; the extension alone stays.
std::string StripPackageExtension(std::string_view skinName);

struct SkinSourceChoice {
  enum class Kind { PackedFile, Folder, Stored, None };
  Kind Source = Kind::None;
  std::string SkinName;  // the stored skin's name when it was the fallback
  std::string FilePath;  // the packed file
  std::string SkinPath;  // where image files are looked up
  int StoredIndex = -1;
};

// Resolves a skin name: packed file, folder skin, stored skin of that name, the first stored
// skin, or none.
SkinSourceChoice ChooseSkinSource(std::string_view skinName, std::string_view skinDirectory,
                                  const TsStoredSkins& stored, SkinPlatform& platform);

struct LoadedSkinSource {
  OptionsText Options;
  std::optional<TacSkinConvertor> Package;
  std::string SkinPath;
};

inline std::string InternalFormatMessage(std::string_view skinName) {
  return "Internal format error in the \"" + std::string(skinName) +
         "\" skin. Please, update this skin to latest version.";
}

// Reads the chosen source's options text and package; `folderOptions`, when given, stands in
// for a folder skin's options file. Throws SkinError; where the format's own message box was
// shown, the error says it was already reported.
LoadedSkinSource ReadSkinSource(const SkinSourceChoice& choice, const TsStoredSkins& stored,
                                SkinPlatform& platform,
                                const std::optional<std::string>& folderOptions = std::nullopt);

ImageSource ImagesOf(const LoadedSkinSource& source, SkinPlatform& platform);

}  // namespace velmora::skin
