// The window definition's skin manager: its stored skin item and the class-name lists, and which
// of the window's controls those lists reach.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/form_player.h"
#include "app/main_window_definition.h"
#include "skin/manager/skin_manager.h"
#include "tests/app/fake_platform.h"

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
