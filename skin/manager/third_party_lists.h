#pragma once
// The class-name lists: which standard control classes each kind of adapter skins.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::skin {

inline constexpr size_t kThirdPartyKinds = 23;

// Property names, in index order.
extern const std::array<std::string_view, kThirdPartyKinds> kThirdPartyProperties;
// Kind names, in index order, as the adapters know them.
extern const std::array<std::string_view, kThirdPartyKinds> kThirdPartyKindNames;

// The published texts, one class name per line.
struct TsThirdPartyList {
  std::array<std::string, kThirdPartyKinds> Texts;
};

// Each list as exact, case-sensitive class names.
using ClassNameLists = std::array<std::vector<std::string>, kThirdPartyKinds>;

// Empty texts take their defaults: "TButton" for the buttons, a single blank line otherwise.
void FillThirdPartyDefaults(TsThirdPartyList& lists);
ClassNameLists LoadClassNameLists(const TsThirdPartyList& lists);
// The first kind whose list holds the class name exactly, or -1.
int KindOfClass(const ClassNameLists& lists, std::string_view className);

}  // namespace velmora::skin
