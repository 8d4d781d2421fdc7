// A skinned form's skin-change fade and hide on real windows, driven by a real manager and its
// window hook: the overlay over the form, its alpha frame by frame (read from the objects that
// own it, as the test display shows layered windows without their alpha) and its end.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/animation/win32/window_animation.h"
#include "skin/frame/win32/frame_hooks.h"
#include "skin/frame/win32/skin_provider.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"
#include "tests/skin/win32/message_pump.h"
#include "tests/skin/win32/window_rects.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

using test::Bounds;
using test::Same;

std::vector<uint8_t> Package(const char* formColour) {
  return test::PackageBuilder()
      .Member("OPTIONS.DAT",
              std::string("[GLOBALINFO]\nVERSION=10.25\n[FORM]\nCOLOR=") + formColour + "\n")
      .Build();
}

bool AnyOverlay() { return FindWindowW(L"TacGlowForm", nullptr) != nullptr; }

class FormAnimations : public ::testing::Test {
 protected:
  FormAnimations() {
    host.SetWindowHooksFactory(MakeFrameHooks);
    definition.InternalSkins = {{.Name = "Dawn", .Data = dawn}, {.Name = "Night", .Data = night}};
    definition.SkinName = "Dawn";
    const wchar_t* cls = ui::RegisterWindowClass(L"TFormAnimated", DefWindowProcW);
    form = CreateWindowExW(0, cls, L"Animated", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 60, 40,
                           240, 180, nullptr, nullptr, ui::Application::Instance().Module(),
                           nullptr);
    host.AddForm(form);
    manager.ReadDefinition(definition);
  }
  ~FormAnimations() override {
    TacHideTimer::Instance().Finish();
    if (IsWindow(form)) DestroyWindow(form);
    host.RemoveForm(form);
  }

  void Show() {
    ShowWindow(form, SW_SHOW);
    SetActiveWindow(form);
    UpdateWindow(form);
    test::PumpMessages(50);
  }

  TsSkinProvider* Frame() const {
    return reinterpret_cast<TsSkinProvider*>(
        SendEngineCommand(form, {EngineCommand::GetProvider}));
  }

  // The fade's alphas from now until its overlay goes.
  std::vector<int> FadeAlphas(const TacSkinFade& fade) {
    std::vector<int> alphas{fade.Alpha()};
    test::PumpMessages(
        3000, [&] { return !fade.Showing(); },
        [&] {
          if (fade.Showing() && fade.Alpha() != alphas.back()) alphas.push_back(fade.Alpha());
        });
    return alphas;
  }

  std::vector<int> HideAlphas() {
    TacHideTimer& hide = TacHideTimer::Instance();
    std::vector<int> alphas{hide.Alpha()};
    test::PumpMessages(
        3000, [&] { return !hide.Running(); },
        [&] {
          if (hide.Running() && hide.Alpha() != alphas.back()) alphas.push_back(hide.Alpha());
        });
    return alphas;
  }

  ui::Application application;
  test::FakePlatform platform;
  Win32ManagerHost host{platform};
  ui::ComponentOwner owner;
  std::vector<uint8_t> dawn = Package("1"), night = Package("2");
  SkinManagerDefinition definition;
  HWND form = nullptr;
  TsSkinManager manager{owner, "sknmngr1", host};
};

TEST_F(FormAnimations, AShownFormFadesItsOldLookOutOverItsNewOneAndFreesTheOverlay) {
  Show();
  ASSERT_TRUE(Frame());
  manager.SetSkinName("Night");
  const TacSkinFade* fade = Frame()->SkinFade();
  ASSERT_TRUE(fade);
  const HWND overlay = fade->Overlay();
  ASSERT_TRUE(overlay);
  EXPECT_TRUE(fade->Started()) << "the form has repainted in the new skin";
  EXPECT_TRUE(IsWindowVisible(overlay));
  EXPECT_TRUE(Same(Bounds(overlay), Bounds(form)));
  EXPECT_EQ(GetWindow(form, GW_HWNDPREV), overlay) << "directly above the form";
  // 100 ms: 8 frames of 12 ms from 255 down by 31.875; the frame at 0 is not shown.
  EXPECT_EQ(FadeAlphas(*fade), (std::vector<int>{255, 223, 191, 159, 128, 96, 64, 32}));
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_FALSE(AnyOverlay());
  EXPECT_EQ(test::PumpMessages(150), 0) << "no timer runs once the fade is over";
}

TEST_F(FormAnimations, AnAeroSkinChangeFadesAlikeInItsOwnTime) {
  manager.AnimEffects.SkinChanging = {true, 48, TacAnimType::atAero};
  Show();
  manager.SetSkinName("Night");
  ASSERT_TRUE(Frame()->SkinFade());
  // 4 frames: 63.75 each.
  EXPECT_EQ(FadeAlphas(*Frame()->SkinFade()), (std::vector<int>{255, 191, 128, 64}));
  EXPECT_FALSE(AnyOverlay());
}

