#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/skin_error.h"

namespace velmora::skin {

inline constexpr std::string_view kNotAPackageMessage = "Loaded data is not a packed Corvanne file";

// Thrown when the data does not begin with the package signature; the caller shows the message
// in an error box.
class NotAPackageError : public SkinError {
 public:
  NotAPackageError() : SkinError(std::string(kNotAPackageMessage)) {}
};

// One image member of a package.
struct TacImageItem {
  std::string Name;  // as stored
  bool IsBitmap = false;
  std::vector<uint8_t> Data;
};

// A package read into memory: its options text and its image members in package order.
struct TacSkinConvertor {
  std::optional<std::string> Options;
  std::vector<TacImageItem> Images;
  int64_t ImageCount = 0;  // the member count less one: the package should hold one options member
};

// Reads every member; throws NotAPackageError or SkinError (corrupt or truncated data, a member
// over the size caps). Bytes after the last member are not looked at.
TacSkinConvertor ReadSkinPackage(std::span<const uint8_t> source);

// The first of the first ImageCount members whose upper-cased name equals name exactly.
const TacImageItem* FindImageMember(const TacSkinConvertor& package, std::string_view name);

// The PNG bytes of the package's preview block, found anywhere in it, or nullopt.
std::optional<std::span<const uint8_t>> FindPreview(std::span<const uint8_t> package);

}  // namespace velmora::skin
