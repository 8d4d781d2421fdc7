#include <gtest/gtest.h>

#include <vector>

#include "skin/frame/title_band.h"
#include "skin/frame/title_button_fade.h"
#include "skin/frame/title_buttons.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin {
namespace {

// Buttons as the stored skin has them: 24 x 25 pictures, three states side by side, BIRIGHT 2,
// BISPACE -1, BILEFT 4. Close's states are red, green and blue; minimise's grey levels. A key
// pixel at each close picture's top-right and each minimise picture's top-left.
constexpr uint32_t kCloseNormal = 0xFFC00000u, kCloseHot = 0xFF00C000u, kClosePressed = 0xFF0000C0u;
Image32 ButtonMaster() {
  Image32 master = test::Filled(72, 75, 0xFF808080u);
  const uint32_t close[3] = {kCloseNormal, kCloseHot, kClosePressed};
  for (int32_t f = 0; f < 3; ++f)
    for (int32_t y = 0; y < 25; ++y)
      for (int32_t x = 0; x < 24; ++x) {
        master.At(f * 24 + x, y) = x == 23 && y == 0 ? kKeyColour : close[f];
        master.At(f * 24 + x, 25 + y) = x == 0 && y == 0 ? kKeyColour : 0xFF101010u * (f + 1);
        master.At(f * 24 + x, 50 + y) = 0xFFEEEEEEu;
      }
  return master;
}

const char* const kPlacement = "BILEFT=4\r\nBIRIGHT=2\r\nBITOP=0\r\nBISPACE=-1\r\nBIVALIGN=0\r\n";

std::string ButtonsText(bool closeAlone) {
  std::string text = std::string(kPlacement) +
                     "BICONCLOSE=@0000@0000@0072@0025@3@0\r\nBICONMIN=@0000@0025@0072@0050@3@0\r\n";
  if (closeAlone) text += "BICLOSEALONE=@0000@0050@0072@0075@3@0\r\n";
  return text;
}

// The main window: fixed single border, system menu and minimise box.
TitleForm MainWindow() {
  TitleForm f;
  f.Border = BorderStyle::Single;
  f.SystemMenu = true, f.Minimize = true;
  return f;
}

struct TitleBand : ::testing::Test {
  test::LoadedSkin skin{ButtonsText(true), ButtonMaster()};
  TitleButtons buttons;
  TitleLayout Layout(const TitleForm& form, TitleMetrics m) {
    AssignButtonSlots(buttons, form);
    return LayoutTitle(buttons, form, m, *skin.registry);
  }
  const TsMaskData* Mask(const char* key) {
    return &skin.registry->Masks()[size_t(skin.registry->GlobalMask(key))];
  }
};

TEST_F(TitleBand, TheMainWindowShowsExactlyCloseAndMinimiseAtTheRightEdge) {
  // W 780, b 3, c 23: centre line 11 + 1 = 12, so the 25-high buttons start at row 0.
  const TitleLayout layout = Layout(MainWindow(), {780, 3, 23});
  const TsTitleButton& close = buttons[kCloseButton];
  const TsTitleButton& min = buttons[kMinButton];
  EXPECT_EQ(TitleButtonMask(*skin.registry, close.MaskSlot), Mask("BICONCLOSE"));
  EXPECT_EQ(TitleButtonMask(*skin.registry, min.MaskSlot), Mask("BICONMIN"));
  EXPECT_EQ(close.Rect, (Rect{750, 0, 774, 25}));  // 780 - 2 - max(4, 3) = 774
  EXPECT_EQ(min.Rect, (Rect{727, 0, 751, 25}));    // one pixel right of close's left edge
  EXPECT_TRUE(IsEmpty(buttons[kMaxButton].Rect));
  EXPECT_TRUE(IsEmpty(buttons[kHelpButton].Rect));
  EXPECT_EQ(layout.CentreLine, 12);
  EXPECT_EQ(layout.TitleBottom, 26);
  EXPECT_EQ(layout.IconRect, (Rect{7, 4, 23, 20}));  // b + BILEFT, 16 square on the centre line
  EXPECT_EQ(layout.ButtonsWidth, 2 + 24 + 24 - 1);
  // Caption from b + icon + BILEFT + 4 to W - buttons - 12.
  const Rect room = CaptionTextRoom(layout, {780, 3, 23}, *skin.registry, false);
  EXPECT_EQ(room.Left, 27);
  EXPECT_EQ(room.Right, 719);
}

TEST_F(TitleBand, AWideBorderMovesTheRowIn) {
  Layout(MainWindow(), {400, 6, 30});
  EXPECT_EQ(buttons[kCloseButton].Rect.Right, 400 - 2 - 6);
  EXPECT_EQ(buttons[kCloseButton].Rect.Top, 15 + 3 - 12);
}

TEST_F(TitleBand, ACloseOnlyFormUsesTheCloseAlonePicture) {
  TitleForm dialog;
  dialog.Border = BorderStyle::Dialog;
  const TitleLayout layout = Layout(dialog, {300, 3, 23});
  EXPECT_EQ(TitleButtonMask(*skin.registry, buttons[kCloseButton].MaskSlot), Mask("BICLOSEALONE"));
  EXPECT_TRUE(IsEmpty(buttons[kMinButton].Rect));
  EXPECT_EQ(layout.IconRect.Width(), 0);  // dialogs show no icon

  test::LoadedSkin without{ButtonsText(false), ButtonMaster()};
  AssignButtonSlots(buttons, dialog);
  LayoutTitle(buttons, dialog, {300, 3, 23}, *without.registry);
  EXPECT_EQ(TitleButtonMask(*without.registry, buttons[kCloseButton].MaskSlot),
            &without.registry->Masks()[size_t(without.registry->GlobalMask("BICONCLOSE"))]);
}

TEST_F(TitleBand, MaximiseAndHelpFollowTheirRules) {
  TitleForm f = MainWindow();
  f.Border = BorderStyle::Sizeable, f.Maximize = true, f.Help = true;
  Layout(f, {500, 4, 23});
  // No BICONMAX or BICONHELP in this skin: 21 wide, still in place.
  // Centre line 11 + 2 = 13, so the buttons start at row 1.
  EXPECT_EQ(buttons[kCloseButton].Rect, (Rect{470, 1, 494, 26}));
  EXPECT_EQ(buttons[kMaxButton].Rect, (Rect{450, 1, 471, 26}));
  EXPECT_EQ(buttons[kMinButton].Rect, (Rect{427, 1, 451, 26}));
  EXPECT_EQ(buttons[kHelpButton].Rect, (Rect{401, 1, 422, 26}));  // 6 more to the left
  f.State = WindowState::Maximised;
  Layout(f, {500, 4, 23});
  EXPECT_EQ(buttons[kMaxButton].MaskSlot, kSlotNorm);
  EXPECT_EQ(buttons[kCloseButton].Rect.Top, 15 - 12);  // two lower when maximised

  // A tool window: small pictures, the row two further in, no overlap.
  TitleForm tool;
  tool.Border = BorderStyle::ToolWindow;
  Layout(tool, {200, 3, 17});
  EXPECT_EQ(buttons[kCloseButton].MaskSlot, kSlotSmallClose);
  EXPECT_EQ(buttons[kCloseButton].Rect.Right, 200 - 2 - 4 - 2);
}

TEST_F(TitleBand, HitTestsNameTheButtonsTheIconAndLeaveTheRest) {
  TitleForm f = MainWindow();
  const TitleLayout layout = Layout(f, {780, 3, 23});
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 760, 10), kHitClose);
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 750, 10), kHitClose);  // the overlap is close's
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 740, 10), kHitMinimize);
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 10, 10), kHitSystemMenu);
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 300, 10), std::nullopt);
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 776, 10), std::nullopt);
  f.CloseItemEnabled = false;
  EXPECT_EQ(TitleHitTest(buttons, layout, f, 760, 10), kHitCaption);
}

