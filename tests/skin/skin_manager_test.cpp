#include "skin/manager/skin_manager.h"

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include "skin/manager/scale_mode.h"
#include "tests/skin/manager_fakes.h"
#include "tests/skin/sample_skin.h"

namespace velmora::skin {
namespace {

using test::Delivered;
using test::RecordingReceiver;
using enum EngineCommand;

const test::Bytes& Sample() {
  static const test::Bytes package = test::SamplePackage();
  return package;
}

test::Bytes Options(const char* version) {
  return test::ToBytes(std::string("[GLOBALINFO]\nVERSION=") + version + "\n");
}

test::Bytes PackageWith(const char* options) {
  return test::PackageBuilder().Member("OPTIONS.DAT", options).Build();
}

class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.directory.forms = {&mainForm};
    mainForm.Add("chk1");
  }

  TsSkinManager& Create() {
    managers.push_back(std::make_unique<TsSkinManager>(owner, "sknmngr1", host));
    return *managers.back();
  }

  // Reads this program's kind of definition into the last manager made, or a new one.
  TsSkinManager& Started(std::string_view skinName = "Emerald (internal)",
                         std::span<const uint8_t> data = Sample()) {
    TsSkinManager& manager = managers.empty() ? Create() : *managers.back();
    stored = {{.Name = "Emerald (internal)", .OriginName = "Emerald.asz", .Data = data}};
    definition.InternalSkins = stored;
    definition.SkinDirectory = "c:\\Velmora\\Skins";
    definition.SkinName = skinName;
    definition.SkinInfo = "10.25";
    definition.ThirdParty[3] = "TCheckBox\r\nTRadioButton\r\nTGroupButton";
    definition.ThirdParty[10] = " ";
    manager.ReadDefinition(definition);
    return manager;
  }

  // The commands the main form received, in order.
  std::vector<EngineCommand> MainFormCommands() const {
    std::vector<EngineCommand> commands;
    for (const Delivered& d : log)
      if (d.Receiver == "Form_player") commands.push_back(d.Command);
    return commands;
  }

  std::vector<Delivered> log;
  test::FakeManagerHost host;
  ui::ComponentOwner owner;
  RecordingReceiver mainForm{"Form_player", log};
  std::vector<StoredSkinDefinition> stored;
  SkinManagerDefinition definition;
  std::vector<std::unique_ptr<TsSkinManager>> managers;
};

TEST_F(SkinManagerTest, DecodesWhileReadingAndBroadcastsOnceWhenLoaded) {
  TsSkinManager& manager = Create();
  manager.OnSkinLoading = [&] { log.push_back({"decoded", {}, Delivery::Direct}); };
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  Started();
  const std::vector<Delivered> expected = {{"decoded", {}, Delivery::Direct},
                                           {"Form_player", NewSkin, Delivery::Sent},
                                           {"chk1", NewSkin, Delivery::Sent}};
  EXPECT_EQ(log, expected);
}

