// Skin data on real windows: the property that marks them, its removal on every kind of
// teardown, commands through the saved procedure, and the manager's broadcasts reaching them.
#include "skin/controls/win32/skinned_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>
#include <windows.h>

#include "skin/controls/cache_image.h"
#include "skin/controls/win32/control_caption.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/test_skin.h"
#include "tests/skin/win32/message_pump.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

HWND Window(HWND parent, int x = 0, int y = 0, int w = 40, int h = 30) {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraSkinnedTest", DefWindowProcW);
  return CreateWindowExW(0, cls, L"", parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, x, y, w, h, parent,
                         nullptr, ui::Application::Instance().Module(), nullptr);
}

HANDLE Property(HWND window) { return GetPropW(window, kSkinDataProperty); }

// Installed before the skin data's subclass, so it sees the final message after it.
HANDLE g_propertyAtTheEnd = reinterpret_cast<HANDLE>(1);
LRESULT CALLBACK WatchEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    g_propertyAtTheEnd = Property(window);
    RemoveWindowSubclass(window, WatchEnd, 0);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

// The argument of the last engine command a window of this class received.
intptr_t g_receivedArgument = -1;
LRESULT CALLBACK ArgumentListener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kEngineMessage) return DefWindowProcW(window, message, wParam, lParam);
  g_receivedArgument = ReceivedEngineCommand(wParam, lParam).Argument;
  return 0;
}

// Sent from a thread of its own while this one pumps its messages, as another program's would be.
void SendFromAnotherThread(HWND window, WPARAM wParam, LPARAM lParam,
                           UINT message = kEngineMessage) {
  std::atomic<bool> done = false;
  std::thread sender([&] {
    SendMessageW(window, message, wParam, lParam);
    done = true;
  });
  test::PumpMessages(10000, [&] { return done.load(); }, [] {});
  sender.join();
}

// Asked by another thread (WM_APP), sends the engine window in wParam our own command carrying
// the pointer in lParam, as the program does while it handles the preview interface's message.
LRESULT CALLBACK NestedSender(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_APP) return DefWindowProcW(window, message, wParam, lParam);
  return SendEngineCommand(reinterpret_cast<HWND>(wParam), {EngineCommand::GetBounds, lParam});
}

// On our own command, lets another thread send the listener kept in its user data the same
// command and pointer while ours is still under way.
LRESULT CALLBACK PumpingListener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kEngineMessage) return DefWindowProcW(window, message, wParam, lParam);
  const HWND listener = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
  SendFromAnotherThread(listener, wParam, lParam);
  return 0;
}

class SkinnedWindows : public ::testing::Test {
 protected:
  ~SkinnedWindows() override { DestroyWindow(form); }
  ui::Application application;
  test::TestSkin skin;
  test::FakeManager manager{skin.loaded.registry.get()};
  HWND form = Window(nullptr);
};

TEST_F(SkinnedWindows, ThePropertyComesWithTheSkinDataAndGoesWithIt) {
  const HWND child = Window(form);
  {
    SkinnedWindow skinned(child, &manager, 51, true);
    EXPECT_EQ(Property(child), static_cast<EngineFastPath*>(&skinned.Data()));
  }
  // Ended while the window lives on, as at the application's end: nothing points at freed data.
  EXPECT_EQ(Property(child), nullptr);
  EXPECT_EQ(SkinDataOf(child), nullptr);
  EXPECT_EQ(SendEngineCommand(child, {EngineCommand::IsHandled}), 0);
}

TEST_F(SkinnedWindows, AWindowDestroyedFirstTakesThePropertyAwayBeforeItEnds) {
  const HWND child = Window(form);
  SetWindowSubclass(child, WatchEnd, 0, 0);
  SkinnedWindow skinned(child, &manager, 51, true);
  DestroyWindow(child);
  EXPECT_EQ(g_propertyAtTheEnd, nullptr);
  EXPECT_EQ(SkinDataOf(child), nullptr);
  EXPECT_FALSE(skinned.Data().IsSkinned());  // the owner is gone: not skinned, nothing reached
  skinned.Data().RequestRepaint(true);
}

