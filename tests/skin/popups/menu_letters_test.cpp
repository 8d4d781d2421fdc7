// Letters typed in an open skinned menu: mnemonics first, then first letters.
#include "skin/popups/menu_letters.h"

#include <gtest/gtest.h>

#include <vector>

namespace velmora::skin {
namespace {

TEST(MenuLetters, TheMnemonicIsTheLetterAfterTheFirstSingleAmpersand) {
  EXPECT_EQ(MnemonicOf(L"MI&NIMIZE"), L'N');
  EXPECT_EQ(MnemonicOf(L"&CLOSE\tALT+F4"), L'C');
  EXPECT_EQ(MnemonicOf(L"SALT && &PEPPER"), L'P');
  EXPECT_EQ(MnemonicOf(L"SALT && PEPPER"), 0);
  EXPECT_EQ(MnemonicOf(L"TRAILING&"), 0);
}

TEST(MenuLetters, AnOnlyMnemonicRunsItsItem) {
  const std::vector<std::wstring> system{L"&RESTORE", L"&MOVE", L"&SIZE", L"MI&NIMIZE",
                                         L"MA&XIMIZE", L"-", L"&CLOSE\tALT+F4"};
  EXPECT_EQ(ChooseByLetter(system, -1, L'C').Position, 6);
  EXPECT_TRUE(ChooseByLetter(system, -1, L'C').Execute);
  EXPECT_EQ(ChooseByLetter(system, 2, L'N').Position, 3);
  // "MOVE" begins with M but has its own mnemonic; no item offers Q.
  EXPECT_EQ(ChooseByLetter(system, -1, L'I').Position, -1);
  EXPECT_EQ(ChooseByLetter(system, -1, L'Q').Position, -1);
  EXPECT_EQ(ChooseByLetter(system, -1, L'-').Position, -1);
  EXPECT_EQ(ChooseByLetter(system, -1, 0).Position, -1);
}

TEST(MenuLetters, CaptionsWithoutMnemonicsAnswerToTheirFirstLetter) {
  // The tray menu: "show the settings window", "close".
  const std::vector<std::wstring> tray{L"ПОКАЗАТЬ ОКНО НАСТРОЕК", L"ЗАКРЫТЬ"};
  EXPECT_EQ(ChooseByLetter(tray, -1, L'З').Position, 1);
  EXPECT_TRUE(ChooseByLetter(tray, -1, L'З').Execute);
  EXPECT_EQ(ChooseByLetter(tray, 1, L'П').Position, 0);
  EXPECT_EQ(ChooseByLetter(tray, -1, L'О').Position, -1);  // not a first letter
  // A mnemonic anywhere takes precedence over a first letter.
  const std::vector<std::wstring> mixed{L"OPEN", L"CL&OSE"};
  EXPECT_EQ(ChooseByLetter(mixed, -1, L'O').Position, 1);
}

TEST(MenuLetters, SeveralItemsTakingTheLetterAreSelectedInTurn) {
  const std::vector<std::wstring> items{L"&APPLE", L"-", L"&AVOCADO", L"BANANA", L"&ALMOND"};
  const MenuLetterChoice first = ChooseByLetter(items, -1, L'A');
  EXPECT_EQ(first.Position, 0);
  EXPECT_FALSE(first.Execute);
  EXPECT_EQ(ChooseByLetter(items, 0, L'A').Position, 2);
  EXPECT_EQ(ChooseByLetter(items, 3, L'A').Position, 4);
  EXPECT_EQ(ChooseByLetter(items, 4, L'A').Position, 0);  // round to the top
}

}  // namespace
}  // namespace velmora::skin
