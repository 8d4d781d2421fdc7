// The default manager's window hook: which windows get a frame when they become active or are
// made, and which are left alone.
#include "skin/frame/win32/frame_hooks.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

HWND Form(const wchar_t* className, DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU) {
  const wchar_t* cls = ui::RegisterWindowClass(className, DefWindowProcW);
  return CreateWindowExW(0, cls, L"Form", style, 0, 0, 200, 150, nullptr, nullptr,
                         ui::Application::Instance().Module(), nullptr);
}

INT_PTR CALLBACK NoDialogHandling(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A dialog of the platform's dialog class, made the way message boxes are.
HWND Dialog() {
  struct {
    DLGTEMPLATE head{WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 0, 0, 0, 120, 60};
    WORD menu = 0, windowClass = 0, title = 0;
  } box;
  return CreateDialogIndirectW(ui::Application::Instance().Module(), &box.head, nullptr,
                               NoDialogHandling);
}

bool Framed(HWND window) { return GetPropW(window, kSkinDataProperty) != nullptr; }

// The engine commands a control of this class heard, the handled query aside.
std::vector<int> g_heard;
LRESULT CALLBACK Listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kEngineMessage) return DefWindowProcW(window, message, wParam, lParam);
  if (HIWORD(wParam) != uint16_t(EngineCommand::IsHandled)) g_heard.push_back(HIWORD(wParam));
  return 0;
}

HWND ListeningControl(HWND parent) {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraHookListener", Listener);
  return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, parent, nullptr,
                         ui::Application::Instance().Module(), nullptr);
}

class Hook : public ::testing::Test {
 protected:
  Hook() {
    host.SetWindowHooksFactory(MakeFrameHooks);
    package = test::PackageBuilder().Member("OPTIONS.DAT", "[GLOBALINFO]\nVERSION=10.25\n"
                                                            "[FORM]\nCOLOR=1\n").Build();
    definition.InternalSkins = {{.Name = "Stored", .Data = package}};
    definition.SkinName = "Stored";
  }
  ~Hook() override {
    for (HWND w : windows) DestroyWindow(w);
  }
  HWND Keep(HWND w) {
    windows.push_back(w);
    return w;
  }
  void Activate(HWND w) {
    ShowWindow(w, SW_SHOW);
    SetActiveWindow(w);
  }

  ui::Application application;
  test::FakePlatform platform;
  Win32ManagerHost host{platform};
  ui::ComponentOwner owner;
  std::vector<uint8_t> package;
  SkinManagerDefinition definition;
  std::vector<HWND> windows;
};

TEST_F(Hook, FormsAreFramedUnlessTaggedOrBorderlessPopups) {
  const HWND plain = Keep(Form(L"TFormPlain"));
  const HWND tagged = Keep(Form(L"TFormTagged"));
  const HWND popup = Keep(Form(L"TFormPopup", WS_POPUP));
  host.AddForm(plain);
  host.AddForm(tagged, 0x1100);
  host.AddForm(popup);
  TsSkinManager manager{owner, "sknmngr1", host};
  manager.ReadDefinition(definition);
  for (HWND w : {plain, tagged, popup}) Activate(w);
  EXPECT_TRUE(Framed(plain));
  EXPECT_FALSE(GetWindowLongW(plain, GWL_STYLE) & WS_SYSMENU);
  EXPECT_FALSE(Framed(tagged));
  EXPECT_TRUE(GetWindowLongW(tagged, GWL_STYLE) & WS_SYSMENU);
  EXPECT_FALSE(Framed(popup));
  for (HWND w : {plain, tagged, popup}) host.RemoveForm(w);
}

TEST_F(Hook, AMessageFormNeedsTheStandardDialogsRule) {
  const HWND message = Keep(Form(L"TMessageForm"));
  const HWND other = Keep(Form(L"TFormOther"));
  host.AddForm(message);
  host.AddForm(other);
  TsSkinManager manager{owner, "sknmngr1", host};
  manager.SetSkinningRules(srStdForms);
  manager.ReadDefinition(definition);
  Activate(message);
  Activate(other);
  EXPECT_FALSE(Framed(message));
  EXPECT_TRUE(Framed(other));
  host.RemoveForm(message);
  host.RemoveForm(other);
}

TEST_F(Hook, AThirdVisibleDialogIsLeftAlone) {
  TsSkinManager manager{owner, "sknmngr1", host};
  manager.ReadDefinition(definition);
  const HWND first = Keep(Dialog());
  ShowWindow(first, SW_SHOWNA);
  const HWND second = Keep(Dialog());
  ShowWindow(second, SW_SHOWNA);
  const HWND third = Keep(Dialog());
  EXPECT_TRUE(Framed(first));
  EXPECT_TRUE(Framed(second));
  EXPECT_FALSE(Framed(third));
}

// A framed form carries the frame's skin data and is skipped among the application's forms: it
// and its controls hear a skin change as a form with a frame, and a dialog through its frame.
TEST_F(Hook, ASkinChangeReachesFramedFormsWithTheirControlsAndTheDialogs) {
  const HWND form = Keep(Form(L"TFormBroadcast"));
  ListeningControl(form);
  host.AddForm(form);
  TsSkinManager manager{owner, "sknmngr1", host};
  manager.ReadDefinition(definition);
  Activate(form);
  const HWND dialog = Keep(Dialog());
  ShowWindow(dialog, SW_SHOWNA);
  ASSERT_TRUE(Framed(form));
  ASSERT_TRUE(Framed(dialog));
  const ReceiverDirectory& receivers = host.Receivers();
  ASSERT_EQ(receivers.SkinnedForms().size(), 1u);
  EXPECT_EQ(static_cast<WindowReceiver*>(receivers.SkinnedForms()[0])->Handle(), form);
  ASSERT_EQ(receivers.Providers().size(), 1u);
  EXPECT_EQ(static_cast<WindowReceiver*>(receivers.Providers()[0])->Handle(), dialog);

  g_heard.clear();
  manager.SetSkinName("Stored");
  const std::vector<int> changed = {int(EngineCommand::NewSkin),
                                    int(EngineCommand::StopAnimation),
                                    int(EngineCommand::Refresh)};
  EXPECT_EQ(g_heard, changed);
  g_heard.clear();
  manager.SetActive(false);  // the frames go with the hooks, the form is a plain form again
  EXPECT_EQ(g_heard, std::vector<int>{int(EngineCommand::RemoveSkin)});
  EXPECT_FALSE(Framed(form));
  EXPECT_TRUE(receivers.SkinnedForms().empty());
  g_heard.clear();
  manager.SetActive(true);
  EXPECT_TRUE(Framed(form));
  EXPECT_EQ(g_heard.front(), int(EngineCommand::NewSkin));
  EXPECT_EQ(g_heard.back(), int(EngineCommand::Refresh));
  host.RemoveForm(form);
}

TEST_F(Hook, RemovingTheHookGivesFormsTheirFrameBack) {
  const HWND form = Keep(Form(L"TFormBack"));
  host.AddForm(form);
  {
    TsSkinManager manager{owner, "sknmngr1", host};
    manager.ReadDefinition(definition);
    Activate(form);
    ASSERT_TRUE(Framed(form));
  }
  EXPECT_FALSE(Framed(form));
  EXPECT_TRUE(GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU);
  host.RemoveForm(form);
}

}  // namespace
}  // namespace velmora::skin
