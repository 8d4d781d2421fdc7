// The main window's start, close and layer handlers, as the exact calls they make.
#include "app/form_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "tests/app/fake_platform.h"

namespace velmora::app {
namespace {

using testing::Engine;
using ::testing::ElementsAre;
using Calls = std::vector<std::string>;

const std::string kLoops = "C:\\Program Files\\Velmora\\samp_povt\\";

class FormPlayerTest : public ::testing::Test {
 protected:
  FormPlayerTest() {
    testing::ResetEngine();
    form = std::make_unique<TForm_player>(platform, "C:\\Program Files\\Velmora\\");
  }

  void Start() {
    form->FormCreate();
    Engine().Take();
  }

  testing::FakePlatform platform;
  std::unique_ptr<TForm_player> form;
};

TEST_F(FormPlayerTest, ReadingTheDefinitionTouchesNoEngine) {
  EXPECT_THAT(Engine().calls, ElementsAre());
  EXPECT_FALSE(form->chk1.Checked());
  EXPECT_TRUE(form->chk10.Checked());
  EXPECT_EQ(form->TrackBar1.Max(), 10);
}

TEST_F(FormPlayerTest, ListsHoldTheirItemsAndDesignChoices) {
  EXPECT_EQ(form->cbb1.Items().size(), 5u);
  EXPECT_EQ(form->cbb1.ItemIndex(), 2);
  EXPECT_EQ(form->cbb3.Items().at(3), "раз в 120 минут");
  EXPECT_EQ(form->cbb4.Items().at(4), "навсегда");
  EXPECT_EQ(form->cbb5.Items().at(0), "Бубен 1");
  EXPECT_EQ(form->btn4.Caption(), " Параметры по умолчанию");
  EXPECT_TRUE(form->rb9.Checked());
  EXPECT_FALSE(form->rb10.Checked());
}

TEST_F(FormPlayerTest, StartChecksTheInstanceAndEngineThenBringsEveryLayerInLine) {
  form->FormCreate();
  EXPECT_THAT(Engine().calls,
              ElementsAre("ClaimSingleInstance", "GetVersion",
                          "Init(-1, 44100, 0, window, null)",
                          // stream, campfire, wind, crickets, extra crickets, owls and
                          // wolves, swamp: all off by design
                          "Stop(0)", "Free(0)", "Stop(0)", "Free(0)", "Stop(0)", "Free(0)",
                          "Stop(0)", "Free(0)", "Stop(0)", "Free(0)", "Stop(0)", "Free(0)",
                          "Stop(0)", "Free(0)",
                          // the rain cycle, off: rain and thunder, the crickets' volume
                          "Stop(0)", "Free(0)", "Stop(0)", "Free(0)", "SetAttribute(0, vol, 0.25)",
                          // the drum
                          "Stop(0)", "Free(0)"));
}

TEST_F(FormPlayerTest, StartSetsTheWorkingRangeOfEverySlider) {
  Start();
  const std::tuple<const ui::TrackBar&, int, int> ranges[] = {
      {form->TrackBar1, 0, 20},  {form->TrackBar2, -5, 5}, {form->trckbr1, 0, 20},
      {form->trckbr2, -5, 5},    {form->trckbr4, -5, 50},  {form->trckbr5, -5, 50},
      {form->trckbr3, 0, 20},    {form->trckbr6, 0, 20},   {form->trckbr7, 0, 20},
      {form->trckbr8, 0, 20},    {form->trckbr9, 0, 20},   {form->trckbr10, 0, 20},
      {form->strckbr11, 0, 100}, {form->strckbr1, 0, 20}};
  for (const auto& [slider, min, max] : ranges) {
    EXPECT_EQ(slider.Min(), min) << slider.Name();
    EXPECT_EQ(slider.Max(), max) << slider.Name();
  }
  EXPECT_EQ(form->TrackBar1.Position(), 5) << "the design position stays";
}

TEST_F(FormPlayerTest, ASecondCopyEndsSilentlyWithCodeZeroBeforeTouchingTheEngine) {
  platform.anotherCopyRuns = true;
  EXPECT_THROW(form->FormCreate(), testing::ProcessEnded);
  EXPECT_THAT(Engine().calls, ElementsAre("ClaimSingleInstance", "EndProcess(0)"));
}

TEST_F(FormPlayerTest, AWrongEngineReleaseShowsItsBoxAndEnds) {
  Engine().version = 0x02030000;
  EXPECT_THROW(form->FormCreate(), testing::ProcessEnded);
  EXPECT_THAT(Engine().calls,
              ElementsAre("ClaimSingleInstance", "GetVersion",
                          "ErrorBox(Не корректная версия BASS.DLL)", "EndProcess(1)"));
}

TEST_F(FormPlayerTest, ARefusedInitialisationShowsItsBoxAndEnds) {
  Engine().initSucceeds = false;
  EXPECT_THROW(form->FormCreate(), testing::ProcessEnded);
  EXPECT_THAT(Engine().calls,
              ElementsAre("ClaimSingleInstance", "GetVersion", "Init(-1, 44100, 0, window, null)",
                          "ErrorBox(Ошибка инициализация аудио)", "EndProcess(1)"));
}

TEST_F(FormPlayerTest, CloseStopsTheOutputFreesNineChannelsButTheDrumAndReleases) {
  Start();
  form->chk1.SetChecked(true);   // tempo stream 101
  form->chk11.SetChecked(true);  // drum 102
  form->chk3.SetChecked(true);   // wind 103
  Engine().Take();
  EXPECT_TRUE(form->FormCloseQuery());
  EXPECT_THAT(Engine().calls, ElementsAre("EngineStop", "Free(101)", "Free(0)", "Free(103)",
                                          "Free(0)", "Free(0)", "Free(0)", "Free(0)", "Free(0)",
                                          "Free(0)", "EngineFree"));
}

TEST_F(FormPlayerTest, TheStreamStartsThroughTheTempoExtensionWithItsThreeSliders) {
  Start();
  form->chk1.SetChecked(true);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)",
                          "StreamCreateFile(" + kLoops + "ruchey1, 0, 0, 0, 0x200000)",
                          "TempoCreate(100, 0x10004)", "SetAttribute(101, vol, 0.25)",
                          "SetAttribute(101, pan, 0)", "SetAttribute(101, tempo, 0)",
                          "Play(101, 0)"));
  form->chk1.UserClick();
  EXPECT_THAT(Engine().Take(), ElementsAre("Stop(101)", "Free(101)"));
}

