#include "skin/controls/control_kinds.h"

#include <bitset>
#include <initializer_list>
#include <utility>

namespace velmora::skin {
namespace {

using Kinds = std::bitset<256>;
using Range = std::pair<int, int>;  // inclusive

Kinds Make(std::initializer_list<Range> ranges) {
  Kinds kinds;
  for (const auto& [first, last] : ranges)
    for (int k = first; k <= last; ++k) kinds.set(size_t(k));
  return kinds;
}

const Kinds& SetOf(KindSet set) {
  static const Kinds noHover = Make({{19, 19}, {51, 74}, {110, 110}, {141, 161}});
  static const Kinds editLike = Make({{2, 18}, {76, 85}, {132, 140}, {231, 231}});
  static const Kinds steady = Make({{51, 51}, {54, 54}, {56, 59}, {74, 74}, {110, 110},
                                    {141, 141}, {143, 143}, {151, 151}, {161, 161}, {226, 226}});
  static const Kinds focusColours = Make({{2, 18}, {76, 84}, {132, 140}, {231, 231}});
  static const Kinds frameRefresh = Make({{7, 8}, {10, 10}, {14, 14}, {78, 78}, {83, 83},
                                          {85, 85}, {231, 231}});
  static const Kinds special = Make({{92, 94}});
  switch (set) {
    case KindSet::NoHover: return noHover;
    case KindSet::EditLike: return editLike;
    case KindSet::SteadyBackground: return steady;
    case KindSet::FocusColours: return focusColours;
    case KindSet::FrameRefresh: return frameRefresh;
    case KindSet::SpecialRepaint: return special;
  }
  return special;
}

}  // namespace

bool InKindSet(KindSet set, uint8_t kind) { return SetOf(set).test(kind); }

DefaultSection DefaultSectionFor(uint8_t kind) {
  switch (kind) {
    case 18: return {DefaultSection::Named, "COMBOBOX"};
    case 19: return {DefaultSection::Named, "BAR"};
    case 20: return {DefaultSection::Named, "BARTITLE"};
    case 50:
    case 152: return {DefaultSection::Named, "CHECKBOX"};
    case 56: return {DefaultSection::Named, "DRAGBAR"};
    case 98: return {DefaultSection::Named, "TOOLBUTTON"};
    case 230:
    case 231: return {DefaultSection::Named, "EDIT"};
    default: break;
  }
  static const Kinds askOwner =
      Make({{2, 10}, {12, 14}, {32, 34}, {51, 51}, {53, 54}, {57, 59}, {74, 76}, {78, 78},
            {81, 85}, {92, 94}, {132, 141}, {143, 143}, {151, 151}, {161, 161}, {165, 165},
            {226, 227}});
  return {askOwner.test(kind) ? DefaultSection::AskOwner : DefaultSection::ClassName, {}};
}

}  // namespace velmora::skin