TEST_F(SkinManagerTest, StartsActiveAsTheDefaultWithItsHooks) {
  TsSkinManager& manager = Started();
  EXPECT_TRUE(manager.Applied());
  EXPECT_TRUE(manager.IsDefault());
  EXPECT_EQ(manager.SkinInfo(), "10.25");
  EXPECT_EQ(manager.SkinDirectory(), "c:\\Velmora\\Skins");
  EXPECT_EQ(manager.Registry()->GetSkinIndex("GLOBALINFO"), 0);
  EXPECT_EQ(manager.MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_EQ(host.hookInstalls, 1);
  EXPECT_FALSE(host.colourRedirection);
  EXPECT_TRUE(host.applicationWindowHooked);
  EXPECT_EQ(host.dpiAwareCalls, 0);
  EXPECT_TRUE(host.platform.Messages.empty());
}

TEST_F(SkinManagerTest, PublishedPropertiesStartAtTheirDefaults) {
  const TsSkinManager& m = Create();
  EXPECT_TRUE(m.Active());
  EXPECT_FALSE(m.ExtendedBorders());
  EXPECT_TRUE(m.SkinnedPopups());
  EXPECT_EQ(m.Brightness(), 0);
  EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");
  EXPECT_EQ(m.SkinsFilter(), sfiInternal | sfiExternal);
  EXPECT_EQ(m.SkinningRules(), srStdForms | srStdDialogs | srThirdParty);
  EXPECT_EQ(m.Version(), "12.22");
  EXPECT_EQ(m.AnimEffects.Minimizing.Time, 120);
  EXPECT_EQ(m.AnimEffects.SkinChanging.Time, 100);
  EXPECT_EQ(m.AnimEffects.BlendOnMoving.BlendValue, 170);
  EXPECT_EQ(m.Options().ScaleMode, TacScaleMode::smOldMode);
  EXPECT_EQ(m.ScrollsOptions.ScrollSize, -1);
  EXPECT_EQ(m.MenuSupport.ExtraLineWidth, 32);
  EXPECT_EQ(m.ThirdParty().Texts[0], " ");
  EXPECT_EQ(m.ThirdParty().Texts[1], "TButton");
}

TEST_F(SkinManagerTest, ClassListsMatchExactly) {
  const TsSkinManager& m = Started();
  EXPECT_EQ(m.ClassLists()[3],
            (std::vector<std::string>{"TCheckBox", "TRadioButton", "TGroupButton"}));
  EXPECT_EQ(KindOfClass(m.ClassLists(), "TRadioButton"), 3);
  EXPECT_EQ(KindOfClass(m.ClassLists(), "TButton"), 1);  // the default list
  EXPECT_EQ(KindOfClass(m.ClassLists(), "tcheckbox"), -1);
  EXPECT_EQ(KindOfClass(m.ClassLists(), ""), -1);
  EXPECT_EQ(kThirdPartyKindNames[19], "UpDownBtn");
}

TEST_F(SkinManagerTest, AnUnknownNameFallsBackToTheStoredSkinAndTakesItsName) {
  const TsSkinManager& manager = Started("Nowhere");
  EXPECT_EQ(manager.SkinName(), "Emerald (internal)");
  EXPECT_TRUE(manager.Applied());
}

TEST_F(SkinManagerTest, NoSkinAnywhereSwitchesTheManagerOff) {
  TsSkinManager& manager = Create();
  definition.SkinName = "Nowhere";
  manager.ReadDefinition(definition);
  EXPECT_FALSE(manager.Active());
  EXPECT_FALSE(manager.Applied());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
}

TEST_F(SkinManagerTest, ActiveOffRemovesTheSkinOnceAndOnBringsItBack) {
  TsSkinManager& manager = Started();
  log.clear();
  manager.SetActive(false);
  EXPECT_EQ(MainFormCommands(), std::vector{RemoveSkin});
  EXPECT_EQ(manager.Registry(), nullptr);
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_EQ(host.hookRemovals, 1);
  log.clear();
  manager.SetActive(true);
  EXPECT_EQ(MainFormCommands(), (std::vector{NewSkin, StopAnimation, Refresh}));
  EXPECT_EQ(manager.SkinInfo(), "10.25");
}

// The forms keep their old look before the new skin reaches them and fade it out only once they
// have repainted; the first activation, before anything shows, has nothing to fade.
TEST_F(SkinManagerTest, ASkinChangeFramesItsBroadcastWithTheFade) {
  host.OnFade = [&](const char* step) { log.push_back({step, {}, Delivery::Direct}); };
  TsSkinManager& manager = Started();
  EXPECT_EQ(log.front().Receiver, "Form_player") << "no fade when the skin first comes";
  log.clear();
  manager.SetSkinName("Emerald (internal)");
  const std::vector<Delivered> expected = {{"fade prepared", {}, Delivery::Direct},
                                           {"Form_player", NewSkin, Delivery::Sent},
                                           {"chk1", NewSkin, Delivery::Sent},
                                           {"Form_player", StopAnimation, Delivery::Sent},
                                           {"chk1", StopAnimation, Delivery::Sent},
                                           {"Form_player", Refresh, Delivery::Sent},
                                           {"chk1", Refresh, Delivery::Sent},
                                           {"fade ended", {}, Delivery::Direct}};
  EXPECT_EQ(log, expected);
}

TEST_F(SkinManagerTest, AnAnimatedRepaintFadesAroundTheRefreshOnly) {
  host.OnFade = [&](const char* step) { log.push_back({step, {}, Delivery::Direct}); };
  TsSkinManager& manager = Started();
  log.clear();
  manager.RepaintForms(true);
  ASSERT_EQ(log.size(), 6u);
  EXPECT_EQ(log[2].Receiver, "fade prepared");
  EXPECT_EQ(log[3].Command, Refresh);
  EXPECT_EQ(log[5].Receiver, "fade ended");
  log.clear();
  manager.RepaintForms(false);
  EXPECT_EQ(MainFormCommands(), (std::vector{StopAnimation, Refresh}));
  EXPECT_EQ(log.size(), 4u) << "no fade without animation";
}

TEST_F(SkinManagerTest, GlowsGoWhenTheDefaultActivatesASkinAndWhenAnyRemovesOne) {
  TsSkinManager& manager = Started();
  EXPECT_EQ(host.glowFrees, 1);
  manager.SetActive(false);
  EXPECT_EQ(host.glowFrees, 2);
  manager.SetIsDefault(false);
  TsSkinManager& other = Create();
  other.SetIsDefault(true);
  const int before = host.glowFrees;
  manager.SetActive(true);  // not the default: the default's glows stay
  EXPECT_EQ(host.glowFrees, before);
}

TEST_F(SkinManagerTest, BrightnessIsLimitedAndReloadsTheSkin) {
  TsSkinManager& manager = Started();
  log.clear();
  manager.SetBrightness(150);
  EXPECT_EQ(manager.Brightness(), 100);
  // Main colour R 58, G 93, B 45, each + c * 100 >> 8.
  EXPECT_EQ(manager.Registry()->MainColor(), 0x3E8150);
  EXPECT_EQ(MainFormCommands(),
            (std::vector{NewSkin, StopAnimation, Refresh, StopAnimation, Refresh}));
  manager.SetBrightness(-150);
  EXPECT_EQ(manager.Brightness(), -100);
}

// A user whose numbers are written with a decimal comma.
struct CommaPoint : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST_F(SkinManagerTest, SkinInfoWritesAPointWhateverTheLocale) {
  TsSkinManager& manager = Started();
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
  std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where the system has it
  EXPECT_EQ(manager.SkinInfo(), "10.25");
  std::setlocale(LC_NUMERIC, "C");
  std::locale::global(previous);
}

TEST_F(SkinManagerTest, OldScaleModeLeavesEveryValueAlone) {
  host.appliedDpi = 144;
  TsSkinManager& manager = Started();
  for (int value : {-7, 0, 1, 13, 30, 1000}) EXPECT_EQ(manager.ScaledValue(value), value);
  EXPECT_EQ(manager.ScaleIndex(), 0);
  manager.SetScaleMode(TacScaleMode::smAuto);
  EXPECT_EQ(manager.ScaleIndex(), 2);
  EXPECT_EQ(manager.ScaledValue(10), 15);
  manager.SetScaleMode(TacScaleMode::sm125);
  EXPECT_EQ(manager.ScaledValue(10), 12);
  manager.SetScaleMode(TacScaleMode::sm200);
  EXPECT_EQ(manager.ScaledValue(10), 20);
}

TEST_F(SkinManagerTest, ScaleModeChangesTellTheFormsAndReload) {
  TsSkinManager& manager = Started();
  std::vector<TacScaleChange> changes;
  manager.OnScaleModeChange = [&](TsSkinManager&, const TacScaleChange& c) {
    changes.push_back(c);
  };
  log.clear();
  manager.SetScaleMode(TacScaleMode::sm150);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].OldPercent, 100);
  EXPECT_EQ(changes[0].NewPercent, 150);
  EXPECT_EQ(MainFormCommands(), (std::vector{GetScale, SetScale, NewSkin, StopAnimation, Refresh}));
  EXPECT_EQ(manager.Registry()->Indexes().ScaleIndex, 2);
}

