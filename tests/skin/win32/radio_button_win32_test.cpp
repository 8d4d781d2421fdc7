// The skinned radio button on a real platform radio button inside a transparent panel on a form
// that is not skinned: its caption reaches the cache's pixels in the platform's button-text
// colour, which the program resolves through the platform.
#include "skin/controls/win32/radio_button.h"

#include <gtest/gtest.h>

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
    "[CHECKBOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nFONTCOLOR=255\r\n";

class Controls : public ui::ComponentOwner {};

struct RadioFixture : ::testing::Test {
  ui::Application application;
  test::LoadedSkin skin{kSections, Master()};
  test::FakeManager manager{skin.registry.get()};
  Controls owner;
  ui::Panel panelControl{owner, "spnl1"};
  ui::RadioButton radioControl{owner, "rb9"};
  HWND form = CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraRadioTest", DefWindowProcW), L"",
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
  }
  ~RadioFixture() override {
    DestroyWindow(form);
    radio.reset();
    panel.reset();
    TsCommonData::SetDefaultManager(nullptr);
    SetSystemColourSource(nullptr);
  }
};

TEST_F(RadioFixture, TheCaptionIsDrawnIntoTheCacheInTheButtonTextColour) {
  SetWindowTextW(radio->Handle(), L"ветер 1");
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

}  // namespace
}  // namespace velmora::skin