TEST_F(FormPlayerTest, SlidersSetTheirOneAttributeAtOnceWhateverTheSwitch) {
  Start();
  form->TrackBar2.SetPosition(-5);
  EXPECT_THAT(Engine().Take(), ElementsAre("SetAttribute(0, pan, -1)"));
  form->chk1.SetChecked(true);
  Engine().Take();
  form->TrackBar2.SetPosition(5);
  form->trckbr4.SetPosition(50);
  form->trckbr4.SetPosition(-5);
  form->TrackBar1.SetPosition(0);
  form->TrackBar1.SetPosition(0);
  form->TrackBar1.SetPosition(20);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("SetAttribute(101, pan, 1)", "SetAttribute(101, tempo, 50)",
                          "SetAttribute(101, tempo, -5)", "SetAttribute(101, vol, 0)",
                          "SetAttribute(101, vol, 1)"));
}

TEST_F(FormPlayerTest, TheNextStartUsesTheSlidersMovedWhileOff) {
  Start();
  form->trckbr1.SetPosition(20);
  form->trckbr2.SetPosition(-2);
  form->trckbr5.SetPosition(10);
  Engine().Take();
  form->chk2.SetChecked(true);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)",
                          "StreamCreateFile(" + kLoops + "koster1, 0, 0, 0, 0x200000)",
                          "TempoCreate(100, 0x10004)", "SetAttribute(101, vol, 1)",
                          "SetAttribute(101, pan, -0.4)", "SetAttribute(101, tempo, 10)",
                          "Play(101, 0)"));
}

