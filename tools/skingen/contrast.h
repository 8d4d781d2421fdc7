#pragma once
#include <string>
#include <vector>

#include "skingen/package.h"

namespace skingen {

// One pair of text (or mark) and what lies under it, at its least legible.
struct ContrastCheck {
  std::string Name;
  Rgba Fore, Back;
  double Ratio = 0;
  double Required = 4.5;
};

// Every caption colour of the skin against the lightest background it can stand on: the
// texture's lightest pixel with the photograph's 7 % laid over it as if it were white.
std::vector<ContrastCheck> MeasureContrast(const StoredSkin& skin);

}  // namespace skingen