TEST_F(SkinManagerTest, DeclaresDpiAwarenessOnlyOutsideTheOldMode) {
  Started();
  EXPECT_EQ(host.dpiAwareCalls, 0);
  managers.clear();
  Create().SetScaleMode(TacScaleMode::sm125);
  Started();
  EXPECT_EQ(host.dpiAwareCalls, 1);
}

TEST(SkinManagerScale, SystemScaleIndexFollowsAppliedDpi) {
  EXPECT_EQ(SystemScaleIndex(std::nullopt), 0);
  EXPECT_EQ(SystemScaleIndex(96), 0);
  EXPECT_EQ(SystemScaleIndex(119), 0);
  EXPECT_EQ(SystemScaleIndex(120), 1);
  EXPECT_EQ(SystemScaleIndex(143), 1);
  EXPECT_EQ(SystemScaleIndex(144), 2);
  EXPECT_EQ(SystemScaleIndex(191), 2);
  EXPECT_EQ(SystemScaleIndex(192), 3);
  EXPECT_EQ(SystemScaleIndex(-5), 0);
}

TEST_F(SkinManagerTest, ALoadErrorKeepsThePreviousSkinInForce) {
  TsSkinManager& manager = Started();
  const SkinRegistry* before = manager.Registry();
  host.platform.Files["c:\\Velmora\\Skins\\Broken.asz"] =
      PackageWith("[GLOBALINFO]\nVERSION=11.0\n[S]\nA=@00x0@0000@0010@0010@1@0\n");
  log.clear();
  manager.SetSkinName("Broken");
  EXPECT_EQ(manager.SkinName(), "Emerald (internal)");
  EXPECT_EQ(manager.Registry(), before);
  EXPECT_TRUE(manager.Applied());
  EXPECT_EQ(manager.SkinInfo(), "10.25");
  ASSERT_EQ(host.platform.Messages.size(), 1u);
  EXPECT_EQ(host.platform.Messages[0].second, MessageKind::Error);
  EXPECT_EQ(MainFormCommands(), (std::vector{NewSkin, StopAnimation, Refresh}));
}