TEST_F(FormPlayerTest, AnotherVariantRestartsALayerThatIsOnAndStartsNothingWhenOff) {
  Start();
  form->rb10.UserClick();
  EXPECT_THAT(Engine().Take(), ElementsAre("Stop(0)", "Free(0)"));
  form->chk3.SetChecked(true);
  form->rb9.UserClick();
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)", "StreamCreateFile(" + kLoops + "veter2, 0, 0, 0, 0x4)",
                          "SetAttribute(100, vol, 0.25)", "Play(100, 0)", "Stop(100)",
                          "Free(100)", "StreamCreateFile(" + kLoops + "veter1, 0, 0, 0, 0x4)",
                          "SetAttribute(101, vol, 0.25)", "Play(101, 0)"));
  form->rb9.UserClick();
  EXPECT_THAT(Engine().Take(), ElementsAre()) << "an already checked variant is no change";
}

struct LayerCase {
  std::string name;
  ui::CheckBox TForm_player::*layerSwitch;
  ui::RadioButton TForm_player::*second;
  std::string firstFile;
  std::string secondFile;
  ui::TrackBar TForm_player::*volume;
};

void PrintTo(const LayerCase& layer, std::ostream* out) { *out << layer.name; }

class EveryLayer : public FormPlayerTest, public ::testing::WithParamInterface<LayerCase> {};

TEST_P(EveryLayer, PlaysItsFileLoopedAtItsVolumeAndSwitchingAgainStartsAfresh) {
  const LayerCase& layer = GetParam();
  Start();
  (form.get()->*layer.volume).SetPosition(3);
  Engine().Take();
  (form.get()->*layer.layerSwitch).SetChecked(true);
  (form.get()->*layer.second).UserClick();
  (form.get()->*layer.layerSwitch).SetChecked(false);
  (form.get()->*layer.layerSwitch).SetChecked(true);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)",
                          "StreamCreateFile(" + kLoops + layer.firstFile + ", 0, 0, 0, 0x4)",
                          "SetAttribute(100, vol, 0.15)", "Play(100, 0)", "Stop(100)",
                          "Free(100)",
                          "StreamCreateFile(" + kLoops + layer.secondFile + ", 0, 0, 0, 0x4)",
                          "SetAttribute(101, vol, 0.15)", "Play(101, 0)", "Stop(101)",
                          "Free(101)", "Stop(101)", "Free(101)",
                          "StreamCreateFile(" + kLoops + layer.secondFile + ", 0, 0, 0, 0x4)",
                          "SetAttribute(102, vol, 0.15)", "Play(102, 0)"));
}

INSTANTIATE_TEST_SUITE_P(
    PlainLayers, EveryLayer,
    ::testing::Values(
        LayerCase{"wind", &TForm_player::chk3, &TForm_player::rb10, "veter1", "veter2",
                  &TForm_player::trckbr3},
        LayerCase{"crickets", &TForm_player::chk5, &TForm_player::rb6, "sverch1", "sverch2",
                  &TForm_player::trckbr6},
        LayerCase{"swamp", &TForm_player::chk4, &TForm_player::RadioButton2, "bol1", "bol2",
                  &TForm_player::trckbr8}),
    [](const auto& param) { return param.param.name; });

TEST_F(FormPlayerTest, TheCampfiresSecondVariantAndItsSlidersAreItsOwn) {
  Start();
  form->rb4.SetChecked(true);
  form->chk2.SetChecked(true);
  Engine().Take();
  form->trckbr1.SetPosition(4);
  form->trckbr2.SetPosition(1);
  form->trckbr5.SetPosition(-1);
  EXPECT_THAT(Engine().Take(), ElementsAre("SetAttribute(101, vol, 0.2)",
                                           "SetAttribute(101, pan, 0.2)",
                                           "SetAttribute(101, tempo, -1)"));
  form->chk2.SetChecked(false);
  form->rb3.SetChecked(true);
  form->chk2.SetChecked(true);
  EXPECT_EQ(Engine().Take()[6], "StreamCreateFile(" + kLoops + "koster1, 0, 0, 0, 0x200000)");
}

