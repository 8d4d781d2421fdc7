#pragma once
// What a typed letter chooses in an open menu whose items are drawn by the skin: the platform
// knows no captions of owner-drawn items, so their owner answers for them.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora::skin {

// The letter after the caption's first single '&' ("&&" shows an ampersand), or 0 for none.
wchar_t MnemonicOf(std::wstring_view caption);

struct MenuLetterChoice {
  int32_t Position = -1;  // -1: no item takes the letter
  bool Execute = false;   // the only item to take it runs at once; among several it is selected
};

// Items take the letter by their mnemonic; when none does, items without a mnemonic take it by
// their first letter. Captions and letter come already case-folded; "-" is a divider. With
// several items taking it, the first after `current` (the highlighted position, -1 for none) is
// chosen, round to the top.
MenuLetterChoice ChooseByLetter(std::span<const std::wstring> captions, int32_t current,
                                wchar_t letter);

}  // namespace velmora::skin
