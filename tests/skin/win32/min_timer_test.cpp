// The minimise animation on real windows: the overlay's alpha per step, where it stands, that it
// is freed at the end and on an interrupted run, and that the form gets its look back.
#include "skin/frame/win32/min_timer.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/frame/win32/skin_provider.h"
#include "skin/animation/win32/layered_overlay.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "tests/skin/win32/window_rects.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

using test::Bounds;
using test::Same;

bool Layered(HWND window) { return GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED; }

BYTE LayeredAlpha(HWND window) {
  BYTE alpha = 255;
  DWORD flags = 0;
  GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
  return alpha;
}

class MinTimer : public ::testing::Test {
 protected:
  MinTimer() {
    const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraFlightTest", DefWindowProcW);
    // 400 x 300 at (100, 50): its centre is (300, 200).
    form = CreateWindowExW(0, cls, L"Flight",
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE,
                           100, 50, 400, 300, nullptr, nullptr,
                           ui::Application::Instance().Module(), nullptr);
    UpdateWindow(form);
  }
  ~MinTimer() override { DestroyWindow(form); }

  // Runs the timer's messages until the run ends, noting the alpha of every step.
  std::vector<int> Fly(const TacMinTimer& timer) {
    std::vector<int> alphas;
    const ULONGLONG end = GetTickCount64() + 5000;
    while (timer.Running() && GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
        if (alphas.empty() || alphas.back() != timer.Flight().Alpha)
          alphas.push_back(timer.Flight().Alpha);
      }
    }
    return alphas;
  }

  ui::Application application;
  HWND form = nullptr;
};

TEST_F(MinTimer, A120msRunFadesFrom56By7AndFreesItsOverlay) {
  TacMinTimer timer(form);
  ASSERT_TRUE(timer.TakeImage({}));
  EXPECT_TRUE(Layered(form));
  EXPECT_EQ(LayeredAlpha(form), 0) << "the form stays in place, unseen";

  timer.StartMinimise(120, {300, 800, 300, 800});
  const HWND overlay = timer.Overlay();
  ASSERT_TRUE(overlay);
  EXPECT_TRUE(IsWindowVisible(overlay));
  EXPECT_TRUE(Layered(overlay));
  EXPECT_EQ(timer.Flight().Alpha, 56) << "the first step runs at once";
  // A 400 x 300 work image centred on (300, 260) after one step of 60 down.
  EXPECT_TRUE(Same(Bounds(overlay), {100, 110, 500, 410}));

  EXPECT_EQ(Fly(timer), (std::vector<int>{56, 49, 42, 35, 28, 21, 14, 7, 0}));
  EXPECT_FALSE(timer.Running());
  EXPECT_TRUE(timer.Minimised());
  EXPECT_FALSE(IsWindow(overlay)) << "the overlay is freed at the end";
  EXPECT_FALSE(Layered(form)) << "the form gets its look back";
}

TEST_F(MinTimer, RestorePlaysTheFlightBackAndEndsOnTheWindow) {
  TacMinTimer timer(form);
  ASSERT_TRUE(timer.TakeImage({}));
  timer.StartMinimise(120, {300, 800, 300, 800});
  Fly(timer);
  ShowWindow(form, SW_HIDE);

  bool restored = false;
  timer.OnRestored = [&] { restored = true; };
  ASSERT_TRUE(timer.StartRestore());
  EXPECT_EQ(LayeredAlpha(form), 0);
  const HWND overlay = timer.Overlay();
  ASSERT_TRUE(overlay);
  const std::vector<int> alphas = Fly(timer);
  ASSERT_FALSE(alphas.empty());
  EXPECT_EQ(alphas.front(), 7);
  EXPECT_EQ(alphas.back(), 63);
  EXPECT_TRUE(restored);
  EXPECT_FALSE(timer.Minimised());
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_TRUE(IsWindowVisible(form)) << "shown where it was";
  EXPECT_TRUE(Same(Bounds(form), {100, 50, 500, 350}));
  EXPECT_FALSE(Layered(form));
}

TEST_F(MinTimer, TwelveMillisecondsEndAtTheFirstStepWithoutAnOverlayLeft) {
  TacMinTimer timer(form);
  ASSERT_TRUE(timer.TakeImage({}));
  timer.StartMinimise(12, {0, 0, 0, 0});
  EXPECT_FALSE(timer.Running());
  EXPECT_TRUE(timer.Minimised());
  EXPECT_EQ(timer.Overlay(), nullptr);
  EXPECT_FALSE(Layered(form));
}

TEST_F(MinTimer, AnInterruptedRunFreesItsOverlayAndGivesTheFormBack) {
  HWND overlay;
  {
    TacMinTimer timer(form);
    ASSERT_TRUE(timer.TakeImage({}));
    timer.StartMinimise(120, {300, 800, 300, 800});
    overlay = timer.Overlay();
    ASSERT_TRUE(IsWindow(overlay));
  }
  EXPECT_FALSE(IsWindow(overlay));
  EXPECT_FALSE(Layered(form));
}

TEST_F(MinTimer, NothingTicksBetweenRuns) {
  TacMinTimer timer(form);
  ASSERT_TRUE(timer.TakeImage({}));
  timer.StartMinimise(120, {300, 800, 300, 800});
  Fly(timer);
  const ULONGLONG end = GetTickCount64() + 200;
  int timerMessages = 0;
  while (GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      timerMessages += message.message == WM_TIMER;
      DispatchMessageW(&message);
    }
  }
  EXPECT_EQ(timerMessages, 0);
}

// Without desktop composition a newer platform keeps its own minimise: no overlay, no timer.
TEST_F(MinTimer, WithoutCompositionTheFrameLeavesTheMinimiseToThePlatform) {
  if (CompositionOn()) GTEST_SKIP() << "the platform composes the desktop";
  test::LoadedSkin skin{"[FORM]\r\n", test::Filled(6, 6, 0xFF203040u)};
  skin.registry->CommonData().Applied = true;
  test::FakeManager manager{skin.registry.get()};
  TacSkinEffects effects;
  TacAnimEffects settings;
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  frame.SetAnimations({&effects, &settings});
  SendMessageW(form, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(form));
  EXPECT_EQ(frame.AnimTimer(), nullptr);
  EXPECT_FALSE(Layered(form));
}

}  // namespace
}  // namespace velmora::skin