TEST_F(FormPlayerTest, TheDrumPlaysTheChosenItemAndTheUsersChoiceRestartsIt) {
  Start();
  form->cbb5.SetItemIndex(2);
  EXPECT_THAT(Engine().Take(), ElementsAre()) << "a list set from code runs no handler";
  form->chk11.SetChecked(true);
  form->cbb5.UserSelect(4);
  form->strckbr1.SetPosition(20);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)", "StreamCreateFile(" + kLoops + "buben3, 0, 0, 0, 0x4)",
                          "SetAttribute(100, vol, 0.25)", "Play(100, 0)", "Stop(100)",
                          "Free(100)", "StreamCreateFile(" + kLoops + "buben5, 0, 0, 0, 0x4)",
                          "SetAttribute(101, vol, 0.25)", "Play(101, 0)",
                          "SetAttribute(101, vol, 1)"));
}

TEST_F(FormPlayerTest, WithNoVariantChosenALayerReplaysItsPreviousFileOrNoneBeforeItsFirst) {
  Start();
  form->rb1.SetChecked(false);
  form->chk1.SetChecked(true);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)", "StreamCreateFile(, 0, 0, 0, 0x200000)",
                          "TempoCreate(0, 0x10004)", "SetAttribute(0, vol, 0.25)",
                          "SetAttribute(0, pan, 0)", "SetAttribute(0, tempo, 0)", "Play(0, 0)"));
  form->cbb5.SetItemIndex(-1);
  form->chk11.SetChecked(true);
  form->chk11.SetChecked(false);
  form->cbb5.SetItemIndex(1);
  form->chk11.SetChecked(true);
  form->cbb5.SetItemIndex(-1);
  form->chk11.SetChecked(false);
  form->chk11.SetChecked(true);
  const Calls calls = Engine().Take();
  EXPECT_EQ(calls[2], "StreamCreateFile(, 0, 0, 0, 0x4)");
  EXPECT_EQ(calls[9], "StreamCreateFile(" + kLoops + "buben2, 0, 0, 0, 0x4)");
  EXPECT_EQ(calls.back(), "Play(101, 0)");
  EXPECT_EQ(calls[calls.size() - 3], "StreamCreateFile(" + kLoops + "buben2, 0, 0, 0, 0x4)");
}

TEST_F(FormPlayerTest, AMissingSampleLeavesTheLayerSilentAndEveryLaterCallHarmless) {
  Start();
  Engine().missingFiles.insert(kLoops + "sverch1");
  form->chk5.SetChecked(true);
  form->trckbr6.SetPosition(9);
  form->chk5.SetChecked(false);
  EXPECT_THAT(Engine().Take(),
              ElementsAre("Stop(0)", "Free(0)", "StreamCreateFile(" + kLoops + "sverch1, 0, 0, 0, 0x4)",
                          "SetAttribute(0, vol, 0.25)", "Play(0, 0)", "SetAttribute(0, vol, 0.45)",
                          "Stop(0)", "Free(0)"));
}

TEST_F(FormPlayerTest, ADecoderWhoseTempoStreamFailsIsFreedAtOnce) {
  Start();
  Engine().tempoFails = true;
  form->chk1.SetChecked(true);
  const Calls calls = Engine().Take();
  EXPECT_THAT(Calls(calls.begin() + 3, calls.begin() + 5),
              ElementsAre("TempoCreate(100, 0x10004)", "Free(100)"));
  EXPECT_EQ(calls.back(), "Play(0, 0)");
}

TEST_F(FormPlayerTest, StartRestartsALayerThatIsAlreadyOn) {
  form->chk5.SetChecked(true);  // as the settings would, before the engine is open
  Engine().Take();
  form->FormCreate();
  const Calls calls = Engine().Take();
  EXPECT_EQ(calls[9], "Stop(100)") << "crickets, after stream, campfire and wind";
  EXPECT_EQ(calls[11], "StreamCreateFile(" + kLoops + "sverch1, 0, 0, 0, 0x4)");
}

}  // namespace
}  // namespace velmora::app
