#include <gtest/gtest.h>

#include "skin/popups/menu_background.h"
#include "skin/popups/menu_item.h"
#include "tests/skin/popups/menu_skin.h"

namespace velmora::skin {
namespace {

TEST(MenuItemKinds, DashesMakeDividersAndHeadings) {
  EXPECT_EQ(ItemTypeOf(L"-"), TsMenuItemType::smDivider);
  EXPECT_EQ(ItemTypeOf(L"-Sounds-"), TsMenuItemType::smCaption);
  EXPECT_EQ(ShownCaption(L"-Sounds-"), L"Sounds");
  EXPECT_EQ(ItemTypeOf(L"--"), TsMenuItemType::smCaption);
  EXPECT_EQ(ShownCaption(L"--"), L"");
  EXPECT_EQ(ItemTypeOf(L"-Sounds"), TsMenuItemType::smNormal);
  EXPECT_EQ(ItemTypeOf(L"Закрыть"), TsMenuItemType::smNormal);
  EXPECT_EQ(ShownCaption(L"Закрыть"), L"Закрыть");
}

TEST(MenuItemKinds, ATabSplitsTheShortcutOff) {
  const CaptionParts parts = SplitAtTab(L"Закрыть\tAlt+F4");
  EXPECT_EQ(parts.Text, L"Закрыть");
  EXPECT_EQ(parts.Shortcut, L"Alt+F4");
  EXPECT_EQ(SplitAtTab(L"Move").Shortcut, L"");
  EXPECT_EQ(SplitAtTab(L"a\tb\tc").Shortcut, L"b\tc");
}

// Margin 2, spacing 8, border 3, glyphs 16 x 16: the columns take 2 * 16 + 3 * 2 + 8 = 46.
TEST(MenuMeasure, EachKindHasItsHeightAndWidth) {
  const MenuMetrics m;
  MeasureFacts divider{TsMenuItemType::smDivider, {200, 13}};
  EXPECT_EQ(MeasureMenuItem(m, divider), (ItemSize{46, 2}));
  MeasureFacts heading{TsMenuItemType::smCaption, {40, 13}};
  EXPECT_EQ(MeasureMenuItem(m, heading), (ItemSize{86, 13 + 4 + 3}));
  MeasureFacts normal{TsMenuItemType::smNormal, {50, 13}};
  EXPECT_EQ(MeasureMenuItem(m, normal), (ItemSize{96, 16 + 4 + 2}));
  normal.Text.Height = 30;  // a caption of two lines is taller than the glyph
  EXPECT_EQ(MeasureMenuItem(m, normal).Height, 30 + 4 + 2);
  normal.Glyph = {0, 0};
  EXPECT_EQ(MeasureMenuItem(m, normal).Width, 50 + 6 + 8);
}

TEST(MenuMeasure, WithoutBordersMaskTheFrameIsLeftOutAndTheExtraLineIsAdded) {
  MenuMetrics m;
  m.Margin = 3, m.Spacing = 5, m.BorderWidth = 4;
  MeasureFacts normal{TsMenuItemType::smNormal, {50, 13}};
  normal.MainMenuHasBorders = false;
  EXPECT_EQ(MeasureMenuItem(m, normal).Width, 32 + 50 + 9 + 5 - 8);
  normal.ExtraLineWidth = 32;
  EXPECT_EQ(MeasureMenuItem(m, normal).Width, 32 + 50 + 9 + 5 - 8 + 32);
  EXPECT_EQ(MeasureMenuItem(m, normal).Height, 16 + 6 + 2);
}

TEST(MenuExtraLine, ShownOnlyWhenTheOptionAsksForIt) {
  EXPECT_FALSE(ShowsExtraLine(false, true, L"N1"));
  EXPECT_TRUE(ShowsExtraLine(true, true, L"N1"));
  EXPECT_FALSE(ShowsExtraLine(true, false, L"N1"));
  EXPECT_FALSE(ShowsExtraLine(true, true, L"SkinSelectItem"));
}

TEST(MenuSize, ColumnsSideBySideWithTheFrameAround) {
  EXPECT_EQ(MenuSizeFromColumns({{100, 50}, {80, 70}}, 3), (ItemSize{186, 76}));
  EXPECT_EQ(MenuSizeFromColumns({}, 3), (ItemSize{6, 6}));
}

TEST(MenuSkinFrame, BorderWidthOfTheMaskOrTheSetValue) {
  const test::MenuTestSkin s;
  ASSERT_NE(s.skin.MainMenuBorders, nullptr);
  EXPECT_EQ(SkinFrameWidth(s.skin), 3);
  EXPECT_EQ(SkinFrameWidth(s.skin, 5), 5);
  const test::MenuTestSkin bare(false);
  EXPECT_EQ(SkinFrameWidth(bare.skin), 0);
  MenuSkin none;
  EXPECT_EQ(SkinFrameWidth(none), 0);
}

}  // namespace
}  // namespace velmora::skin