TEST_F(SkinManagerTest, NewerSkinsWarnInAnUnskinnedBoxAndStillApply) {
  TsSkinManager& manager = Create();
  uint8_t rulesWhileShown = 0xFF;
  host.platform.OnMessage = [&] { rulesWhileShown = manager.SkinningRules(); };
  const test::Bytes newer = PackageWith("[GLOBALINFO]\nVERSION=13.5\n");
  stored = {{.Name = "Emerald (internal)", .Data = newer}};
  definition.InternalSkins = stored;
  definition.SkinName = "Emerald (internal)";
  manager.ReadDefinition(definition);
  ASSERT_EQ(host.platform.Messages.size(), 1u);
  EXPECT_EQ(host.platform.Messages[0].first,
            "This version of the skin has not complete support by used Quenlith package "
            "release.\r\nComponents must be updated to latest version for using this skin.");
  EXPECT_EQ(host.platform.Messages[0].second, MessageKind::Warning);
  EXPECT_EQ(rulesWhileShown, srStdForms | srThirdParty);
  EXPECT_EQ(manager.SkinningRules(), srStdForms | srStdDialogs | srThirdParty);
  EXPECT_EQ(manager.SkinInfo(), "13.5");
}

TEST_F(SkinManagerTest, OnlyOneManagerIsTheDefault) {
  TsSkinManager& first = Create();
  TsSkinManager& second = Create();
  EXPECT_TRUE(first.IsDefault());
  second.SetIsDefault(false);
  EXPECT_TRUE(first.IsDefault());
  second.SetIsDefault(true);
  EXPECT_TRUE(second.IsDefault());
  EXPECT_FALSE(first.IsDefault());
}

// The application window's messages go to the manager that hooked it, default or not; once
// that manager is gone they must reach it no more.
TEST_F(SkinManagerTest, TheManagerThatHookedTheApplicationWindowUnhooksItWhenDestroyed) {
  Create();
  TsSkinManager& second = Create();
  EXPECT_TRUE(host.applicationWindowHooked);
  second.SetIsDefault(true);
  managers.erase(managers.begin());
  EXPECT_FALSE(host.applicationWindowHooked);
  EXPECT_TRUE(second.IsDefault());
}

TEST_F(SkinManagerTest, CommonSectionsLoseTheirBlanksAndReload) {
  TsSkinManager& manager = Started();
  log.clear();
  manager.SetCommonSections("[BUTTON]\r\nCOLOR = 255\r\n; a comment stays\r\n");
  EXPECT_EQ(manager.CommonSections(), "[BUTTON]\r\nCOLOR=255\r\n; a comment stays\r\n");
  EXPECT_EQ(MainFormCommands(), (std::vector{NewSkin, StopAnimation, Refresh}));
}

TEST_F(SkinManagerTest, AddingAStoredSkinOutdatesTheSkinList) {
  TsSkinManager& manager = Started();
  std::vector<std::string> names;
  EXPECT_EQ(manager.GetSkinNames(names, 1), "Emerald (internal)");
  manager.InternalSkins().Add({.Name = "Another", .Data = PackageWith("[GLOBALINFO]\n")});
  manager.GetSkinNames(names, 1);
  EXPECT_EQ(names, (std::vector<std::string>{"Another", "Emerald (internal)"}));
}

}  // namespace
}  // namespace velmora::skin

