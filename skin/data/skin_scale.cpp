#include "skin/data/skin_scale.h"

namespace velmora::skin {
namespace {
constexpr std::string_view kSuffixes[] = {"", "*125", "*150", "*200"};
constexpr int kPercents[] = {100, 125, 150, 200};
int Clamped(int index) { return index < 0 || index > 3 ? 0 : index; }
}  // namespace

std::string_view SkinScale::Suffix() const { return kSuffixes[Clamped(Index)]; }
int SkinScale::Percent() const { return kPercents[Clamped(Index)]; }

int SkinScale::ScaledValue(int value) const {
  if (OldMode) return value;
  switch (Clamped(Index)) {
    case 1:
      return value + value / 4;
    case 2:
      return value + value / 2;
    case 3:
      return value * 2;
    default:
      return value;
  }
}

bool HasScaleSuffix(std::string_view key) {
  for (int i = 1; i < 4; ++i)
    if (key.ends_with(kSuffixes[i])) return true;
  return false;
}

}  // namespace velmora::skin
