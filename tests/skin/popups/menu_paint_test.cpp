#include <gtest/gtest.h>

#include <vector>

#include "skin/popups/menu_background.h"
#include "skin/popups/menu_item_paint.h"
#include "tests/skin/popups/menu_skin.h"

namespace velmora::skin {
namespace {

using test::kCheck0;
using test::kCheck1;
using test::kColumn;
using test::kGrid;
using test::kGround;
using test::kHeading;
using test::kHot;
using test::kRing;

struct RecordedText : MenuTextPainter {
  std::vector<MenuText> Texts;
  void Draw(const PixelView&, const MenuText& text) override { Texts.push_back(text); }
};

// A menu of 60 x 40 with the skin's frame of 3: the icon column is 3 + 2 + 16 + 8 - 3 = 26 wide
// and starts inside the frame.
struct MenuPaint : ::testing::Test {
  test::MenuTestSkin s;
  BackgroundLayout layout{{}, 16, 3};
  Image32 background = test::Filled(60, 40, 0);
  Image32 item = test::Filled(54, 22, 0);
  RecordedText text;

  void SetUp() override { PaintMenuBackground(PixelRows(background), s.skin, layout); }
  MenuPaintContext Menu() const {
    return {s.skin, layout.Metrics, 3, IconColumnWidth(s.skin, layout), PixelRows(background)};
  }
  MenuItemLook Item(std::wstring_view caption) const {
    MenuItemLook look;
    look.Caption = caption;
    look.Place = {3, 3, 57, 25};
    return look;
  }
  void Paint(const MenuItemLook& look) { PaintMenuItem(PixelRows(item), Menu(), look, text); }
};

TEST_F(MenuPaint, TheBackgroundIsMainMenuWithTheIconColumnAndTheBordersMask) {
  EXPECT_EQ(IconColumnWidth(s.skin, layout), 26);
  EXPECT_EQ(background.At(40, 20), kGround);
  EXPECT_EQ(background.At(3, 20), kColumn);
  EXPECT_EQ(background.At(28, 3), kColumn);
  EXPECT_EQ(background.At(29, 20), kGround);
  EXPECT_EQ(background.At(28, 36), kColumn);
  // The column stops at the skin frame (3); the mask's ring is only 2 rows deep.
  EXPECT_EQ(background.At(28, 37), kGround);
  EXPECT_EQ(background.At(28, 38), kRing);
  EXPECT_EQ(background.At(1, 20), kRing);
  EXPECT_EQ(background.At(59, 20), kRing);
  EXPECT_EQ(background.At(30, 0), kRing);
}

TEST_F(MenuPaint, AnExtraLineMovesTheIconColumnAndPaintsNothingWithoutItsSection) {
  layout.ExtraLineWidth = 10;
  PaintMenuBackground(PixelRows(background), s.skin, layout);
  EXPECT_EQ(background.At(8, 20), kGround);  // no EXTRALINE section in this skin
  EXPECT_EQ(background.At(13, 20), kColumn);
  EXPECT_EQ(background.At(38, 20), kColumn);
  EXPECT_EQ(background.At(39, 20), kGround);
}

TEST_F(MenuPaint, ARightToLeftMenuIsMirroredWithoutIconColumn) {
  background.At(0, 0) = 0;
  layout.RightToLeft = true;
  PaintMenuBackground(PixelRows(background), s.skin, layout);
  EXPECT_EQ(background.At(10, 20), kGround);
  EXPECT_EQ(background.At(58, 20), kRing);
}

TEST_F(MenuPaint, WithoutMainMenuNothingIsPainted) {
  Image32 bare = test::Filled(20, 20, 0x12345678);
  MenuSkin none = s.skin;
  none.MainMenu = -1;
  PaintMenuBackground(PixelRows(bare), none, layout);
  EXPECT_EQ(bare.At(10, 10), 0x12345678u);
}

TEST_F(MenuPaint, TheRegionLeavesOutTheKeyCornersOfTheTopAndBottomRows) {
  const std::vector<Rect> cuts = MenuRegionCuts(s.skin, 60, 40);
  const std::vector<Rect> expected{{0, 0, 1, 1}, {59, 0, 60, 1}, {0, 39, 1, 40}, {59, 39, 60, 40}};
  EXPECT_EQ(cuts, expected);
  const test::MenuTestSkin bare(false);
  EXPECT_TRUE(MenuRegionCuts(bare.skin, 60, 40).empty());
}

TEST_F(MenuPaint, TheFrameBandIsTheBackgroundsOuterPixels) {
  Image32 window = test::Filled(60, 40, 0);
  CopyFrameBand(PixelRows(window), PixelRows(background), 3);
  EXPECT_EQ(window.At(1, 20), kRing);
  EXPECT_EQ(window.At(2, 20), background.At(2, 20));
  EXPECT_EQ(window.At(57, 39), background.At(57, 39));
  EXPECT_EQ(window.At(3, 20), 0u);
  EXPECT_EQ(window.At(30, 3), 0u);
}

TEST_F(MenuPaint, ANormalItemShowsTheBackgroundAndTheHoveredOneMenuItemsHotState) {
  Paint(Item(L"Показать окно настроек"));
  EXPECT_EQ(item.At(30, 10), kGround);
  EXPECT_EQ(item.At(5, 10), kColumn);
  ASSERT_EQ(text.Texts.size(), 1u);
  const MenuText& caption = text.Texts[0];
  EXPECT_EQ(caption.Text, L"Показать окно настроек");
  EXPECT_EQ(caption.Area, (Rect{2 * 2 + 8 + 16, 2, 54, 20}));
  EXPECT_EQ(caption.Colour, 255u);
  EXPECT_EQ(caption.Align, MenuTextAlign::Left);

  MenuItemLook hovered = Item(L"Закрыть");
  hovered.Selected = true;
  Paint(hovered);
  EXPECT_EQ(item.At(30, 10), kHot);
  EXPECT_EQ(item.At(5, 10), kHot);
  EXPECT_EQ(text.Texts.back().Colour, 0xFFFFFFu);
}

TEST_F(MenuPaint, TheShortcutIsRightAlignedEightPixelsBeforeTheEdge) {
  Paint(Item(L"Закрыть\tAlt+F4"));
  ASSERT_EQ(text.Texts.size(), 2u);
  EXPECT_EQ(text.Texts[0].Text, L"Закрыть");
  EXPECT_EQ(text.Texts[0].Area.Left, 28);
  EXPECT_EQ(text.Texts[1].Text, L"Alt+F4");
  EXPECT_EQ(text.Texts[1].Area.Right, 54 - 8);
  EXPECT_EQ(text.Texts[1].Align, MenuTextAlign::Right);
}

TEST_F(MenuPaint, ALeadingBackspaceRightAlignsTheCaptionWithSixSpaces) {
  Paint(Item(L"\bRight"));
  EXPECT_EQ(text.Texts[0].Text, L"Right      ");
  EXPECT_EQ(text.Texts[0].Align, MenuTextAlign::Right);
}

// The check mark (2 x 4) is centred in the 26-pixel icon column and in the item's height.
TEST_F(MenuPaint, ACheckedItemShowsTheCheckMarkInItsState) {
  MenuItemLook checked = Item(L"Sound");
  checked.Checked = true;
  Paint(checked);
  EXPECT_EQ(item.At(12, 9), kCheck0);
  EXPECT_EQ(item.At(13, 12), kCheck0);
  EXPECT_EQ(item.At(11, 9), kColumn);
  EXPECT_EQ(item.At(14, 9), kColumn);
  checked.Selected = true;
  Paint(checked);
  EXPECT_EQ(item.At(12, 9), kCheck1);
}

TEST_F(MenuPaint, ADisabledItemIsFadedTowardsTheBackgroundAndNeverHot) {
  MenuItemLook disabled = Item(L"Sound");
  disabled.Checked = disabled.Selected = disabled.Disabled = true;
  Paint(disabled);
  const auto faded = [](uint32_t d, uint32_t behind, int c) {
    return (Channel(d, c) * 100 + Channel(behind, c) * 156) >> 8;
  };
  const uint32_t p = item.At(12, 9);
  for (int c = 0; c < 4; ++c) EXPECT_EQ(Channel(p, c), faded(kCheck0, kColumn, c)) << c;
  EXPECT_EQ(item.At(30, 10), kGround);
  EXPECT_EQ(text.Texts.back().Colour, 255u);
}

TEST_F(MenuPaint, ADividerIsAGridLineAfterTheIconColumn) {
  MenuItemLook divider = Item(L"-");
  divider.Place = {3, 10, 57, 12};
  Image32 line = test::Filled(54, 2, 0);
  PaintMenuItem(PixelRows(line), Menu(), divider, text);
  // From the icon column plus margin and spacing to twice the margin and the spacing before the
  // end.
  EXPECT_EQ(line.At(35, 0), kGround);
  EXPECT_EQ(line.At(36, 0), kGrid);
  EXPECT_EQ(line.At(41, 0), kGrid);
  EXPECT_EQ(line.At(42, 0), kGround);
  EXPECT_EQ(line.At(40, 1), kGround);
  EXPECT_EQ(line.At(5, 0), kColumn);
  EXPECT_TRUE(text.Texts.empty());
}

TEST_F(MenuPaint, AHeadingShowsItsWordCentredOnMenuCaption) {
  Paint(Item(L"-Звуки-"));
  EXPECT_EQ(item.At(30, 10), kHeading);
  ASSERT_EQ(text.Texts.size(), 1u);
  EXPECT_EQ(text.Texts[0].Text, L"Звуки");
  EXPECT_EQ(text.Texts[0].Align, MenuTextAlign::Centre);
  EXPECT_EQ(text.Texts[0].Font, MenuFont::Caption);
  EXPECT_EQ(text.Texts[0].Area, (Rect{0, 4, 54, 18}));
  EXPECT_EQ(text.Texts[0].Colour, 43775u);
}

TEST_F(MenuPaint, ASystemCommandShowsItsSymbolInTheIconColumn) {
  MenuItemLook close = Item(L"Закрыть");
  close.Symbol = L'r';
  Paint(close);
  ASSERT_EQ(text.Texts.size(), 2u);
  EXPECT_EQ(text.Texts[0].Text, L"r");
  EXPECT_EQ(text.Texts[0].Font, MenuFont::Symbol);
  EXPECT_EQ(text.Texts[0].Area, (Rect{0, 0, 26, 22}));
}

}  // namespace
}  // namespace velmora::skin
