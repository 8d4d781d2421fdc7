#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/options_text.h"
#include "skin/data/parent_walk.h"
#include "skin/data/skin_scale.h"

namespace velmora::skin {

inline constexpr std::string_view kGlobalInfo = "GLOBALINFO";

// The typed readers over an options text: plain, inherited through PARENTCLASS, and GLOBALINFO's
// scaled ones. The parent walk stops at a section already visited (a cycle); the key then counts
// as absent.
class OptionsReader {
 public:
  // Throws SkinError when the sections' parent chains together pass kMaxParentLinks.
  OptionsReader(const OptionsText& text, SkinScale scale);

  const OptionsText& Text() const { return text_; }
  SkinScale Scale() const { return scale_; }

  std::string InheritedString(std::string_view section, std::string_view key,
                              std::string_view fallback) const;
  bool InheritedBoolean(std::string_view section, std::string_view key, bool fallback) const;
  int32_t InheritedInteger(std::string_view section, std::string_view key, int32_t fallback,
                           int32_t max = INT32_MAX, bool raw = false) const;

  int32_t GlobalInteger(std::string_view key, int32_t fallback) const;
  int32_t ScaledGlobalInteger(std::string_view key, int32_t fallback) const;

  // Calls visit(value) for the key in the section and then in each parent while it returns false.
  template <typename Visit>
  void WalkInherited(std::string_view section, std::string_view key, Visit visit) const;

 private:
  int ParentOf(int section) const { return parents_[size_t(section)]; }
  void CheckParentLinks() const;

  const OptionsText& text_;
  SkinScale scale_;
  std::vector<int> parents_;  // each section's parent, or -1
};

bool IsTrueText(std::string_view value);  // "TRUE" or "1", case-sensitive

template <typename Visit>
void OptionsReader::WalkInherited(std::string_view section, std::string_view key,
                                  Visit visit) const {
  WalkParents(
      text_.FindSection(section), parents_.size(),
      [&](int at) {
        const std::string* value = text_.FindIn(at, key);
        return value && visit(*value) ? at : -1;
      },
      [&](int at) { return ParentOf(at); });
}

}  // namespace velmora::skin
