// The skinned radio button on a real platform radio button inside a transparent panel on a form
// that is not skinned: its caption reaches the cache's pixels in the platform's button-text
// colour, which the program resolves through the platform; its press by the space key or the
// left button clicks as the platform's buttons do; its focus frame and disabled look.
#include "skin/controls/win32/radio_button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <windows.h>

#include "skin/controls/win32/panel.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/colour.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "ui/radio_button.h"
#include "ui/static_controls.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

Image32 Master() { return test::Filled(16, 8, test::Bgra(0, 0, 0, 255)); }

// The panel and the radio button let the form through; the form does not answer for the section
// under them, so the caption takes the parent's font colour.
const char* kSections =
    "[TRANSPARENT]\r\nSTATES=1\r\nTRANSPARENCY=100\r\nFONTCOLOR=255\r\n"
    "[CHECKBOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nFONTCOLOR=255\r\n"
    "USESTATE2=1\r\nFONTCOLOR2=16711680\r\n";

// The focus frame's colour, the pressed state's font colour 0xFF0000 (blue), as a pixel.
constexpr uint32_t kFrame = 0xFF0000FFu;

// The form counts the click notifications its controls send through the panel.
int g_clicks = 0;
LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++g_clicks;
  return DefWindowProcW(window, message, wParam, lParam);
}

class Controls : public ui::ComponentOwner {};

struct RadioFixture : ::testing::Test {
  ui::Application application;
  test::LoadedSkin skin{kSections, Master()};
  test::FakeManager manager{skin.registry.get()};
  Controls owner;
  ui::Panel panelControl{owner, "spnl1"};
  ui::RadioButton radioControl{owner, "rb9"};
  HWND form = CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraRadioTest", FormProc), L"",
                              WS_POPUP | WS_VISIBLE, 0, 0, 300, 80, nullptr, nullptr,
                              application.Module(), nullptr);
  std::unique_ptr<TsPanel> panel;
  std::unique_ptr<TsRadioButton> radio;

  RadioFixture() {
    UsePlatformSystemColours();
    TsCommonData::SetDefaultManager(&manager);
    panel = std::make_unique<TsPanel>(panelControl, ui::ChildPlacement{form, 1, {10, 10, 233, 32}});
    radio = std::make_unique<TsRadioButton>(
        radioControl, ui::ChildPlacement{panel->Handle(), 2, {7, 1, 84, 22},
                                         static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))});
    SetWindowTextW(radio->Handle(), L"ветер 1");
    g_clicks = 0;
  }
  ~RadioFixture() override {
    DestroyWindow(form);
    radio.reset();
    panel.reset();
    TsCommonData::SetDefaultManager(nullptr);
    SetSystemColourSource(nullptr);
  }

  PixelView Cache() {
    SendEngineCommand(radio->Handle(), {EngineCommand::PrepareCache});
    return radio->SkinData().Cache()->Pixels();
  }
  int Count(uint32_t pixel) {
    const PixelView pixels = Cache();
    int count = 0;
    for (int32_t y = 0; y < pixels.Height; ++y)
      for (int32_t x = 0; x < pixels.Width; ++x) count += pixels.At(x, y) == pixel;
    return count;
  }
  void Send(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    SendMessageW(radio->Handle(), message, wParam, lParam);
  }
};

TEST_F(RadioFixture, TheCaptionIsDrawnIntoTheCacheInTheButtonTextColour) {
  SendEngineCommand(radio->Handle(), {EngineCommand::PrepareCache});
  ASSERT_FALSE(radio->SkinData().CacheEmpty());
  const PixelView pixels = radio->SkinData().Cache()->Pixels();
  ASSERT_EQ(pixels.Width, 77);
  const uint32_t text = 0xFF000000u | Swap(GetSysColor(COLOR_BTNTEXT));
  ASSERT_NE(text, 0xFF000000u | Swap(GetSysColor(COLOR_BTNFACE)));
  int covered = 0;
  for (int32_t y = 0; y < pixels.Height; ++y)
    for (int32_t x = 0; x < pixels.Width; ++x) covered += pixels.At(x, y) == text;
  EXPECT_GT(covered, 10);  // glyph pixels covered whole
}

TEST_F(RadioFixture, SpaceDownPressesAndSpaceUpClicks) {
  SetFocus(radio->Handle());
  ASSERT_EQ(GetFocus(), radio->Handle());
  Send(WM_KEYDOWN, VK_SPACE);
  Send(WM_KEYDOWN, VK_SPACE);  // the key's repeat presses nothing more
  EXPECT_EQ(g_clicks, 0);
  Send(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(g_clicks, 1);
  Send(WM_KEYUP, VK_SPACE);  // no press to end
  EXPECT_EQ(g_clicks, 1);
  // The press ends without a click when the focus goes.
  Send(WM_KEYDOWN, VK_SPACE);
  SetFocus(form);
  Send(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(g_clicks, 1);
  radio->ReadOnly = true;
  SetFocus(radio->Handle());
  Send(WM_KEYDOWN, VK_SPACE);
  Send(WM_KEYUP, VK_SPACE);
  EXPECT_EQ(g_clicks, 1);
}

TEST_F(RadioFixture, AReleaseOffTheButtonOrALostCaptureDoesNotClick) {
  const HWND button = radio->Handle();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetCapture(), button);
  EXPECT_EQ(GetFocus(), button);
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 5));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(-20, 5));
  EXPECT_EQ(g_clicks, 0);
  EXPECT_EQ(GetCapture(), nullptr);
  // Dragged off and back, released on it: a click.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(-20, 5));
  Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(6, 6));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(6, 6));
  EXPECT_EQ(g_clicks, 1);
  // Another window takes the mouse: the later release on the button does nothing.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SetCapture(form);
  ReleaseCapture();
  Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(g_clicks, 1);
}

TEST_F(RadioFixture, TheFocusedButtonFramesItsCaptionInThePressedFontColour) {
  EXPECT_EQ(Count(kFrame), 0);
  SetFocus(radio->Handle());
  const PixelView pixels = Cache();
  int32_t left = pixels.Width, top = pixels.Height, right = -1, bottom = -1, dots = 0;
  for (int32_t y = 0; y < pixels.Height; ++y)
    for (int32_t x = 0; x < pixels.Width; ++x)
      if (pixels.At(x, y) == kFrame) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
        ++dots;
      }
  ASSERT_GT(dots, 20);
  // A dotted frame right of the 16-pixel glyph place: every dot lies on its edges, every
  // other pixel along its top row.
  EXPECT_GT(left, 16);
  for (int32_t y = 0; y < pixels.Height; ++y)
    for (int32_t x = 0; x < pixels.Width; ++x)
      if (pixels.At(x, y) == kFrame)
        EXPECT_TRUE(x == left || x == right || y == top || y == bottom) << x << ", " << y;
  EXPECT_EQ(pixels.At(left + 1, top), kFrame);
  EXPECT_NE(pixels.At(left + 2, top), kFrame);
  radio->ShowFocus = false;
  EXPECT_EQ(Count(kFrame), 0);
}

TEST_F(RadioFixture, ADisabledButtonBlendsItsCaptionWithWhatLiesBehind) {
  const uint32_t text = 0xFF000000u | Swap(GetSysColor(COLOR_BTNTEXT));
  ASSERT_GT(Count(text), 10);
  EnableWindow(radio->Handle(), FALSE);
  EXPECT_EQ(Count(text), 0);
  // Disabled, it takes no press.
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(g_clicks, 0);
  EnableWindow(radio->Handle(), TRUE);
  EXPECT_GT(Count(text), 10);
}

}  // namespace
}  // namespace velmora::skin