struct TitleBandPixels : TitleBand {
  static constexpr uint32_t kGround = 0xFF204060u;
  Image32 frame = test::Filled(780, 40, kGround);
  PixelView view = PixelRows(frame);
  TsTitleButton& close = buttons[kCloseButton];
  void SetUp() override { Layout(MainWindow(), {780, 3, 23}); }
  uint32_t CloseCentre() const { return frame.At(762, 12); }
  uint32_t CloseCorner() const { return frame.At(773, 0); }
};

TEST_F(TitleBandPixels, EachStateShowsItsPicture) {
  DrawTitleButtons(view, *skin.registry, buttons, true, true);
  EXPECT_EQ(CloseCentre(), kCloseNormal);
  EXPECT_EQ(CloseCorner(), kGround);  // the key pixel shows the band
  EXPECT_EQ(frame.At(740, 12), 0xFF101010u);
  close.State = 1;
  DrawTitleButton(view, *skin.registry, close, true, true);
  EXPECT_EQ(CloseCentre(), kCloseHot);
  close.State = 2;
  DrawTitleButton(view, *skin.registry, close, true, true);
  EXPECT_EQ(CloseCentre(), kClosePressed);
}

// Faded: (picture * 128 + band * 127) >> 8 on each channel, the band's alpha kept.
uint32_t Faded(uint32_t picture, uint32_t band) {
  uint32_t out = band & 0xFF000000u;
  for (int c = 0; c < 3; ++c)
    out |= ((Channel(picture, c) * 128 + Channel(band, c) * 127) >> 8) << (8 * c);
  return out;
}

