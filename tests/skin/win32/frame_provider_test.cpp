// The frame component on a real window: the caption buttons' style goes while skinned, the key
// corners are cut from the region, and removing the skin gives style and rectangle back.
#include "skin/frame/win32/skin_provider.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "skin/controls/engine_commands.h"
#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

// FORM's mask (0, 0)-(6, 6) has a key at its top-left pixel and its bottom-right one.
Image32 CornerMaster() {
  Image32 master = test::Filled(6, 6, 0xFF203040u);
  master.At(0, 0) = kKeyColour;
  master.At(5, 5) = kKeyColour;
  return master;
}

class Frame : public ::testing::Test {
 protected:
  Frame() {
    skin.registry->CommonData().Applied = true;
    const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraFrameTest", DefWindowProcW);
    form = CreateWindowExW(0, cls, L"Frame", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 10, 10, 200,
                           150, nullptr, nullptr, ui::Application::Instance().Module(), nullptr);
  }
  ~Frame() override { DestroyWindow(form); }
  bool InRegion(int x, int y) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool set = GetWindowRgn(form, region) != ERROR;
    const bool inside = set && PtInRegion(region, x, y);
    DeleteObject(region);
    return inside;
  }
  bool HasRegion() {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool set = GetWindowRgn(form, region) != ERROR;
    DeleteObject(region);
    return set;
  }
  LONG Style() const { return GetWindowLongW(form, GWL_STYLE); }

  ui::Application application;
  test::LoadedSkin skin{"[FORM]\r\nBORDERSMASK=^0000^0000^0006^0006^0002^0002^0002^0002^1^0^0^0\r\n",
                        CornerMaster()};
  test::FakeManager manager{skin.registry.get()};
  HWND form = nullptr;
};

TEST_F(Frame, SkinnedWithoutTheSystemMenuAndWithKeyCornersCut) {
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()});
  EXPECT_FALSE(Style() & WS_SYSMENU);
  SendMessageW(form, WM_SIZE, 0, 0);
  RECT r;
  GetWindowRect(form, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  EXPECT_FALSE(InRegion(0, 0));
  EXPECT_FALSE(InRegion(w - 1, h - 1));
  EXPECT_TRUE(InRegion(1, 0));
  EXPECT_TRUE(InRegion(w - 1, 0));  // no key there
  EXPECT_EQ(SendEngineCommand(form, {EngineCommand::GetProvider}),
            reinterpret_cast<LRESULT>(&frame));
}

TEST_F(Frame, RemovingTheSkinGivesTheSystemMenuAndARectangleBack) {
  {
    TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
    SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()});
    SendMessageW(form, WM_SIZE, 0, 0);
    ASSERT_TRUE(HasRegion());
    SendEngineCommand(form, {EngineCommand::RemoveSkin, manager.Identity()});
    EXPECT_TRUE(Style() & WS_SYSMENU);
    EXPECT_FALSE(HasRegion());
    // Another skin, then the frame goes with the skin still on: given back all the same.
    SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()});
    EXPECT_FALSE(Style() & WS_SYSMENU);
  }
  EXPECT_TRUE(Style() & WS_SYSMENU);
  EXPECT_FALSE(HasRegion());
  EXPECT_EQ(GetPropW(form, kSkinDataProperty), nullptr);
}

TEST_F(Frame, SomethingThatSetsTheSystemMenuAgainLosesIt) {
  TsSkinProvider frame(form, &manager, TsSkinProvider::Kind::Form, {});
  SendEngineCommand(form, {EngineCommand::NewSkin, manager.Identity()});
  SetWindowLongW(form, GWL_STYLE, Style() | WS_SYSMENU);
  EXPECT_FALSE(Style() & WS_SYSMENU);
}

}  // namespace
}  // namespace velmora::skin
