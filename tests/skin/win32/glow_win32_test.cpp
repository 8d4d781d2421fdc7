// The glow of a skinned slider on the desktop: its layered window where the section's mask puts
// it, directly above the form, its alpha rising with the hover fade and falling after the pointer
// leaves, and no glow window left behind by a destroyed control, a removed skin or a skinned form
// that hides or minimises without an animation.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "skin/controls/glow_effect.h"
#include "skin/controls/win32/track_bar.h"
#include "skin/frame/win32/skin_provider.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/slider_skin.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/win32/message_pump.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

using test::PumpMessages;

// The slider skin's parts, opaque, with a glow whose mask is the 3 x 4 yellow cell of the master
// with 1-pixel borders, and a margin of 0: the glow window is the control's rectangle grown by 1.
std::string GlowingSections() {
  return "[TRACKBAR]\r\nSTATES=3\r\nGLOW=1\r\n"
         "GLOW0=^0016^0000^0019^0004^0001^0001^0001^0001^1^0^0^0\r\n"
         "SLIDERMASK=@0000@0000@0012@0004@3@0\r\nTICKHORZ=@0000@0008@0003@0011@1@0\r\n"
         "SLIDERCHANNEL=^0016^0000^0019^0004^0001^0001^0001^0001^1^0^0^0\r\n";
}

class Forms : public ui::ComponentOwner {};

HWND GlowWindow() { return FindWindowW(L"TacGlowForm", nullptr); }

struct GlowFixture : ::testing::Test {
  ui::Application application;
  test::LoadedSkin skin{GlowingSections(), test::slider::SliderMaster()};
  test::FakeManager manager{skin.registry.get()};
  Forms owner;
  ui::TrackBar slider{owner, "slider"};
  HWND form = CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraGlowTest", DefWindowProcW), L"",
                              WS_POPUP | WS_VISIBLE, 40, 30, 300, 80, nullptr, nullptr,
                              application.Module(), nullptr);
  std::unique_ptr<TsTrackBar> bar;

  GlowFixture() {
    TsCommonData::SetDefaultManager(&manager);
    slider.SetMax(10);
    bar = std::make_unique<TsTrackBar>(slider, ui::ChildPlacement{form, 1, {10, 10, 128, 31}},
                                       14);
    PumpMessages(100);  // painted: the cache shows the normal look
  }
  ~GlowFixture() override {
    DestroyWindow(form);
    bar.reset();
    TsCommonData::SetDefaultManager(nullptr);
  }

  HWND Handle() const { return bar->Handle(); }
  int Alpha() const {
    const TacGlowEffect* glow = GlowAt(bar->SkinData().GlowId);
    return glow ? glow->Alpha : -1;
  }
};

TEST_F(GlowFixture, HoverShowsTheGlowAroundTheControlAboveTheFormRisingOverTheSteps) {
  ASSERT_EQ(GlowWindow(), nullptr);
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  const HWND glow = GlowWindow();
  ASSERT_NE(glow, nullptr);
  EXPECT_TRUE(IsWindowVisible(glow));
  RECT control, placed;
  GetWindowRect(Handle(), &control);
  GetWindowRect(glow, &placed);
  EXPECT_EQ(placed.left, control.left - 1);
  EXPECT_EQ(placed.top, control.top - 1);
  EXPECT_EQ(placed.right, control.right + 1);
  EXPECT_EQ(placed.bottom, control.bottom + 1);
  EXPECT_EQ(GetWindow(glow, GW_HWNDNEXT), form);
  EXPECT_TRUE(GetWindowLongW(glow, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(placed.left, placed.top)),
            HTTRANSPARENT);

  std::vector<int> alphas{Alpha()};  // the fade's first step, at once
  PumpMessages(600, [] { return false; }, [&] { alphas.push_back(Alpha()); });
  EXPECT_EQ(alphas, (std::vector<int>{43, 85, 128, 170, 213, 255, 255}));
  EXPECT_EQ(PumpMessages(500), 0);  // at rest nothing ticks
  EXPECT_EQ(GlowWindow(), glow);
}

TEST_F(GlowFixture, LeavingFadesTheGlowOutThenItsWindowGoes) {
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  PumpMessages(600);
  const HWND glow = GlowWindow();
  ASSERT_EQ(Alpha(), 255);
  SendEngineCommand(Handle(), {EngineCommand::MouseLeft});
  std::vector<int> alphas{Alpha()};
  PumpMessages(600, [&] { return Alpha() < 0; }, [&] { alphas.push_back(Alpha()); });
  // Down step by step while it lasts (-1: gone), and never back.
  const auto gone = std::find(alphas.begin(), alphas.end(), -1);
  EXPECT_GE(gone - alphas.begin(), 6);
  EXPECT_TRUE(std::all_of(alphas.begin(), gone, [](int a) { return a > 0; }));
  EXPECT_TRUE(std::is_sorted(alphas.rbegin() + (alphas.end() - gone), alphas.rend()));
  EXPECT_TRUE(std::all_of(gone, alphas.end(), [](int a) { return a == -1; }));
  EXPECT_LT(alphas.front(), 255);
  EXPECT_FALSE(IsWindow(glow));
  EXPECT_EQ(GlowWindow(), nullptr);
  PumpMessages(100);  // the control's image takes its last step
  EXPECT_EQ(PumpMessages(500), 0);
}

TEST_F(GlowFixture, NoGlowWindowOutlivesItsControl) {
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  PumpMessages(50);
  ASSERT_NE(GlowWindow(), nullptr);
  DestroyWindow(Handle());
  EXPECT_EQ(GlowWindow(), nullptr);
}

TEST_F(GlowFixture, NoGlowWindowOutlivesTheSkin) {
  SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
  PumpMessages(50);
  ASSERT_NE(GlowWindow(), nullptr);
  test::FakePlatform platform;
  Win32ManagerHost host(platform);
  host.FreeAllGlows();  // what the manager does when its skin goes or a new one comes
  EXPECT_EQ(GlowWindow(), nullptr);
  EXPECT_EQ(bar->SkinData().GlowId, -1);
}

// The form's frame plays no hide animation here (it has none to play): the glow goes all the same,
// whether the form is hidden or minimised.
TEST_F(GlowFixture, NoGlowWindowOutlivesItsFormLeavingTheScreen) {
  skin.registry->CommonData().Applied = true;
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  for (const int leave : {SW_HIDE, SW_MINIMIZE}) {
    ShowWindow(form, SW_SHOWNOACTIVATE);
    SendEngineCommand(Handle(), {EngineCommand::MouseEntered});
    PumpMessages(50);
    ASSERT_NE(GlowWindow(), nullptr) << leave;
    ShowWindow(form, leave);
    EXPECT_EQ(GlowWindow(), nullptr) << leave;
    EXPECT_EQ(bar->SkinData().GlowId, -1) << leave;
    SendEngineCommand(Handle(), {EngineCommand::MouseLeft});
    PumpMessages(100);
  }
}

}  // namespace
}  // namespace velmora::skin
