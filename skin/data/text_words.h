#pragma once
#include <string_view>
#include <vector>

namespace velmora::skin {

// Splits at the separator; runs of it count as one, and leading and trailing ones are skipped.
std::vector<std::string_view> SplitWords(std::string_view text, char separator);

}  // namespace velmora::skin