TEST_F(SkinnedWindows, ANewerSkinDataKeepsItsPropertyWhenAnOlderOneEnds) {
  const HWND child = Window(form);
  auto older = std::make_unique<SkinnedWindow>(child, &manager, 51, false);
  SkinnedWindow newer(child, &manager, 51, false);
  older.reset();
  EXPECT_EQ(Property(child), static_cast<EngineFastPath*>(&newer.Data()));
  EXPECT_EQ(SkinDataOf(child), &newer.Data());
  newer.Data().ScalePercent = 125;
  EXPECT_EQ(SendMessageW(child, kEngineMessage, EngineWParam(EngineCommand::GetScale), 0), 125);
}

TEST_F(SkinnedWindows, CommandsReachTheSkinDataThroughItsSavedProcedure) {
  const HWND child = Window(form);
  SkinnedWindow skinned(child, &manager, 51, true);
  EXPECT_EQ(SendEngineCommand(child, {EngineCommand::IsHandled}), 1);
  EXPECT_EQ(SendEngineCommand(child, {EngineCommand::GetSkinData}),
            reinterpret_cast<intptr_t>(&skinned.Data()));
  EXPECT_EQ(SendMessageW(child, kEngineMessage, EngineWParam(EngineCommand::GetScale), 0), 100);
  int asked = 0;
  skinned.OwnCommands = [&](const EngineMessage& m) -> std::optional<intptr_t> {
    if (m.Command != EngineCommand::DefaultSectionIndex) return std::nullopt;
    ++asked;
    return skin.Index("PANEL") + 1;
  };
  skinned.Data().Initialize(false);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(skinned.Data().SectionIndex, skin.Index("PANEL"));
}

TEST_F(SkinnedWindows, APointerArgumentArrivesOnlyWhenThisThreadSendsTheCommand) {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraArgumentListener", ArgumentListener);
  const HWND window = CreateWindowExW(0, cls, L"", WS_CHILD, 0, 0, 10, 10, form, nullptr,
                                      ui::Application::Instance().Module(), nullptr);
  Rect bounds;
  const auto pointer = reinterpret_cast<intptr_t>(&bounds);
  const WPARAM getBounds = EngineWParam(EngineCommand::GetBounds);

  EXPECT_EQ(SendEngineCommand(window, {EngineCommand::GetBounds, pointer}), 0);
  EXPECT_EQ(g_receivedArgument, pointer);
  SendFromAnotherThread(window, getBounds, pointer);
  EXPECT_EQ(g_receivedArgument, 0);
  PostMessageW(window, kEngineMessage, getBounds, pointer);
  test::PumpMessages(50);
  EXPECT_EQ(g_receivedArgument, 0);
  SendMessageW(window, kEngineMessage, getBounds, pointer);  // past the engine's own sending
  EXPECT_EQ(g_receivedArgument, 0);
  // A command whose argument is a plain value keeps it from anywhere.
  SendFromAnotherThread(window, EngineWParam(EngineCommand::SetScale), 125);
  EXPECT_EQ(g_receivedArgument, 125);
}

TEST_F(SkinnedWindows, OurOwnPointerArrivesWhileAnotherThreadsMessageIsHandled) {
  const wchar_t* listenerClass = ui::RegisterWindowClass(L"VelmoraArgumentListener",
                                                         ArgumentListener);
  const wchar_t* senderClass = ui::RegisterWindowClass(L"VelmoraNestedSender", NestedSender);
  const HINSTANCE module = ui::Application::Instance().Module();
  const HWND listener = CreateWindowExW(0, listenerClass, L"", WS_CHILD, 0, 0, 10, 10, form,
                                        nullptr, module, nullptr);
  const HWND sender = CreateWindowExW(0, senderClass, L"", WS_CHILD, 0, 0, 10, 10, form, nullptr,
                                      module, nullptr);
  Rect bounds;
  const auto pointer = reinterpret_cast<intptr_t>(&bounds);
  g_receivedArgument = -1;
  SendFromAnotherThread(sender, reinterpret_cast<WPARAM>(listener), pointer, WM_APP);
  EXPECT_EQ(g_receivedArgument, pointer);
}

