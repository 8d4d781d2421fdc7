// The component layer's promise: a value set from code runs its handler exactly as the user's
// change does, and only when the value really changes.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/definition_loader.h"
#include "ui/radio_button.h"
#include "ui/static_controls.h"
#include "ui/timer.h"
#include "ui/track_bar.h"

namespace velmora::ui {
namespace {

struct Counter {
  int runs = 0;
  std::function<void()> Handler() {
    return [this] { ++runs; };
  }
};

struct Refreshes : ControlView, TimerView {
  int refreshes = 0;
  int restarts = 0;
  int gone = 0;
  void Refresh() override { ++refreshes; }
  void Restart() override { ++restarts; }
  void TimerGone() override { ++gone; }
};

TEST(CheckBox, ClicksOnEveryRealChangeFromCodeOrUser) {
  ComponentOwner form;
  CheckBox box(form, "chk");
  Counter clicks;
  box.OnClick = clicks.Handler();
  box.SetChecked(false);
  EXPECT_EQ(clicks.runs, 0);
  box.SetChecked(true);
  box.SetChecked(true);
  EXPECT_EQ(clicks.runs, 1);
  box.UserClick();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks.runs, 2);
}

TEST(RadioButton, BecomingCheckedClicksItAndUnchecksItsPartnerSilently) {
  ComponentOwner form;
  Panel panel(form, "pnl"), other(form, "other");
  RadioButton first(form, "a"), second(form, "b"), elsewhere(form, "c");
  first.SetParent(&panel);
  second.SetParent(&panel);
  elsewhere.SetParent(&other);
  Counter firstClicks, secondClicks;
  first.OnClick = firstClicks.Handler();
  second.OnClick = secondClicks.Handler();
  first.SetChecked(true);
  elsewhere.SetChecked(true);
  second.UserClick();
  EXPECT_FALSE(first.Checked());
  EXPECT_TRUE(second.Checked());
  EXPECT_TRUE(elsewhere.Checked()) << "another parent's radio button is another group";
  EXPECT_EQ(firstClicks.runs, 1) << "unchecked by its partner without a click";
  EXPECT_EQ(secondClicks.runs, 1);
  second.SetChecked(true);
  second.SetChecked(false);
  EXPECT_EQ(secondClicks.runs, 1) << "no click when already checked, none when unchecked";
}

TEST(TrackBar, ChangesOnlyWhenThePositionChangesAndStaysInItsRange) {
  ComponentOwner form;
  TrackBar slider(form, "trk");
  Counter changes;
  slider.OnChange = changes.Handler();
  slider.SetPosition(5);
  slider.SetPosition(5);
  EXPECT_EQ(changes.runs, 1);
  slider.SetPosition(99);
  EXPECT_EQ(slider.Position(), 10);
  slider.SetMax(20);
  slider.SetMin(-5);
  EXPECT_EQ(changes.runs, 2) << "a wider range leaves the position";
  slider.SetMax(3);
  EXPECT_EQ(slider.Position(), 3) << "a range that excludes the position moves it to its end";
  EXPECT_EQ(changes.runs, 3);
  slider.SetMin(7);
  EXPECT_EQ(slider.Max(), 7);
  EXPECT_EQ(slider.Position(), 7);
}

TEST(ComboBox, AnItemSetFromCodeRunsNoHandlerButTheUsersChoiceDoes) {
  ComponentOwner form;
  ComboBox list(form, "cbb");
  constexpr std::string_view kItems[] = {"one", "two"};
  ControlDefinition definition{.name = "cbb", .kind = ControlKind::ComboBox, .value = 1,
                               .items = kItems};
  LoadDefinition(form, std::span(&definition, 1));
  Counter changes;
  list.OnChange = changes.Handler();
  EXPECT_EQ(list.ItemIndex(), 1);
  list.SetItemIndex(0);
  list.SetItemIndex(5);
  EXPECT_EQ(list.ItemIndex(), -1);
  EXPECT_EQ(changes.runs, 0);
  list.UserSelect(1);
  EXPECT_EQ(changes.runs, 1);
}

TEST(Timer, RestartsItsPeriodOnlyWhenEnabledOrIntervalReallyChange) {
  ComponentOwner form;
  Timer timer(form, "tmr", 1000);
  Refreshes view;
  timer.AttachView(&view);
  timer.SetEnabled(true);
  timer.SetEnabled(true);
  timer.SetInterval(1000);
  EXPECT_EQ(view.restarts, 1);
  timer.SetInterval(100000);
  EXPECT_EQ(view.restarts, 2);
  EXPECT_EQ(timer.Interval(), 100000u);
}

// The form's platform timers outlive the window logic's timer components.
TEST(Timer, TellsItsViewWhenItGoes) {
  ComponentOwner form;
  Refreshes view;
  {
    Timer timer(form, "tmr", 1000);
    timer.AttachView(&view);
  }
  EXPECT_EQ(view.gone, 1);
}

TEST(Definition, LoadsDesignValuesWithoutRunningHandlersAndShowsChanges) {
  ComponentOwner form;
  Panel panel(form, "pnl");
  CheckBox box(form, "chk");
  RadioButton radio(form, "rb");
  TrackBar slider(form, "trk");
  Counter clicks;
  box.OnClick = radio.OnClick = slider.OnChange = clicks.Handler();
  const ControlDefinition definition[] = {
      {.name = "pnl", .kind = ControlKind::Panel},
      {.name = "chk", .kind = ControlKind::CheckBox, .caption = "Ручей", .value = 1},
      {.name = "rb", .kind = ControlKind::RadioButton, .parent = "pnl", .value = 1},
      {.name = "trk", .kind = ControlKind::TsTrackBar, .value = -3, .min = -5, .max = 5}};
  LoadDefinition(form, definition);
  EXPECT_EQ(clicks.runs, 0);
  EXPECT_FALSE(form.Loading());
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(box.Caption(), "Ручей");
  EXPECT_EQ(radio.Parent(), &panel);
  EXPECT_EQ(slider.Position(), -3);
  Refreshes view;
  box.AttachView(&view);
  box.SetEnabled(false);
  box.SetCaption("x");
  box.SetChecked(false);
  EXPECT_EQ(view.refreshes, 3);
  EXPECT_EQ(clicks.runs, 1);
}

TEST(Definition, NamingAControlTheFormLacksIsAnErrorThatLeavesTheFormUsable) {
  ComponentOwner form;
  const ControlDefinition definition[] = {{.name = "missing"}};
  EXPECT_THROW(LoadDefinition(form, definition), std::logic_error);
  EXPECT_FALSE(form.Loading());
}

}  // namespace
}  // namespace velmora::ui
