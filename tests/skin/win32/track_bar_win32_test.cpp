// The skinned slider on a real platform slider: its thumb's look in each state read back from the
// window's own painting, and the application's hints through presses that end in every way.
#include "skin/controls/win32/track_bar.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/slider_skin.h"
#include "tests/skin/win32/message_pump.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

using namespace test::slider;
using test::PumpMessages;

class Sliders : public ui::ComponentOwner {};

struct SliderFixture : ::testing::Test {
  ui::Application application;
  SliderSkin skin;
  test::FakeManager manager{skin.loaded.registry.get()};
  Sliders owner;
  ui::TrackBar slider{owner, "slider"};
  HWND form = CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraSliderTest", DefWindowProcW), L"",
                              WS_POPUP | WS_VISIBLE, 0, 0, 300, 80, nullptr, nullptr,
                              application.Module(), nullptr);
  std::unique_ptr<TsTrackBar> bar;

  SliderFixture() {
    TsCommonData::SetDefaultManager(&manager);
    slider.SetMax(10);
    bar = std::make_unique<TsTrackBar>(slider, ui::ChildPlacement{form, 1, {10, 10, 128, 31}},
                                       14);
  }
  ~SliderFixture() override {
    DestroyWindow(form);
    bar.reset();
    TsCommonData::SetDefaultManager(nullptr);
  }

  HWND Handle() const { return bar->Handle(); }
  RECT Thumb() const {
    RECT r{};
    SendMessageW(Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
  }
  LPARAM ThumbCentre() const {
    const RECT r = Thumb();
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // Where the thumb frame's top-left pixel lies in the window.
  POINT ThumbFramePoint() const {
    // Along the bar where the platform puts the thumb; across it, 14 high around the channel's
    // middle: the 4 x 4 frame's top row is the channel's middle row less 2.
    const RECT r = Thumb();
    RECT channel{};
    SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const int h = int(channel.bottom - channel.top);
    return {r.left + (r.right - r.left - 4) / 2, (21 - h) / 2 + h / 2 - 2};
  }
  // That pixel as the screen shows it now.
  uint32_t ShownThumbPixel() const {
    const POINT p = ThumbFramePoint();
    const ui::WindowDc dc(Handle());
    const COLORREF c = GetPixel(dc.Get(), p.x, p.y);
    return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c);
  }
  // The thumb frame's top-left pixel as the window paints it.
  uint32_t ThumbPixel() const {
    DibBitmap image = DibBitmap::Make(118, 21);
    SendMessageW(Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.Dc()), PRF_CLIENT);
    const POINT p = ThumbFramePoint();
    GdiFlush();
    return image.Pixels().At(p.x, p.y) & 0xFFFFFF;
  }
};

TEST_F(SliderFixture, TheThumbFollowsARangeChangeThatKeepsThePosition) {
  // The position 0 stays, now in the middle of the range.
  slider.SetMin(-5);
  slider.SetMax(5);
  RECT channel{};
  SendMessageW(Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const RECT thumb = Thumb();
  EXPECT_NEAR((thumb.left + thumb.right) / 2, (channel.left + channel.right) / 2, 1);
}

TEST_F(SliderFixture, TheThumbShowsNormalHotAndPressed) {
  ASSERT_GE(bar->SkinData().SectionIndex, 0);
  EXPECT_EQ(ThumbPixel(), kRed & 0xFFFFFF);
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  EXPECT_EQ(ThumbPixel(), kGreen & 0xFFFFFF);
  SendMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ThumbCentre());
  EXPECT_TRUE(bar->ThumbHeld());
  EXPECT_EQ(ThumbPixel(), kBlue & 0xFFFFFF);
  SendMessageW(Handle(), WM_LBUTTONUP, 0, ThumbCentre());
  EXPECT_EQ(ThumbPixel(), kGreen & 0xFFFFFF);
}

// Red and green channels of a thumb pixel: the fade moves from red (200, 0) to green (0, 200).
std::pair<int, int> RedGreen(uint32_t pixel) {
  return {int(pixel >> 16 & 0xFF), int(pixel >> 8 & 0xFF)};
}

