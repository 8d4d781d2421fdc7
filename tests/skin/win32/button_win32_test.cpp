// The own push button on a real platform button, on a form that is not skinned: the platform's
// mouse rules (no click and no pressed flash for a release off it or after a lost capture) and
// its focus frame, which follows the manager's button options.
#include "skin/controls/win32/button.h"

#include <gtest/gtest.h>

#include <memory>
#include <windows.h>

#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "ui/button.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

// The face is opaque: its pressed state's font colour 0xFF0000 (blue) is the focus frame's.
const char* kSections =
    "[BUTTON]\r\nSTATES=3\r\nCOLOR=2105376\r\nHOTCOLOR=2105376\r\nFONTCOLOR=16777215\r\n"
    "HOTFONTCOLOR=16777215\r\nUSESTATE2=1\r\nCOLOR2=2105376\r\nFONTCOLOR2=16711680\r\n";
constexpr uint32_t kFrame = 0xFF0000FFu;

int g_clicks = 0;
LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++g_clicks;
  return DefWindowProcW(window, message, wParam, lParam);
}

class Controls : public ui::ComponentOwner {};

struct ButtonFixture : ::testing::Test {
  ui::Application application;
  test::LoadedSkin skin{kSections, test::Filled(4, 4, test::Bgra(0, 0, 0, 255))};
  test::FakeManager manager{skin.registry.get()};
  Controls owner;
  ui::Button buttonControl{owner, "btn4"};
  HWND form = CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraButtonTest", FormProc), L"",
                              WS_POPUP | WS_VISIBLE, 0, 0, 300, 80, nullptr, nullptr,
                              application.Module(), nullptr);
  std::unique_ptr<TsButton> button;

  ButtonFixture() {
    TsCommonData::SetDefaultManager(&manager);
    button = std::make_unique<TsButton>(
        buttonControl, ui::ChildPlacement{form, 1, {10, 10, 159, 51},
                                          static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))});
    SetWindowTextW(button->Handle(), L"Параметры");
    g_clicks = 0;
  }
  ~ButtonFixture() override {
    DestroyWindow(form);
    button.reset();
    TsCommonData::SetDefaultManager(nullptr);
  }

  void Send(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageW(button->Handle(), message, wParam, lParam);
  }
  int FrameDots() {
    SendEngineCommand(button->Handle(), {EngineCommand::PrepareCache});
    const PixelView pixels = button->SkinData().Cache()->Pixels();
    int dots = 0;
    for (int32_t y = 0; y < pixels.Height; ++y)
      for (int32_t x = 0; x < pixels.Width; ++x) dots += pixels.At(x, y) == kFrame;
    return dots;
  }
};

TEST_F(ButtonFixture, AReleaseOnItFlashesThePressAndClicks) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(button->Flashing());
  EXPECT_EQ(g_clicks, 1);
}

TEST_F(ButtonFixture, AReleaseOffItNeitherFlashesNorClicks) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(-30, 20));
  EXPECT_FALSE(button->Flashing());
  EXPECT_EQ(g_clicks, 0);
}

TEST_F(ButtonFixture, ALostCaptureEndsThePressSoALaterReleaseDoesNothing) {
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  ASSERT_EQ(GetCapture(), button->Handle());
  SetCapture(form);
  ReleaseCapture();
  EXPECT_EQ(button->State(), kButtonHot);  // focused, no longer pressed
  Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_FALSE(button->Flashing());
  EXPECT_EQ(g_clicks, 0);
}

TEST_F(ButtonFixture, TheFocusFrameFollowsTheFocusAndTheManagersOption) {
  EXPECT_EQ(FrameDots(), 0);
  SetFocus(button->Handle());
  EXPECT_GT(FrameDots(), 40);
  manager.buttons.ShowFocusRect = false;
  EXPECT_EQ(FrameDots(), 0);
  manager.buttons.ShowFocusRect = true;
  button->ShowFocus = false;
  EXPECT_EQ(FrameDots(), 0);
}

}  // namespace
}  // namespace velmora::skin