TEST_F(SkinnedWindows, AnotherThreadsPointerIsDroppedWhileOurSameCommandIsUnderWay) {
  const wchar_t* listenerClass = ui::RegisterWindowClass(L"VelmoraArgumentListener",
                                                         ArgumentListener);
  const wchar_t* pumpingClass = ui::RegisterWindowClass(L"VelmoraPumpingListener",
                                                        PumpingListener);
  const HINSTANCE module = ui::Application::Instance().Module();
  const HWND listener = CreateWindowExW(0, listenerClass, L"", WS_CHILD, 0, 0, 10, 10, form,
                                        nullptr, module, nullptr);
  const HWND pumping = CreateWindowExW(0, pumpingClass, L"", WS_CHILD, 0, 0, 10, 10, form,
                                       nullptr, module, nullptr);
  SetWindowLongPtrW(pumping, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(listener));
  Rect bounds;
  const auto pointer = reinterpret_cast<intptr_t>(&bounds);
  g_receivedArgument = -1;
  SendEngineCommand(pumping, {EngineCommand::GetBounds, pointer});
  EXPECT_EQ(g_receivedArgument, 0);
}

TEST_F(SkinnedWindows, TheManagersBroadcastReachesSkinDataOnRealWindows) {
  const HWND panel = Window(form, 0, 0, 40, 30);
  SkinnedWindow skinned(panel, &manager, 50, true);  // "CHECKBOX" by default
  skinned.Data().Loading = false;
  FormDirectory forms;
  forms.AddForm(form);
  Broadcast(forms, {EngineCommand::NewSkin, manager.Identity()});
  EXPECT_EQ(skinned.Data().SectionIndex, skin.Index("CHECKBOX"));
  Broadcast(forms, {EngineCommand::RemoveSkin, manager.Identity()});
  EXPECT_EQ(skinned.Data().SectionIndex, -1);
}

TEST_F(SkinnedWindows, AChildOverAnOpaquePanelGetsThePanelsColour) {
  const HWND panel = Window(form, 0, 0, 60, 40);
  const HWND check = Window(panel, 5, 5, 20, 10);
  SkinnedWindow panelData(panel, &manager, 51, true);
  panelData.Data().SetSkinSection("PANEL");
  panelData.Data().Initialize(false);
  SkinnedWindow checkData(check, &manager, 50, true);
  checkData.Data().Initialize(false);
  const TacParentBg parent = checkData.Data().ParentBackground();
  EXPECT_EQ(parent.FillColor, 0x00336699u);
  ASSERT_TRUE(RebuildCache(panelData.Data(), {}));
  EXPECT_EQ(panelData.Data().Cache()->Pixels().At(30, 20) & 0xFFFFFF, 0x996633u);
}

