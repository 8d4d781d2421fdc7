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
