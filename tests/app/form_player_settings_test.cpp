// The settings file through the main window's controls, the defaults, the master volume and the
// sound switch.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "app/form_player.h"
#include "scene/settings_file.h"
#include "tests/app/fake_platform.h"

namespace velmora::app {
namespace {

using testing::Engine;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;

constexpr const char* kNotFound = "Message(файл параметров не найден)";
constexpr const char* kFaulty = "Message(файл параметров содержит ошибки)";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() { testing::ResetEngine(); }

  // A new window on the same desktop, as the next run of the program.
  TForm_player& Run() {
    form = std::make_unique<TForm_player>(platform, "C:\\Velmora\\");
    form->FormCreate();
    return *form;
  }

  void WriteLines(const std::vector<std::string>& lines) {
    platform.settingsFile = scene::JoinLines(lines);
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    std::copy_if(Engine().calls.begin(), Engine().calls.end(), std::back_inserter(messages),
                 [](const std::string& call) { return call.starts_with("Message("); });
    return messages;
  }

  testing::FakePlatform platform;
  std::unique_ptr<TForm_player> form;
};

// Every stored control away from its design value.
void ChangeEverything(TForm_player& f) {
  f.chk1.SetChecked(true);
  f.TrackBar1.SetPosition(17);
  f.TrackBar2.SetPosition(-3);
  f.trckbr4.SetPosition(42);
  f.rb2.SetChecked(true);
  f.chk2.SetChecked(true);
  f.trckbr1.SetPosition(1);
  f.trckbr2.SetPosition(4);
  f.trckbr5.SetPosition(-5);
  f.rb4.SetChecked(true);
  f.chk3.SetChecked(true);
  f.trckbr3.SetPosition(19);
  f.chk5.SetChecked(true);
  f.trckbr6.SetPosition(2);
  f.rb6.SetChecked(true);
  f.chk9.SetChecked(true);
  f.trckbr10.SetPosition(3);
  f.cbb1.SetItemIndex(4);
  f.chk6.SetChecked(true);
  f.trckbr7.SetPosition(4);
  f.cbb2.SetItemIndex(0);
  f.chk4.SetChecked(true);
  f.trckbr8.SetPosition(6);
  f.RadioButton2.SetChecked(true);
  f.chk7.SetChecked(true);
  f.trckbr9.SetPosition(7);
  f.chk8.SetChecked(true);
  f.cbb3.SetItemIndex(3);
  f.rb8.SetChecked(true);
  f.cbb4.SetItemIndex(4);
  f.strckbr11.SetPosition(77);
  f.chk10.SetChecked(false);
  f.rb10.SetChecked(true);
}

TEST_F(SettingsTest, EveryStoredControlSurvivesACloseAndAStartButTheDrum) {
  ChangeEverything(Run());
  form->chk11.SetChecked(true);
  form->strckbr1.SetPosition(15);
  form->FormCloseQuery();
  const std::string written = *platform.settingsFile;
  EXPECT_EQ(written,
            "1\r\n17\r\n-3\r\n42\r\n1\r\n1\r\n1\r\n4\r\n-5\r\n0\r\n1\r\n19\r\n1\r\n2\r\n0\r\n1\r\n3\r\n"
            "4\r\n1\r\n4\r\n0\r\n1\r\n6\r\n0\r\n1\r\n7\r\n1\r\n3\r\n0\r\n4\r\n77\r\n0\r\n0\r\n");

  TForm_player& next = Run();
  EXPECT_THAT(Messages(), ElementsAre());
  EXPECT_TRUE(next.SettingsError.empty());
  next.FormCloseQuery();
  EXPECT_EQ(*platform.settingsFile, written) << "a close without changes writes the same bytes";
  EXPECT_TRUE(next.rb2.Checked() && next.rb4.Checked() && next.rb6.Checked() &&
              next.RadioButton2.Checked() && next.rb8.Checked() && next.rb10.Checked());
  EXPECT_FALSE(next.chk11.Checked()) << "the drum is never stored";
  EXPECT_EQ(next.strckbr1.Position(), 5);
}

TEST_F(SettingsTest, WithNoFileTheStartSaysSoAndTheDefaultsLeaveItSilent) {
  platform.settingsFile.reset();
  TForm_player& f = Run();
  EXPECT_THAT(Messages(), ElementsAre(kNotFound));
  EXPECT_EQ(f.SettingsError, "er");
  EXPECT_EQ(f.TrackBar1.Position(), 10);
  EXPECT_EQ(f.trckbr4.Position(), 0);
  EXPECT_EQ(f.strckbr11.Position(), 50);
  EXPECT_EQ(f.strckbr1.Position(), 10);
  EXPECT_EQ(f.cbb1.ItemIndex(), 2);
  EXPECT_TRUE(f.chk10.Checked());
  EXPECT_FALSE(f.chk1.Checked() || f.chk2.Checked() || f.chk3.Checked() || f.chk5.Checked());
  EXPECT_EQ(platform.desktop.back(), "TrayIconIndex(1)");
  EXPECT_THAT(platform.desktop, Contains("DeviceVolume(7EF47EF4)"));
}

TEST_F(SettingsTest, AnEmptyFileKeepsTheDesignValuesWithoutAMessage) {
  TForm_player& f = Run();
  EXPECT_THAT(Messages(), ElementsAre());
  EXPECT_EQ(f.TrackBar1.Position(), 5);
  EXPECT_EQ(f.strckbr11.Position(), 0);
}

TEST_F(SettingsTest, AFaultyLineStopsTheLoadOnceAndTheDefaultsFollowOnWhatWasApplied) {
  WriteLines({"1", "20", "5", "51", "1"});
  TForm_player& f = Run();
  EXPECT_THAT(Messages(), ElementsAre(kFaulty));
  EXPECT_EQ(f.SettingsError, "er4");
  EXPECT_TRUE(f.chk1.Checked()) << "values before the fault stay";
  EXPECT_EQ(f.TrackBar1.Position(), 10) << "and the defaults reset the sliders";
  EXPECT_EQ(f.TrackBar2.Position(), 0);
  EXPECT_FALSE(f.rb2.Checked()) << "line 4 was never read";
}

TEST_F(SettingsTest, ValuesGoThroughTheControlsSoALayerStartsMidLoadAndOnceMoreAfter) {
  WriteLines({"1", "8"});
  Run();
  const auto& calls = Engine().calls;
  const auto starts = std::count(calls.begin(), calls.end(), "TempoCreate(100, 0x10004)") +
                      std::count(calls.begin(), calls.end(), "TempoCreate(102, 0x10004)");
  EXPECT_EQ(starts, 2);
  EXPECT_THAT(calls, Contains("SetAttribute(101, vol, 0.4)")) << "the slider reached the stream";
}

TEST_F(SettingsTest, VariantLinesFollowTheirNamedButton) {
  WriteLines({"0", "5", "0", "0", "5", "0", "5", "0", "0", "1", "0", "5", "0", "5", "0"});
  TForm_player& f = Run();
  EXPECT_THAT(Messages(), ElementsAre());
  EXPECT_TRUE(f.rb1.Checked()) << "anything but 1 on line 4 is the first brook";
  EXPECT_TRUE(f.rb3.Checked()) << "1 on line 9 is the first campfire";
  EXPECT_TRUE(f.rb6.Checked()) << "0 on line 14 is the second crickets";

  WriteLines({"0", "5", "0", "0", "0", "0", "5", "0", "0", "0", "0", "5", "0", "5", "5"});
  Run();
  EXPECT_THAT(Messages(), ElementsAre(kFaulty));
  EXPECT_EQ(form->SettingsError, "er1");
}

TEST_F(SettingsTest, AWriteThatFailsAbandonsTheCloseAndKeepsTheOldFile) {
  WriteLines({"1"});
  Run().TrackBar1.SetPosition(3);
  platform.settingsFileReadOnly = true;
  Engine().Take();
  EXPECT_THROW(form->FormCloseQuery(), std::runtime_error);
  EXPECT_THAT(Engine().calls, Not(Contains("EngineStop"))) << "the audio keeps playing";
  EXPECT_EQ(*platform.settingsFile, "1\r\n");
  platform.settingsFileReadOnly = false;
  EXPECT_TRUE(form->FormCloseQuery()) << "a later close tries again";
  EXPECT_THAT(Engine().calls, Contains("EngineStop"));
}

TEST_F(SettingsTest, DefaultsLeaveSwitchesAndVariantsAloneAndSwitchTheSoundOn) {
  TForm_player& f = Run();
  f.chk3.SetChecked(true);
  f.rb10.SetChecked(true);
  f.chk10.SetChecked(false);
  f.strckbr1.SetPosition(20);
  platform.desktop.clear();
  f.btn4.Click();
  EXPECT_TRUE(f.chk3.Checked());
  EXPECT_TRUE(f.rb10.Checked());
  EXPECT_TRUE(f.chk10.Checked());
  EXPECT_EQ(f.strckbr1.Position(), 10);
  EXPECT_EQ(f.cbb3.ItemIndex(), 0);
  EXPECT_THAT(platform.desktop, ElementsAre("DeviceVolume(7EF47EF4)", "DeviceVolume(7EF47EF4)",
                                            "TrayIconIndex(1)"));
}

TEST_F(SettingsTest, TheMasterSliderAndTheSoundSwitchSetTheDeviceVolume) {
  TForm_player& f = Run();
  platform.desktop.clear();
  f.strckbr11.SetPosition(100);
  f.chk10.UserClick();
  f.chk10.UserClick();
  f.strckbr11.SetPosition(0);
  EXPECT_THAT(platform.desktop,
              ElementsAre("DeviceVolume(FDE8FDE8)", "DeviceVolume(00000000)", "TrayIconIndex(0)",
                          "DeviceVolume(FDE8FDE8)", "TrayIconIndex(1)", "DeviceVolume(00000000)"));
  f.strckbr11.SetPosition(30);
  f.chk10.SetChecked(false);
  platform.desktop.clear();
  f.strckbr11.SetPosition(31);
  EXPECT_THAT(platform.desktop, ElementsAre("DeviceVolume(4EB64EB6)"))
      << "moving the slider makes the sound audible again";
  EXPECT_FALSE(f.chk10.Checked());
}

TEST_F(SettingsTest, TheTrayClickFlipsTheSwitchAndRunsItsHandlerOnceMore) {
  TForm_player& f = Run();
  f.strckbr11.SetPosition(100);
  platform.desktop.clear();
  f.TrayIcon1Click();
  EXPECT_FALSE(f.chk10.Checked());
  EXPECT_THAT(platform.desktop, ElementsAre("DeviceVolume(00000000)", "TrayIconIndex(0)",
                                            "DeviceVolume(00000000)", "TrayIconIndex(0)"));
}

}  // namespace
}  // namespace velmora::app
