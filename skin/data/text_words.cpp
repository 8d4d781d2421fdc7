#include "skin/data/text_words.h"

#include <algorithm>

namespace velmora::skin {

std::vector<std::string_view> SplitWords(std::string_view text, char separator) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && text[at] == separator) ++at;
    const size_t end = std::min(text.find(separator, at), text.size());
    if (end > at) words.push_back(text.substr(at, end - at));
    at = end;
  }
  return words;
}

}  // namespace velmora::skin
