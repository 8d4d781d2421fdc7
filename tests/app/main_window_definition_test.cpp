// The window definition and the main window's controls describe the same window.
#include "app/main_window_definition.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/form_player.h"
#include "tests/app/fake_platform.h"

namespace velmora::app {
namespace {

using ui::ControlKind;

bool KindMatches(ControlKind kind, const ui::Component* component) {
  switch (kind) {
    case ControlKind::CheckBox: return dynamic_cast<const ui::CheckBox*>(component);
    case ControlKind::RadioButton:
    case ControlKind::TsRadioButton: return dynamic_cast<const ui::RadioButton*>(component);
    case ControlKind::TrackBar:
    case ControlKind::TsTrackBar: return dynamic_cast<const ui::TrackBar*>(component);
    case ControlKind::ComboBox: return dynamic_cast<const ui::ComboBox*>(component);
    case ControlKind::Button:
    case ControlKind::TsButton: return dynamic_cast<const ui::Button*>(component);
    case ControlKind::Label: return dynamic_cast<const ui::Label*>(component);
    case ControlKind::Memo: return dynamic_cast<const ui::Memo*>(component);
    case ControlKind::Panel:
    case ControlKind::TsPanel: return dynamic_cast<const ui::Panel*>(component);
    case ControlKind::TsImage: return dynamic_cast<const ui::Image*>(component);
  }
  return false;
}

TEST(MainWindowDefinition, EveryControlOfTheFormIsDefinedOnceWithItsKind) {
  testing::FakePlatform platform;
  TForm_player form(platform, "C:\\V");
  std::set<std::string> defined;
  for (const ui::ControlDefinition& entry : MainWindowControls()) {
    EXPECT_TRUE(defined.insert(std::string(entry.name)).second) << entry.name;
    EXPECT_TRUE(KindMatches(entry.kind, form.FindComponent(entry.name))) << entry.name;
  }
  for (const ui::Component* component : form.Components()) {
    if (dynamic_cast<const ui::Control*>(component)) {
      EXPECT_TRUE(defined.contains(component->Name())) << component->Name();
    }
  }
  EXPECT_EQ(defined.size(), 62u);
}

TEST(MainWindowDefinition, TabOrdersAreDistinctAmongSiblingsAndHiddenControlsTakeNone) {
  std::map<std::string_view, std::set<int>> ordersByParent;
  for (const ui::ControlDefinition& entry : MainWindowControls()) {
    if (!entry.visible || entry.tabOrder < 0) {
      EXPECT_EQ(entry.tabOrder, -1) << entry.name;
      continue;
    }
    EXPECT_TRUE(ordersByParent[entry.parent].insert(entry.tabOrder).second) << entry.name;
  }
}

TEST(MainWindowDefinition, ChildrenFollowTheirPanels) {
  std::set<std::string_view> seen;
  for (const ui::ControlDefinition& entry : MainWindowControls()) {
    if (!entry.parent.empty()) {
      EXPECT_TRUE(seen.contains(entry.parent)) << entry.name;
    }
    seen.insert(entry.name);
  }
}

TEST(MainWindowDefinition, ListsHoldTheirItemsAndDesignChoices) {
  testing::FakePlatform platform;
  TForm_player form(platform, "C:\\V");
  EXPECT_EQ(form.cbb1.Items().size(), 5u);
  EXPECT_EQ(form.cbb1.ItemIndex(), 2);
  EXPECT_EQ(form.cbb3.Items().at(3), "раз в 120 минут");
  EXPECT_EQ(form.cbb4.Items().at(4), "навсегда");
  EXPECT_EQ(form.cbb5.Items().at(0), "Бубен 1");
  EXPECT_EQ(form.btn4.Caption(), " Параметры по умолчанию");
  EXPECT_TRUE(form.rb9.Checked());
  EXPECT_FALSE(form.rb10.Checked());
}

}  // namespace
}  // namespace velmora::app

namespace velmora::app {
namespace {

TEST(MainWindowDefinition, TheSkinManagerHoldsTheStoredSkinAndTheClassLists) {
  const std::vector<std::uint8_t> package{'A', 'S', 'z', 'f'};
  const skin::SkinManagerDefinition d = MainWindowSkinManager(package);
  ASSERT_EQ(d.InternalSkins.size(), 1u);
  EXPECT_EQ(d.InternalSkins[0].Name, "Emerald (internal)");
  EXPECT_EQ(d.InternalSkins[0].OriginName, "Emerald.asz");
  EXPECT_EQ(d.InternalSkins[0].Data.data(), package.data());
  EXPECT_EQ(d.InternalSkins[0].Data.size(), package.size());
  EXPECT_EQ(d.SkinName, "Emerald (internal)");
  EXPECT_FALSE(d.SkinDirectory.empty());

  ui::ComponentOwner owner;
  testing::FakePlatform platform;
  skin::TsSkinManager manager(owner, "sknmngr1", platform.skinHost);
  manager.ReadDefinition(d);  // the package is no skin: the manager reports it and carries on
  const std::vector<std::vector<std::string>> expected = {
      {"TEdit", "TMemo", "TMaskEdit", "TSpinEdit", "TLabeledEdit", "THotKey", "TListBox",
       "TSearchBox", "TCheckListBox", "TRichEdit", "TDateTimePicker", "TCategoryButtons",
       "TFileListBox"},
      {"TButton"},
      {"TBitBtn"},
      {"TCheckBox", "TRadioButton", "TGroupButton"},
      {"TComboBox", "TComboBoxEx", "TColorBox"},
      {"TStringGrid", "TDrawGrid", "TValueListEditor"},
      {"TGroupBox", "TRadioGroup"},
      {"TListView"},
      {"TPanel", "TPage", "TGridPanel", "TTabPage"},
      {"TTreeView"},
      {" "},
      {" "},
      {" "},
      {"TPageControl"},
      {"TTabControl", "TTabbedNotebook"},
      {"TToolBar"},
      {"TStatusBar"},
      {"TSpeedButton"},
      {"TScrollBox"},
      {"TSpinButton", "TUpDown"},
      {"TScrollBar"},
      {"TStaticText"},
      {" "}};
  for (size_t i = 0; i < skin::kThirdPartyKinds; ++i)
    EXPECT_EQ(manager.ClassLists()[i], expected[i]) << skin::kThirdPartyProperties[i];
}

TEST(MainWindowDefinition, TheListsSkinTheStandardControlsAndNotTheSkinnedOnes) {
  testing::FakePlatform platform;
  TForm_player form(platform, "C:\\V");
  form.sknmngr1.ReadDefinition(MainWindowSkinManager({}));
  const auto kind = [&](const char* name) {
    const auto* control = dynamic_cast<const ui::Control*>(form.FindComponent(name));
    return skin::KindOfClass(form.sknmngr1.ClassLists(), control->ClassName());
  };
  EXPECT_EQ(kind("chk1"), 3);   // TCheckBox
  EXPECT_EQ(kind("rb1"), 3);    // TRadioButton
  EXPECT_EQ(kind("btn1"), 1);   // TButton
  EXPECT_EQ(kind("pnl1"), 8);   // TPanel
  EXPECT_EQ(kind("cbb1"), 4);   // TComboBox
  EXPECT_EQ(kind("mmo1"), 0);   // TMemo
  EXPECT_EQ(kind("Label3"), -1);  // labels follow the label options
  EXPECT_EQ(kind("TrackBar1"), -1);  // TsTrackBar paints itself
  EXPECT_EQ(kind("rb9"), -1);
  EXPECT_EQ(kind("spnl1"), -1);
}

}  // namespace
}  // namespace velmora::app
