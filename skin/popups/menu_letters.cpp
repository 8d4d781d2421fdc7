#include "skin/popups/menu_letters.h"

#include <vector>

namespace velmora::skin {
namespace {

wchar_t FirstLetter(std::wstring_view caption) {
  const size_t at = caption.find_first_not_of(L' ');
  return at == std::wstring_view::npos ? 0 : caption[at];
}

}  // namespace

wchar_t MnemonicOf(std::wstring_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

MenuLetterChoice ChooseByLetter(std::span<const std::wstring> captions, int32_t current,
                                wchar_t letter) {
  if (letter == 0) return {};
  std::vector<int32_t> byMnemonic, byFirstLetter;
  for (size_t i = 0; i < captions.size(); ++i) {
    const std::wstring& caption = captions[i];
    if (caption == L"-") continue;
    const wchar_t mnemonic = MnemonicOf(caption);
    if (mnemonic == letter) byMnemonic.push_back(int32_t(i));
    else if (mnemonic == 0 && FirstLetter(caption) == letter) byFirstLetter.push_back(int32_t(i));
  }
  const std::vector<int32_t>& matches = byMnemonic.empty() ? byFirstLetter : byMnemonic;
  if (matches.empty()) return {};
  if (matches.size() == 1) return {matches.front(), true};
  for (int32_t position : matches)
    if (position > current) return {position, false};
  return {matches.front(), false};
}

}  // namespace velmora::skin