namespace velmora::skin {
namespace {

std::vector<uint8_t> PreviewBytes(const std::string& name, const std::string& directory,
                                  const std::string& options) {
  std::vector<uint8_t> bytes(kPreviewRecordBytes, 0);
  bytes[1] = 0xA4;
  std::copy(name.begin(), name.end(), bytes.begin() + 4);
  std::copy(directory.begin(), directory.end(), bytes.begin() + 132);
  std::copy(options.begin(), options.end(), bytes.begin() + 644);
  return bytes;
}

TEST_F(SkinManagerTest, APreviewShowsTheSentSkinWithTheSentOptions) {
  TsSkinManager& manager = Started();
  host.platform.Files["c:\\Preview\\Night\\Options.dat"] = Options("9.5");
  int afterChanges = 0;
  manager.OnAfterChange = [&] { ++afterChanges; };
  ASSERT_TRUE(manager.ReceiveSkinRecord(
      PreviewBytes("Night", "c:\\Preview", "[GLOBALINFO]\nVERSION=11.5\n")));
  log.clear();
  manager.LoadReceivedSkin();
  EXPECT_EQ(manager.SkinName(), "Night");
  EXPECT_EQ(manager.SkinDirectory(), "c:\\Preview");
  EXPECT_EQ(manager.SkinInfo(), "11.5");
  EXPECT_EQ(MainFormCommands(), (std::vector{NewSkin, StopAnimation, Refresh}));
  EXPECT_EQ(afterChanges, 1);
  log.clear();
  manager.LoadReceivedSkin();  // one record, one load
  EXPECT_TRUE(log.empty());
}

TEST_F(SkinManagerTest, APreviewRepaintsWithoutTheSkinChangingFade) {
  TsSkinManager& manager = Started();
  host.OnFade = [&](const char* step) { log.push_back({step, {}, Delivery::Direct}); };
  host.platform.Files["c:\\Preview\\Night\\Options.dat"] = Options("9.5");
  ASSERT_TRUE(manager.ReceiveSkinRecord(PreviewBytes("Night", "c:\\Preview", "")));
  log.clear();
  manager.LoadReceivedSkin();
  EXPECT_EQ(MainFormCommands(), (std::vector{NewSkin, StopAnimation, Refresh}));
  EXPECT_EQ(log.size(), 6u) << "the form and its control, no fade";
}

TEST_F(SkinManagerTest, ARefusedRecordLeavesTheWaitingOneAndNoneComesWhileOneIsHandled) {
  TsSkinManager& manager = Started();
  host.platform.Files["c:\\Preview\\Night\\Options.dat"] = Options("9.5");
  host.platform.Files["c:\\Preview\\Dawn\\Options.dat"] = Options("8.5");
  ASSERT_TRUE(manager.ReceiveSkinRecord(PreviewBytes("Night", "c:\\Preview", "")));
  EXPECT_FALSE(manager.ReceiveSkinRecord(std::vector<uint8_t>{0x00, 0xA4, 0, 0}));
  EXPECT_FALSE(manager.ReceiveSkinRecord(PreviewBytes("", "c:\\Preview", "")));
  bool refusedMeanwhile = false;
  manager.OnBeforeChange = [&] {
    refusedMeanwhile = !manager.ReceiveSkinRecord(PreviewBytes("Dawn", "c:\\Preview", ""));
  };
  manager.LoadReceivedSkin();
  EXPECT_EQ(manager.SkinName(), "Night");
  EXPECT_EQ(manager.SkinInfo(), "9.5");
  EXPECT_TRUE(refusedMeanwhile);
  manager.OnBeforeChange = nullptr;
  log.clear();
  manager.LoadReceivedSkin();  // the record refused meanwhile is not waiting either
  EXPECT_TRUE(log.empty());
}

TEST_F(SkinManagerTest, AHostileRecordIsRefused) {
  TsSkinManager& manager = Started();
  EXPECT_FALSE(manager.ReceiveSkinRecord(std::vector<uint8_t>{0x00, 0xA4}));
  EXPECT_FALSE(manager.ReceiveSkinRecord(PreviewBytes(std::string(200, 'n'), "", "")));
  log.clear();
  manager.LoadReceivedSkin();
  EXPECT_TRUE(log.empty());
}

}  // namespace
}  // namespace velmora::skin

namespace velmora::skin {
namespace {

TEST_F(SkinManagerTest, APreviewsOptionsStayWithItsOwnFolderSkin) {
  TsSkinManager& manager = Started();
  host.platform.Files["c:\\Preview\\Night\\Options.dat"] = Options("9.5");
  host.platform.Files["c:\\Preview\\Dawn\\Options.dat"] = Options("8.5");
  ASSERT_TRUE(manager.ReceiveSkinRecord(
      PreviewBytes("Night", "c:\\Preview", "[GLOBALINFO]\nVERSION=11.5\n")));
  manager.LoadReceivedSkin();
  manager.SetSkinName("Dawn");
  EXPECT_EQ(manager.SkinInfo(), "8.5");
  manager.SetSkinName("Night");
  EXPECT_EQ(manager.SkinInfo(), "11.5");
}

}  // namespace
}  // namespace velmora::skin
