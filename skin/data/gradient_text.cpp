#include <algorithm>

#include "skin/data/number_text.h"
#include "skin/data/section_data.h"
#include "skin/data/text_words.h"

namespace velmora::skin {
namespace {

std::string_view Word(const std::vector<std::string_view>& words, size_t oneBased) {
  return oneBased - 1 < words.size() ? words[oneBased - 1] : std::string_view();
}
uint32_t Low32(std::string_view word) { return static_cast<uint32_t>(RequireInt64(word)); }
uint8_t Percent(std::string_view word) {
  return static_cast<uint8_t>(std::clamp<int64_t>(RequireInt64(word), 0, 100));
}

TsGradArray DecodeFiveWordStops(const std::vector<std::string_view>& words) {
  TsGradArray stops(words.size() / 5);
  int sum = 0;
  for (size_t c = 0; c < stops.size(); ++c) {
    stops[c].Color = Low32(Word(words, 5 * c + 1)) | 0xFF000000u;
    stops[c].Mode = Low32(Word(words, 5 * c + 4)) & ~0x10u;
    stops[c].Position = static_cast<uint8_t>(std::min(sum, 100));
    sum += Percent(Word(words, 5 * c + 3));
  }
  if (!stops.empty() && (stops[0].Mode & 3) == 2) {
    while (stops.size() < 5) stops.push_back(stops.back());
  }
  return stops;
}

TsGradArray DecodeThreeWordStops(const std::vector<std::string_view>& words, char last) {
  const int count = static_cast<unsigned char>(last) - 64;
  TsGradArray stops(size_t(std::max(count, 0)));
  for (size_t c = 0; c < stops.size(); ++c) {
    stops[c].Color = Low32(Word(words, 3 * c + 1));
    stops[c].Position = Percent(Word(words, 3 * c + 2));
    stops[c].Mode = Low32(Word(words, 3 * c + 3));
    if (stops[c].Mode & 0x10) stops[0].Mode |= 0x20;
  }
  return stops;
}

}  // namespace

TsGradArray DecodeGradientText(std::string_view text) {
  if (text.size() <= 4) return {};
  const std::vector<std::string_view> words = SplitWords(text, ';');
  TsGradArray stops =
      text.back() == '0' ? DecodeFiveWordStops(words) : DecodeThreeWordStops(words, text.back());
  for (size_t c = 0; c < stops.size(); ++c) stops[c].Index = static_cast<int16_t>(c);
  if (!stops.empty()) stops.back().Position = 100;
  return stops;
}

}  // namespace velmora::skin
