#pragma once
#include <string_view>

namespace velmora::skin {

// The scale a skin is read at: index 0 (100 %), 1 (125 %), 2 (150 %) or 3 (200 %). With the old
// scale mode sizes from the skin are used as written.
struct SkinScale {
  int Index = 0;
  bool OldMode = true;

  std::string_view Suffix() const;  // "", "*125", "*150", "*200"
  int Percent() const;              // 100, 125, 150, 200
  int ScaledValue(int value) const;
};

// True when the key ends in one of the scale suffixes.
bool HasScaleSuffix(std::string_view key);

}  // namespace velmora::skin