TEST_F(TitleBandPixels, InactiveTitlesAndDisabledFormsFadeRestingButtons) {
  DrawTitleButton(view, *skin.registry, close, false, true);
  EXPECT_EQ(CloseCentre(), Faded(kCloseNormal, kGround));
  close.State = 1;
  DrawTitleButton(view, *skin.registry, close, false, true);
  EXPECT_EQ(CloseCentre(), kCloseHot);  // a hot button is never faded
  close.Disabled = true;
  DrawTitleButton(view, *skin.registry, close, true, false);
  EXPECT_EQ(CloseCentre(), Faded(kCloseNormal, kCloseHot));  // picture 0, over what was there
}

TEST_F(TitleBandPixels, OneButtonIsRedrawnOverTheSavedBackground) {
  const ButtonsBackground saved =
      SaveButtonsBackground(view, ButtonsBackgroundRect(TitleLayout{12, 26, {}, 49}, {780, 3, 23}));
  EXPECT_EQ(saved.At, (Rect{779 - 62, 0, 779, 26}));
  DrawTitleButtons(view, *skin.registry, buttons, true, true);
  close.State = 1;
  RedrawTitleButton(view, saved, *skin.registry, close, true, true);
  EXPECT_EQ(CloseCentre(), kCloseHot);
  close.State = 0;
  frame.At(773, 0) = 0xFF00C000u;  // as a hot picture would have left it under the key
  RedrawTitleButton(view, saved, *skin.registry, close, true, true);
  EXPECT_EQ(CloseCentre(), kCloseNormal);
  EXPECT_EQ(CloseCorner(), kGround);
}

// The overlay's picture of close: the band saved under its rectangle (750, 0)-(774, 25), the hot
// picture over it, opaque even where the band had no alpha (under the key pixel at the top right).
TEST_F(TitleBandPixels, TheOverlayLookIsTheButtonOverTheSavedBand) {
  frame = test::Filled(780, 40, 0x00204060u);
  view = PixelRows(frame);
  const ButtonsBackground saved =
      SaveButtonsBackground(view, ButtonsBackgroundRect(TitleLayout{12, 26, {}, 49}, {780, 3, 23}));
  close.State = 1;
  const Image32 look = TitleButtonLook(saved, *skin.registry, close, true, true);
  ASSERT_EQ(look.Width, 24);
  ASSERT_EQ(look.Height, 25);
  EXPECT_EQ(look.At(12, 12), kCloseHot);
  EXPECT_EQ(look.At(23, 0), 0xFF204060u);
  EXPECT_EQ(frame.At(762, 12), 0x00204060u) << "the frame image keeps the button at rest";
}

std::vector<int> Steps(TitleButtonFade& fade) {
  std::vector<int> alphas;
  while (fade.Advance()) alphas.push_back(fade.Alpha());
  return alphas;
}

// Step k of n shows 255 * k / n: hot in ten steps, pressed in one, and back to normal from the
// alpha shown in steps of ten; a fade reversed midway turns back from where it stands.
TEST(TitleButtonFade, HotTakesTenStepsPressedOneNormalCountsDownFromWhatShows) {
  TitleButtonFade fade;
  fade.Start(1, true);
  EXPECT_EQ(Steps(fade), (std::vector<int>{25, 51, 76, 102, 127, 153, 178, 204, 229, 255}));
  fade.Start(2, true);
  EXPECT_TRUE(fade.Arrived());
  EXPECT_EQ(fade.Alpha(), 255);
  fade.Start(0, true);
  EXPECT_EQ(Steps(fade), (std::vector<int>{229, 204, 178, 153, 127, 102, 76, 51, 25, 0}));
  EXPECT_TRUE(fade.Out());

  fade.Start(1, true);
  fade.Advance(), fade.Advance(), fade.Advance();
  fade.Start(0, true);
  EXPECT_EQ(Steps(fade), (std::vector<int>{51, 25, 0}));
  fade.Start(2, true);
  EXPECT_EQ(Steps(fade), (std::vector<int>{255}));
}

TEST(TitleButtonFade, WithoutAnimationEveryChangeIsOneStep) {
  TitleButtonFade fade;
  fade.Start(1, false);
  EXPECT_EQ(Steps(fade), (std::vector<int>{255}));
  fade.Start(0, false);
  EXPECT_EQ(Steps(fade), (std::vector<int>{0}));
  EXPECT_TRUE(fade.Out());
}

TEST(TitleIcon, PixelsTheIconChangedBecomeOpaque) {
  Image32 frame = test::Filled(4, 2, 0x00102030u);
  const Image32 saved = test::Filled(2, 2, 0x00102030u);
  frame.At(1, 0) = 0x00FFFFFFu;
  frame.At(3, 1) = 0x00FFFFFFu;  // outside the icon
  OpaqueChangedPixels(PixelRows(frame), PixelRows(saved), {0, 0, 2, 2});
  EXPECT_EQ(frame.At(1, 0), 0xFFFFFFFFu);
  EXPECT_EQ(frame.At(0, 0), 0x00102030u);
  EXPECT_EQ(frame.At(3, 1), 0x00FFFFFFu);
}

}  // namespace
}  // namespace velmora::skin
