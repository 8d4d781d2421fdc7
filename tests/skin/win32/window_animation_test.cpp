// The show and hide animations on real windows: alpha per step, lifetime of the overlay, and the
// form at its final alpha afterwards.
#include "skin/animation/win32/window_animation.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "tests/skin/paint/pixels.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

class WindowAnimation : public ::testing::Test {
 protected:
  WindowAnimation() {
    const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraAnimationTest", DefWindowProcW);
    form = CreateWindowExW(0, cls, L"Animated", WS_POPUP | WS_BORDER, 40, 30, 160, 120, nullptr,
                           nullptr, ui::Application::Instance().Module(), nullptr);
  }
  ~WindowAnimation() override {
    TacHideTimer::Instance().Finish();
    DestroyWindow(form);
  }

  std::vector<int> RunHide() {
    TacHideTimer& hide = TacHideTimer::Instance();
    std::vector<int> alphas{hide.Alpha()};
    const ULONGLONG end = GetTickCount64() + 5000;
    while (hide.Running() && GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
        if (hide.Running() && alphas.back() != hide.Alpha()) alphas.push_back(hide.Alpha());
      }
    }
    return alphas;
  }

  ui::Application application;
  HWND form = nullptr;
  Image32 image = test::Filled(160, 120, 0xFF336699u);
};

TEST_F(WindowAnimation, ShowTimeZeroShowsTheFormAtOnceAtItsFinalAlpha) {
  AnimateWindowShow(form, image, 0, 200, WindowAnimKind::Aero);
  EXPECT_TRUE(IsWindowVisible(form));
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(form, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 200);
  EXPECT_FALSE(FindWindowW(L"TacGlowForm", nullptr)) << "the overlay is gone";
}

TEST_F(WindowAnimation, AFullShowLeavesTheFormUnlayered) {
  AnimateWindowShow(form, image, 36, 255, WindowAnimKind::DropDown);
  EXPECT_TRUE(IsWindowVisible(form));
  EXPECT_FALSE(GetWindowLongW(form, GWL_EXSTYLE) & WS_EX_LAYERED);
  EXPECT_FALSE(FindWindowW(L"TacGlowForm", nullptr));
}

TEST_F(WindowAnimation, An11msHideFreesItsOverlayAtOnce) {
  TacHideTimer::Instance().AnimateWindowHide(image, {40, 30}, 11, WindowAnimKind::Aero, 255,
                                             false);
  EXPECT_FALSE(TacHideTimer::Instance().Running());
  EXPECT_FALSE(FindWindowW(L"TacGlowForm", nullptr));
}

TEST_F(WindowAnimation, AHideFadesByItsShareEachTickAndFreesTheOverlayAfterTheLast) {
  // 48 ms: 4 frames from 200, 50 each.
  TacHideTimer& hide = TacHideTimer::Instance();
  hide.AnimateWindowHide(image, {40, 30}, 48, WindowAnimKind::Aero, 200, false);
  const HWND overlay = hide.Overlay();
  ASSERT_TRUE(overlay);
  RECT r{};
  GetWindowRect(overlay, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(RunHide(), (std::vector<int>{200, 150, 100, 50, 0}));
  EXPECT_FALSE(hide.Running());
  EXPECT_FALSE(IsWindow(overlay));
}

}  // namespace
}  // namespace velmora::skin
