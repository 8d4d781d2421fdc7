// The title band on a real window: its buttons answer hit tests where the skin puts them, a press
// holds the mouse and acts only when released over the same button, double clicks on the caption
// and the icon, a close that takes the frame with it, and the caption's glow.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <new>
#include <vector>

#include "skin/controls/engine_commands.h"
#include "skin/frame/win32/skin_provider.h"
#include "skin/frame/win32/system_menu.h"
#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

std::vector<WPARAM> g_commands;
// Set by a test that lets the close command take the window and its frame away.
void (*g_onClose)() = nullptr;

LRESULT CALLBACK Recording(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SYSCOMMAND) {
    g_commands.push_back(wParam & 0xFFF0);
    if ((wParam & 0xFFF0) == SC_CLOSE && g_onClose) g_onClose();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

Image32 ButtonMaster() { return test::Filled(72, 50, 0xFF405060u); }

class TitleBand : public ::testing::Test {
 protected:
  TitleBand() {
    g_commands.clear();
    g_onClose = nullptr;
    skin.registry->CommonData().Applied = true;
    const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraTitleTest", Recording);
    form = CreateWindowExW(0, cls, L"Title", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                           20, 20, 300, 200, nullptr, nullptr, ui::Application::Instance().Module(),
                           nullptr);
    ShowWindow(form, SW_SHOWNOACTIVATE);
  }
  ~TitleBand() override {
    if (IsWindow(form)) DestroyWindow(form);
  }
  void Skin() { SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()}); }
  // A screen point of the title band, dx pixels left of the window's right edge.
  LPARAM FromRight(int dx) const {
    RECT w;
    GetWindowRect(form, &w);
    const int b = GetSystemMetrics(SM_CXFIXEDFRAME), c = GetSystemMetrics(SM_CYCAPTION);
    return MAKELPARAM(w.right - dx, w.top + c / 2 + b / 2);
  }
  LRESULT HitAt(LPARAM point) { return SendMessageW(form, WM_NCHITTEST, 0, point); }
  // Distance from the right edge to the middle of the close and minimise buttons.
  int CloseMiddle() const { return 2 + std::max(4, GetSystemMetrics(SM_CXFIXEDFRAME)) + 12; }
  int MinMiddle() const { return CloseMiddle() + 23; }
  LPARAM ClientPoint() const { return MAKELPARAM(10, 40); }

  ui::Application application;
  test::LoadedSkin skin{"BILEFT=4\r\nBIRIGHT=2\r\nBISPACE=-1\r\n"
                        "BICONCLOSE=@0000@0000@0072@0025@3@0\r\n"
                        "BICONMIN=@0000@0025@0072@0050@3@0\r\n",
                        ButtonMaster()};
  test::FakeManager manager{skin.registry.get()};
  HWND form = nullptr;
};

// Pixels of the title band where green rules: only a green glow puts them there.
int GreenInTheBand(HWND form) {
  RECT w;
  GetWindowRect(form, &w);
  const int band = GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION);
  const HDC dc = GetWindowDC(form);
  int green = 0;
  for (int y = 0; y < band; ++y)
    for (int x = 0; x < w.right - w.left; ++x) {
      const COLORREF p = GetPixel(dc, x, y);
      green += GetGValue(p) > 64 && GetGValue(p) > 2 * GetRValue(p) &&
               GetGValue(p) > 2 * GetBValue(p);
    }
  ReleaseDC(form, dc);
  return green;
}

// The title section's glow lies under the caption, in the glow colour; without one, none shows.
TEST(TitleCaption, GlowsWhenTheTitleSectionHasAGlow) {
  ui::Application application;
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraTitleGlowTest", Recording);
  auto greenWith = [&](const char* title) {
    test::LoadedSkin skin(title, ButtonMaster());
    skin.registry->CommonData().Applied = true;
    test::FakeManager manager{skin.registry.get()};
    const HWND form =
        CreateWindowExW(0, cls, L"Glowing title", WS_OVERLAPPED | WS_CAPTION, 20, 20, 300, 200,
                        nullptr, nullptr, ui::Application::Instance().Module(), nullptr);
    ShowWindow(form, SW_SHOWNOACTIVATE);
    int green = 0;
    {
      TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
      SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()});
      RedrawWindow(form, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
      green = GreenInTheBand(form);
    }
    DestroyWindow(form);
    return green;
  };
  EXPECT_GT(greenWith("[FORMTITLE]\r\nFONTCOLOR=16777215\r\nHOTFONTCOLOR=16777215\r\n"
                      "GSIZE=3\r\nGCOL=65280\r\nHGSIZE=3\r\nHGCOL=65280\r\n"),
            40);
  EXPECT_EQ(greenWith("[FORMTITLE]\r\nFONTCOLOR=16777215\r\nHOTFONTCOLOR=16777215\r\n"), 0);
}