TEST_F(FormAnimations, AHiddenOrMinimisedFormGetsNoFade) {
  manager.SetSkinName("Night");
  ASSERT_TRUE(Frame());
  EXPECT_FALSE(Frame()->SkinFade());
  EXPECT_FALSE(AnyOverlay());
  Show();
  ShowWindow(form, SW_MINIMIZE);
  manager.SetSkinName("Dawn");
  EXPECT_FALSE(Frame()->SkinFade());
  EXPECT_FALSE(AnyOverlay());
}

TEST_F(FormAnimations, NoFadeWhenTheSkinChangingAnimationIsOffOrTooShort) {
  Show();
  manager.AnimEffects.SkinChanging.Active = false;
  manager.SetSkinName("Night");
  EXPECT_FALSE(Frame()->SkinFade());
  manager.AnimEffects.SkinChanging = {true, 11, TacAnimType::atFading};
  manager.SetSkinName("Dawn");
  EXPECT_FALSE(Frame()->SkinFade());
  EXPECT_FALSE(AnyOverlay());
}

TEST_F(FormAnimations, AFormDestroyedMidFadeLeavesNoOverlay) {
  Show();
  manager.SetSkinName("Night");
  ASSERT_TRUE(Frame()->SkinFade());
  const HWND overlay = Frame()->SkinFade()->Overlay();
  test::PumpMessages(30);
  ASSERT_TRUE(IsWindow(overlay)) << "still fading";
  DestroyWindow(form);
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_FALSE(AnyOverlay());
  EXPECT_EQ(test::PumpMessages(100), 0) << "its timer went with it";
}

TEST_F(FormAnimations, TheSkinGoingMidFadeTakesTheOverlayWithIt) {
  Show();
  manager.SetSkinName("Night");
  ASSERT_TRUE(Frame()->SkinFade());
  manager.SetActive(false);
  EXPECT_FALSE(AnyOverlay());
  EXPECT_EQ(test::PumpMessages(100), 0);
}

TEST_F(FormAnimations, AHideOf120msPlaysTenFramesWhereTheFormWasAndFreesItsOverlay) {
  manager.AnimEffects.FormHide.Time = 120;
  Show();
  const RECT where = Bounds(form);
  ShowWindow(form, SW_HIDE);
  TacHideTimer& hide = TacHideTimer::Instance();
  ASSERT_TRUE(hide.Running());
  const HWND overlay = hide.Overlay();
  EXPECT_TRUE(Same(Bounds(overlay), where));
  // 10 frames from 255 down by 25.5, halves rounded up.
  EXPECT_EQ(HideAlphas(), (std::vector<int>{255, 230, 204, 179, 153, 128, 102, 77, 51, 26, 0}));
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_EQ(test::PumpMessages(100), 0);
}

TEST_F(FormAnimations, AClosedFormFadesAfterItIsGone) {
  manager.AnimEffects.FormHide.Time = 120;
  Show();
  SendMessageW(form, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(form));
  ASSERT_TRUE(TacHideTimer::Instance().Running());
  HideAlphas();
  EXPECT_FALSE(AnyOverlay());
}

// No timer message would reach a hide once the application ends: it plays out with the thread
// waiting, and leaves no overlay and no timer behind.
TEST_F(FormAnimations, AHideStillPlayingWhenTheSkinGoesEndsThenAndThere) {
  manager.AnimEffects.FormHide.Time = 120;
  Show();
  ShowWindow(form, SW_HIDE);
  ASSERT_TRUE(TacHideTimer::Instance().Running());
  manager.SetActive(false);
  EXPECT_FALSE(TacHideTimer::Instance().Running());
  EXPECT_FALSE(AnyOverlay());
  EXPECT_EQ(test::PumpMessages(100), 0);
}

TEST_F(FormAnimations, TheDefaultHideOfNoTimeShowsNothing) {
  Show();
  ShowWindow(form, SW_HIDE);
  EXPECT_FALSE(TacHideTimer::Instance().Running());
  EXPECT_FALSE(AnyOverlay());
  ShowWindow(form, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_FALSE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(FormAnimations, TheFormsOwnSwitchKeepsItsHideStill) {
  manager.AnimEffects.FormHide.Time = 120;
  Show();
  Frame()->SetAllowAnimation(false);
  ShowWindow(form, SW_HIDE);
  EXPECT_FALSE(TacHideTimer::Instance().Running());
  EXPECT_FALSE(AnyOverlay());
}

}  // namespace
}  // namespace velmora::skin
