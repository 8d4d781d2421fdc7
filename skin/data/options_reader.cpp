#include "skin/data/options_reader.h"

#include "skin/data/limits.h"
#include "skin/data/number_text.h"
#include "skin/data/skin_error.h"

namespace velmora::skin {

bool IsTrueText(std::string_view value) { return value == "TRUE" || value == "1"; }

// A parent is named by a PARENTCLASS value that is not empty, not "?" and not the section itself.
OptionsReader::OptionsReader(const OptionsText& text, SkinScale scale)
    : text_(text), scale_(scale), parents_(text.Sections().size(), -1) {
  for (size_t i = 0; i < parents_.size(); ++i) {
    const std::string* parent = text_.FindIn(int(i), "PARENTCLASS");
    if (parent && !parent->empty() && *parent != "?" && *parent != text_.Sections()[i].Name) {
      parents_[i] = text_.FindSection(*parent);
    }
  }
  CheckParentLinks();
}

void OptionsReader::CheckParentLinks() const {
  int64_t links = 0;
  const auto count = [&](int) { return ++links > kMaxParentLinks ? 0 : -1; };
  for (size_t i = 0; i < parents_.size() && links <= kMaxParentLinks; ++i)
    WalkParents(int(i), parents_.size(), count, [&](int at) { return ParentOf(at); });
  if (links > kMaxParentLinks) throw SkinError("The skin's PARENTCLASS chains are too long");
}

std::string OptionsReader::InheritedString(std::string_view section, std::string_view key,
                                           std::string_view fallback) const {
  std::string result(fallback);
  WalkInherited(section, key, [&](const std::string& value) {
    result = value;
    return true;
  });
  return result;
}

bool OptionsReader::InheritedBoolean(std::string_view section, std::string_view key,
                                     bool fallback) const {
  const std::string value = InheritedString(section, key, "?");
  return value == "?" ? fallback : IsTrueText(value);
}

int32_t OptionsReader::InheritedInteger(std::string_view section, std::string_view key,
                                        int32_t fallback, int32_t max, bool raw) const {
  int32_t result = -1;
  WalkInherited(section, key, [&](const std::string& value) {
    result = ParseInt32(value).value_or(-1);
    return result >= 0;
  });
  if (result < 0 && !raw) result = fallback;
  return result > max ? max : result;
}

int32_t OptionsReader::GlobalInteger(std::string_view key, int32_t fallback) const {
  return text_.ReadInteger(kGlobalInfo, key, fallback);
}

int32_t OptionsReader::ScaledGlobalInteger(std::string_view key, int32_t fallback) const {
  const int32_t scaled =
      text_.ReadInteger(kGlobalInfo, std::string(key) + std::string(scale_.Suffix()), -1);
  if (scaled >= 0 || scale_.Index == 0) return scaled;
  return static_cast<int32_t>(int64_t(GlobalInteger(key, fallback)) * scale_.Percent() / 100);
}

}  // namespace velmora::skin