TEST_F(TitleBand, CloseMinimiseAndTheIconAnswerHitTests) {
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  Skin();
  EXPECT_EQ(HitAt(FromRight(CloseMiddle())), HTCLOSE);
  EXPECT_EQ(HitAt(FromRight(MinMiddle())), HTMINBUTTON);
  EXPECT_EQ(HitAt(FromRight(MinMiddle() + 40)), HTCAPTION);
  RECT w;
  GetWindowRect(form, &w);
  const int b = GetSystemMetrics(SM_CXFIXEDFRAME);
  EXPECT_EQ(HitAt(MAKELPARAM(w.left + b + 4 + 8, short(HIWORD(FromRight(0))))), HTSYSMENU);
}

TEST_F(TitleBand, APressHoldsTheMouseAndOnlyAReleaseOverTheButtonActs) {
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  Skin();
  SendMessageW(form, WM_NCLBUTTONDOWN, HTMINBUTTON, FromRight(MinMiddle()));
  EXPECT_EQ(GetCapture(), form);
  SendMessageW(form, WM_LBUTTONUP, 0, ClientPoint());  // moved off, released
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(g_commands.empty());

  SendMessageW(form, WM_NCLBUTTONDOWN, HTMINBUTTON, FromRight(MinMiddle()));
  POINT over{short(LOWORD(FromRight(MinMiddle()))), short(HIWORD(FromRight(MinMiddle())))};
  ScreenToClient(form, &over);
  SendMessageW(form, WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
  EXPECT_EQ(g_commands, std::vector<WPARAM>{SC_MINIMIZE});
}

TEST_F(TitleBand, LosingTheCaptureEndsThePress) {
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  Skin();
  SendMessageW(form, WM_NCLBUTTONDOWN, HTCLOSE, FromRight(CloseMiddle()));
  ReleaseCapture();
  SendMessageW(form, WM_NCLBUTTONUP, HTCLOSE, FromRight(CloseMiddle()));
  EXPECT_TRUE(g_commands.empty());
}

TEST_F(TitleBand, DoubleClickOnTheCaptionDoesNothingOnTheIconCloses) {
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  Skin();
  SendMessageW(form, WM_NCLBUTTONDBLCLK, HTCAPTION, FromRight(100));
  EXPECT_TRUE(g_commands.empty());
  EXPECT_FALSE(IsZoomed(form));
  SendMessageW(form, WM_NCLBUTTONDBLCLK, HTSYSMENU, FromRight(250));
  EXPECT_EQ(g_commands, std::vector<WPARAM>{SC_CLOSE});
}

// The frame lives in storage of the test's own, so that whatever it wrote after its destruction
// would show in the bytes left behind.
TEST_F(TitleBand, NothingTouchesTheFrameThatTheCloseCommandDestroyed) {
  alignas(TsSkinProvider) static unsigned char storage[sizeof(TsSkinProvider)];
  static TsSkinProvider* frame = nullptr;
  static HWND window = nullptr;
  frame = new (storage) TsSkinProvider(form, &manager, TsSkinProvider::Kind::Form, {});
  window = form;
  Skin();
  g_onClose = [] {
    DestroyWindow(window);
    frame->~TsSkinProvider();
    std::memset(storage, 0xA5, sizeof storage);
  };
  SendMessageW(form, WM_NCLBUTTONDOWN, HTCLOSE, FromRight(CloseMiddle()));
  SendMessageW(form, WM_NCLBUTTONUP, HTCLOSE, FromRight(CloseMiddle()));
  EXPECT_EQ(g_commands, std::vector<WPARAM>{SC_CLOSE});
  EXPECT_FALSE(IsWindow(form));
  const std::vector<unsigned char> untouched(sizeof storage, 0xA5);
  EXPECT_EQ(std::memcmp(storage, untouched.data(), sizeof storage), 0);
}

TEST_F(TitleBand, TheSystemMenuHoldsTheWindowCommandsInThePlatformsWords) {
  wchar_t platformClose[256] = {};
  GetMenuStringW(GetSystemMenu(form, FALSE), SC_CLOSE, platformClose, 256, MF_BYCOMMAND);
  TsSystemMenu menu(form);
  TitleForm main;
  main.Border = BorderStyle::Single, main.Minimize = true;
  menu.UpdateSystemMenu(main);
  const HMENU m = menu.Handle();
  const std::vector<UINT> expected = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, 0, SC_CLOSE};
  ASSERT_EQ(GetMenuItemCount(m), int(expected.size()));
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(GetMenuItemID(m, int(i)), expected[i]);
  EXPECT_TRUE(GetMenuState(m, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);  // nothing to restore
  EXPECT_TRUE(GetMenuState(m, SC_SIZE, MF_BYCOMMAND) & MF_GRAYED);     // a fixed border
  EXPECT_FALSE(GetMenuState(m, SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED);
  EXPECT_FALSE(GetMenuState(m, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED);
  wchar_t close[256] = {};
  GetMenuStringW(m, SC_CLOSE, close, 256, MF_BYCOMMAND);
  EXPECT_STREQ(close, platformClose[0] ? platformClose : L"Close");
}

}  // namespace
}  // namespace velmora::skin