TEST_F(SkinnedWindows, ACheckBoxCacheShowsItsParentAndAnOpaqueCaptionInTheSectionsColour) {
  const HWND panel = Window(form, 0, 0, 120, 40);
  const HWND check = Window(panel, 5, 5, 100, 17);
  SkinnedWindow panelData(panel, &manager, 51, true);
  panelData.Data().SetSkinSection("PANEL");
  panelData.Data().Initialize(false);
  panelData.OwnCommands = [&](const EngineMessage& m) -> std::optional<intptr_t> {
    if (m.Command != EngineCommand::PrepareCache) return std::nullopt;
    return RebuildCache(panelData.Data(), {}), 0;
  };
  SkinnedWindow checkData(check, &manager, 32, true);
  checkData.Data().SetSkinSection("CHECKBOX");
  checkData.Data().Initialize(false);
  const CacheLayers layers{.Caption =
                               ControlCaption(checkData, {L"Ручей", nullptr, {0, 0, 100, 17}})};
  ASSERT_TRUE(RebuildCache(checkData.Data(), layers));
  const PixelView pixels = checkData.Data().Cache()->Pixels();
  int red = 0, panelColour = 0;
  for (int32_t y = 0; y < pixels.Height; ++y) {
    for (int32_t x = 0; x < pixels.Width; ++x) {
      const uint32_t p = pixels.At(x, y);
      ASSERT_EQ(p >> 24, 0xFFu) << x << "," << y;  // text leaves no hole in the image
      red += p == 0xFFFF0000u;  // font colour 255 (red) where glyphs cover a pixel whole
      panelColour += p == 0xFF996633u;
    }
  }
  EXPECT_GT(red, 10);
  EXPECT_GT(panelColour, 100 * 17 / 2);
  EXPECT_EQ(pixels.At(99, 0), 0xFF996633u);  // the panel shows through the transparent section
}

TEST_F(SkinnedWindows, TheCacheReachesTheWindowAroundItsVisibleChildren) {
  const HWND panel = Window(form, 0, 0, 60, 40);
  Window(panel, 10, 10, 20, 10);
  SkinnedWindow panelData(panel, &manager, 51, true);
  panelData.Data().SetSkinSection("PANEL");
  panelData.Data().Initialize(false);
  ASSERT_TRUE(RebuildCache(panelData.Data(), {}));
  DibBitmap screen = DibBitmap::Make(60, 40);
  std::fill_n(screen.Pixels().Row(0), 60 * 40, 0xFF000000u);
  panelData.CopyCacheToDC(screen.Dc(), {0, 0}, {0, 0, 60, 40});
  GdiFlush();
  EXPECT_EQ(screen.Pixels().At(30, 25) & 0xFFFFFF, 0x996633u);
  EXPECT_EQ(screen.Pixels().At(15, 15) & 0xFFFFFF, 0u);  // the child's place is its own
  EXPECT_EQ(screen.Pixels().At(29, 19) & 0xFFFFFF, 0u);
  EXPECT_EQ(screen.Pixels().At(30, 20) & 0xFFFFFF, 0x996633u);
}

TEST_F(SkinnedWindows, TheManagersHoverNoticesSetAndClearMouseOver) {
  const HWND box = Window(form, 0, 0, 20, 10);
  SkinnedWindow skinned(box, &manager, 32, false);
  skinned.Data().SetSkinSection("CHECKBOX");
  skinned.Data().Initialize(false);
  SetCursorPos(5000, 5000);  // far from the hidden form
  SendEngineCommand(box, {EngineCommand::MouseEntered, manager.Identity()});
  EXPECT_TRUE(skinned.Data().MouseOver);
  SendEngineCommand(box, {EngineCommand::MouseLeft, manager.Identity()});
  EXPECT_FALSE(skinned.Data().MouseOver);
}

TEST_F(SkinnedWindows, ANewChildAsksTheFormForItsAdapter) {
  std::vector<intptr_t> asked;
  SkinnedWindow formData(form, &manager, 226, false);
  formData.OwnCommands = [&](const EngineMessage& m) -> std::optional<intptr_t> {
    if (m.Command == EngineCommand::AdaptChildren) asked.push_back(m.Argument);
    return std::nullopt;
  };
  const HWND panel = Window(form, 0, 0, 60, 40);
  SkinnedWindow panelData(panel, &manager, 51, false);
  asked.clear();
  Window(panel, 1, 1, 5, 5);
  EXPECT_EQ(asked, std::vector<intptr_t>{reinterpret_cast<intptr_t>(panel)});
}

}  // namespace
}  // namespace velmora::skin
