// The attachment registry on real windows: which list decides, exact class names, the no-skin
// tag, engine-handled windows, re-entrant walks, labels, windows that go, and the subclass
// chain that gives every window back in any order.
#include "skin/controls/win32/adapter_registry.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <windows.h>

#include "skin/controls/win32/skinned_window.h"
#include "skin/manager/win32/window_receivers.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/controls/test_skin.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

constexpr UINT kPing = WM_APP + 7;

HWND Window(HWND parent, const wchar_t* text = L"") {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraAdapterTest", DefWindowProcW);
  return CreateWindowExW(0, cls, text, parent ? WS_CHILD | WS_VISIBLE : WS_POPUP, 0, 0, 40, 20,
                         parent, nullptr, ui::Application::Instance().Module(), nullptr);
}

// Counts the pings that reach it; installed after (so before, in call order) the adapter.
int g_pings = 0;
LRESULT CALLBACK CountPings(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
  if (message == kPing) ++g_pings;
  return DefSubclassProc(window, message, wParam, lParam);
}

// Installed before the adapter, so it sees the final message after it: the marks left then.
int g_marksAtTheEnd = -1;
LRESULT CALLBACK CountMarksAtTheEnd(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR) {
  if (message == WM_NCDESTROY) {
    g_marksAtTheEnd = (GetPropW(window, kAdapterProperty) != nullptr) +
                      (GetPropW(window, kSkinDataProperty) != nullptr);
    RemoveWindowSubclass(window, CountMarksAtTheEnd, 0);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

class Registry : public ::testing::Test {
 protected:
  ~Registry() override { DestroyWindow(form); }
  TacCtrlAdapter& Make() {
    registry = std::make_unique<TacCtrlAdapter>(
        &manager, lists, [this](HWND w) -> std::optional<ControlFacts> {
          if (onLookup) onLookup();
          const auto found = facts.find(w);
          if (found == facts.end()) return std::nullopt;
          return found->second;
        });
    return *registry;
  }
  HWND Control(const char* className, int32_t tag = 0, HWND parent = nullptr) {
    const HWND w = Window(parent ? parent : form);
    facts[w] = {className, tag};
    return w;
  }

  ui::Application application;
  test::TestSkin skin;
  test::FakeManager manager{skin.loaded.registry.get()};
  ClassNameLists lists;
  std::map<HWND, ControlFacts> facts;
  std::function<void()> onLookup;
  std::unique_ptr<TacCtrlAdapter> registry;
  HWND form = Window(nullptr);
};

TEST_F(Registry, TheLowerListDecidesAndNamesMatchExactly) {
  lists[3] = {"TCheckBox"};
  lists[8] = {"TCheckBox", "TPanel"};
  lists[1] = {"Tbutton"};
  const HWND check = Control("TCheckBox"), panel = Control("TPanel"), button = Control("TButton");
  Make().AddAllItems(form);
  ASSERT_NE(registry->AdapterOf(check), nullptr);
  EXPECT_EQ(registry->AdapterOf(check)->ListIndex(), 3);
  EXPECT_EQ(registry->AdapterOf(panel)->ListIndex(), 8);
  EXPECT_EQ(registry->AdapterOf(button), nullptr);
  EXPECT_EQ(GetPropW(button, kAdapterProperty), nullptr);
  EXPECT_NE(GetPropW(check, kAdapterProperty), nullptr);
  EXPECT_NE(GetPropW(check, kSkinDataProperty), nullptr);
}

TEST_F(Registry, AnAdaptedWindowDestroyedFirstLosesBothMarksBeforeItEnds) {
  lists[3] = {"TCheckBox"};
  const HWND check = Control("TCheckBox");
  SetWindowSubclass(check, CountMarksAtTheEnd, 0, 0);
  Make().AddAllItems(form);
  ASSERT_NE(GetPropW(check, kAdapterProperty), nullptr);
  DestroyWindow(check);
  EXPECT_EQ(g_marksAtTheEnd, 0);
  registry->PurgeItems();
  EXPECT_EQ(registry->AdapterOf(check), nullptr);
}

TEST_F(Registry, TheNoSkinTagAndEngineHandledWindowsAreLeftAlone) {
  lists[3] = {"TCheckBox"};
  const HWND tagged = Control("TCheckBox", 0x1100);
  const HWND label = Control("TLabel", 0x100);
  const HWND own = Control("TCheckBox");
  SkinnedWindow ownData(own, &manager, 50, true);
  const HANDLE ownMark = GetPropW(own, kSkinDataProperty);
  Make().AddAllItems(form);
  EXPECT_EQ(registry->AdapterOf(tagged), nullptr);
  EXPECT_EQ(registry->LabelOf(label), nullptr);
  EXPECT_EQ(registry->AdapterOf(own), nullptr);
  EXPECT_EQ(GetPropW(own, kSkinDataProperty), ownMark);
  EXPECT_EQ(GetPropW(own, kAdapterProperty), nullptr);
}

TEST_F(Registry, AWalkStartedDuringAWalkDoesNothingAndTheFirstReachesEveryControl) {
  lists[3] = {"TCheckBox"};
  const HWND panel = Control("TPanel");
  const HWND first = Control("TCheckBox"), inner = Control("TCheckBox", 0, panel);
  int nested = 0;
  onLookup = [&] {
    ++nested;
    registry->AddAllItems(form);  // re-entrant: ignored
  };
  Make().AddAllItems(form);
  EXPECT_NE(registry->AdapterOf(first), nullptr);
  EXPECT_NE(registry->AdapterOf(inner), nullptr);
  EXPECT_EQ(nested, 3);  // one lookup per window, none from the nested walks
  EXPECT_EQ(registry->Count(), 2u);
}

TEST_F(Registry, ALabelAdjustedTwiceKeepsOneRecordAndIsGivenBack) {
  const HWND label = Control("TLabel");
  Make().AddAllItems(form);
  const LabelAdjustment* record = registry->LabelOf(label);
  ASSERT_NE(record, nullptr);
  registry->AddAllItems(form);
  EXPECT_EQ(registry->LabelOf(label), record);
  EXPECT_EQ(record->Colour(), uint32_t(skin.loaded.registry->LabelColor()));
  // A later subclass keeps working once the label is given back.
  SetWindowSubclass(label, CountPings, 1, 0);
  registry->FreeAllItems();
  g_pings = 0;
  SendMessageW(label, kPing, 0, 0);
  EXPECT_EQ(g_pings, 1);
  RemoveWindowSubclass(label, CountPings, 1);
}

TEST_F(Registry, AWindowDestroyedWithItsAdapterIsDroppedAndItsSuccessorAdapted) {
  lists[0] = {"TMemo"};
  const HWND memo = Control("TMemo");
  Make().AddAllItems(form);
  ASSERT_NE(registry->AdapterOf(memo), nullptr);
  facts.erase(memo);
  DestroyWindow(memo);
  EXPECT_EQ(registry->AdapterOf(memo), nullptr);
  const HWND again = Control("TMemo");
  registry->AddAllItems(form);
  EXPECT_EQ(registry->Count(), 1u);
  EXPECT_NE(registry->AdapterOf(again), nullptr);
}

// The adapter subclasses through the platform's chain: a subclass installed after it keeps
// its place when the adapter goes, and one installed before is not cut off either.
TEST_F(Registry, FreeingAdaptersLeavesOtherSubclassesInPlaceInAnyOrder) {
  lists[1] = {"TButton"};
  const HWND before = Control("TButton"), after = Control("TButton");
  SetWindowSubclass(before, CountPings, 2, 0);
  Make().AddAllItems(form);
  SetWindowSubclass(after, CountPings, 3, 0);
  g_pings = 0;
  SendMessageW(before, kPing, 0, 0);
  SendMessageW(after, kPing, 0, 0);
  EXPECT_EQ(g_pings, 2);
  registry->FreeAllItems();
  EXPECT_EQ(GetPropW(before, kAdapterProperty), nullptr);
  EXPECT_EQ(GetPropW(after, kSkinDataProperty), nullptr);
  g_pings = 0;
  SendMessageW(before, kPing, 0, 0);
  SendMessageW(after, kPing, 0, 0);
  EXPECT_EQ(g_pings, 2);
  RemoveWindowSubclass(before, CountPings, 2);
  RemoveWindowSubclass(after, CountPings, 3);
}

}  // namespace
}  // namespace velmora::skin