TEST_F(SliderFixture, HoverFadesTheThumbThroughIntermediateFramesAndThenNothingTicks) {
  PumpMessages(100);
  ASSERT_EQ(ShownThumbPixel(), kRed & 0xFFFFFF);
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  std::vector<uint32_t> frames{ShownThumbPixel()};  // the first step, at once
  const auto record = [&] { frames.push_back(ShownThumbPixel()); };
  const int ticks = PumpMessages(600, [] { return false; }, record);
  // Six more steps of 12 ms after the first, each a little less red and a little more green.
  EXPECT_EQ(ticks, 6);
  ASSERT_EQ(frames.size(), 7u);
  for (size_t i = 1; i < frames.size(); ++i) {
    EXPECT_LE(RedGreen(frames[i]).first, RedGreen(frames[i - 1]).first) << i;
    EXPECT_GE(RedGreen(frames[i]).second, RedGreen(frames[i - 1]).second) << i;
  }
  EXPECT_NE(frames.front(), kRed & 0xFFFFFF);
  EXPECT_NE(frames.front(), kGreen & 0xFFFFFF);
  EXPECT_EQ(frames.back(), kGreen & 0xFFFFFF);
  // Between fades nothing runs: no timer message at all while the control rests.
  EXPECT_EQ(PumpMessages(1000), 0);
  SendEngineCommand(Handle(), {EngineCommand::MouseLeft});
  PumpMessages(600);
  EXPECT_EQ(ShownThumbPixel(), kRed & 0xFFFFFF);
  EXPECT_EQ(PumpMessages(1000), 0);
}

TEST_F(SliderFixture, LeavingMidFadeTurnsBackFromTheFrameOnScreen) {
  PumpMessages(100);
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  std::vector<uint32_t> frames{ShownThumbPixel()};
  const auto record = [&] { frames.push_back(ShownThumbPixel()); };
  PumpMessages(600, [&] { return frames.size() >= 3; }, record);
  const auto [red, green] = RedGreen(frames.back());
  SendEngineCommand(Handle(), {EngineCommand::MouseLeft});
  const auto [redAfter, greenAfter] = RedGreen(ShownThumbPixel());
  // One step back towards red: neither the start nor the end of the hover fade.
  EXPECT_GT(redAfter, red);
  EXPECT_LT(greenAfter, green);
  EXPECT_LT(redAfter, 200 * 3 / 4);
  EXPECT_GT(greenAfter, 200 / 4);
  PumpMessages(600);
  EXPECT_EQ(ShownThumbPixel(), kRed & 0xFFFFFF);
}

TEST_F(SliderFixture, APageClickMovesThePositionWithoutThePressedLook) {
  const RECT thumb = Thumb();
  SendMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(110, (thumb.top + thumb.bottom) / 2));
  EXPECT_FALSE(bar->ThumbHeld());
  EXPECT_NE(ThumbPixel(), kBlue & 0xFFFFFF);
  SendMessageW(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(110, 5));
}

TEST_F(SliderFixture, HintsComeBackOnAReleaseOutsideTheThumb) {
  SendMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ThumbCentre());
  EXPECT_FALSE(application.ShowHint());
  SendMessageW(Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
  EXPECT_TRUE(application.ShowHint());
  EXPECT_FALSE(bar->ThumbHeld());
}

TEST_F(SliderFixture, HintsAndTheThumbComeBackWhenTheDragLosesTheMouse) {
  SendMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ThumbCentre());
  ASSERT_EQ(GetCapture(), Handle());
  EXPECT_FALSE(application.ShowHint());
  SetCapture(form);  // another window takes the mouse: no button-up ever reaches the slider
  EXPECT_TRUE(application.ShowHint());
  EXPECT_FALSE(bar->ThumbHeld());
  EXPECT_NE(ThumbPixel(), kBlue & 0xFFFFFF);
  ReleaseCapture();
}

TEST_F(SliderFixture, AnEndedDragLeavesHintsOffWhenTheyWereOff) {
  application.SetShowHint(false);
  SendMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, ThumbCentre());
  SendMessageW(Handle(), WM_LBUTTONUP, 0, ThumbCentre());
  EXPECT_FALSE(application.ShowHint());
}

}  // namespace
}  // namespace velmora::skin
