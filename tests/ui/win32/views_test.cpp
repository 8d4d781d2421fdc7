// The platform half of the component layer: the user's actions reach the controls once, and
// values set from code show on the desktop without running handlers twice.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "ui/definition_loader.h"
#include "ui/win32/button_views.h"
#include "ui/win32/combo_box_view.h"
#include "ui/win32/form.h"
#include "ui/win32/static_views.h"
#include "ui/win32/track_bar_view.h"

namespace velmora::ui {
namespace {

constexpr std::string_view kItems[] = {"one", "two", "three"};
const ControlDefinition kDefinition[] = {
    {.name = "pnl", .kind = ControlKind::Panel, .bounds = {0, 0, 200, 30}, .tabOrder = 0},
    {.name = "rb1", .kind = ControlKind::RadioButton, .parent = "pnl", .bounds = {0, 0, 90, 20},
     .caption = "first", .tabOrder = 0, .value = 1},
    {.name = "rb2", .kind = ControlKind::RadioButton, .parent = "pnl",
     .bounds = {100, 0, 90, 20}, .caption = "second", .tabOrder = 1},
    {.name = "chk", .kind = ControlKind::CheckBox, .bounds = {0, 40, 90, 20}, .caption = "box",
     .tabOrder = 1},
    {.name = "trk", .kind = ControlKind::TrackBar, .bounds = {0, 70, 150, 20}, .tabOrder = 2,
     .value = 5, .min = 0, .max = 20},
    {.name = "cbb", .kind = ControlKind::ComboBox, .bounds = {0, 100, 150, 23}, .tabOrder = 3,
     .value = 0, .items = kItems},
    {.name = "hidden", .kind = ControlKind::Label, .bounds = {0, 130, 50, 17},
     .caption = "hidden", .visible = false},
    {.name = "header", .kind = ControlKind::Label, .bounds = {30, 150, 20, 17},
     .caption = "Общий регулятор звука"},
};

struct Counter {
  int runs = 0;
  std::function<void()> Handler() {
    return [this] { ++runs; };
  }
};

class Views : public ::testing::Test {
 protected:
  Views() {
    LoadDefinition(owner, kDefinition);
    chk.OnClick = checkClicks.Handler();
    rb1.OnClick = firstClicks.Handler();
    rb2.OnClick = secondClicks.Handler();
    trk.OnChange = sliderChanges.Handler();
    cbb.OnChange = listChanges.Handler();
    panel = Add<PanelView>(pnl, form.Handle());
    first = Add<RadioButtonView>(rb1, panel);
    second = Add<RadioButtonView>(rb2, panel);
    box = Add<CheckBoxView>(chk, form.Handle());
    slider = Add<TrackBarView>(trk, form.Handle(), 14);
    list = Add<ComboBoxView>(cbb, form.Handle(), 17);
    label = Add<LabelView>(hidden, form.Handle());
    headerLabel = Add<LabelView>(header, form.Handle());
  }

  template <typename View, typename Control, typename... Extra>
  HWND Add(Control& control, HWND parent, Extra... extra) {
    const ControlDefinition& definition = control.Definition();
    return form.AddView(std::make_unique<View>(control, form.PlacementOf(definition, parent),
                                               extra...))
        .Handle();
  }

  static bool Checked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  void UserScrollsTo(int position) {
    SendMessageW(slider, TBM_SETPOS, TRUE, position);
    SendMessageW(form.Handle(), WM_HSCROLL, TB_THUMBPOSITION, reinterpret_cast<LPARAM>(slider));
  }

  Form form{FormDefinition{.className = "ViewsTest", .caption = "views", .clientWidth = 300,
                           .clientHeight = 200, .fontName = "Tahoma", .fontHeight = 14}};
  ComponentOwner owner;
  Panel pnl{owner, "pnl"};
  RadioButton rb1{owner, "rb1"}, rb2{owner, "rb2"};
  CheckBox chk{owner, "chk"};
  TrackBar trk{owner, "trk"};
  ComboBox cbb{owner, "cbb"};
  Label hidden{owner, "hidden"}, header{owner, "header"};
  Counter checkClicks, firstClicks, secondClicks, sliderChanges, listChanges;
  HWND panel, first, second, box, slider, list, label, headerLabel;
};

TEST_F(Views, AClickedCheckBoxFlipsOnceAndShowsWhatCodeSets) {
  SendMessageW(box, BM_CLICK, 0, 0);
  EXPECT_TRUE(chk.Checked());
  EXPECT_TRUE(Checked(box));
  EXPECT_EQ(checkClicks.runs, 1);
  chk.SetChecked(false);
  EXPECT_FALSE(Checked(box));
  EXPECT_EQ(checkClicks.runs, 2);
}

TEST_F(Views, AClickedRadioButtonInAPanelUnchecksItsPartnerWithoutAClick) {
  EXPECT_TRUE(Checked(first));
  SendMessageW(second, BM_CLICK, 0, 0);
  SendMessageW(second, BM_CLICK, 0, 0);
  EXPECT_FALSE(Checked(first));
  EXPECT_TRUE(Checked(second));
  EXPECT_EQ(secondClicks.runs, 1) << "clicking the checked one again changes nothing";
  EXPECT_EQ(firstClicks.runs, 0);
}

TEST_F(Views, TheSliderChangesOnlyWhenItsPositionDoes) {
  UserScrollsTo(9);
  UserScrollsTo(9);
  EXPECT_EQ(trk.Position(), 9);
  EXPECT_EQ(sliderChanges.runs, 1);
  trk.SetMax(4);
  EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 4);
  EXPECT_EQ(SendMessageW(slider, TBM_GETRANGEMAX, 0, 0), 4);
  EXPECT_EQ(sliderChanges.runs, 2);
}

TEST_F(Views, AListSetFromCodeRunsNoHandlerButTheUsersChoiceDoes) {
  cbb.SetItemIndex(2);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 2);
  EXPECT_EQ(listChanges.runs, 0);
  SendMessageW(list, CB_SETCURSEL, 1, 0);
  SendMessageW(form.Handle(), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  EXPECT_EQ(cbb.ItemIndex(), 1);
  EXPECT_EQ(listChanges.runs, 1);
  EXPECT_EQ(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0), 17);
}

TEST_F(Views, HiddenControlsAreNeverShownNorReachedByTheKeyboard) {
  EXPECT_FALSE(IsWindowVisible(label));
  EXPECT_FALSE(GetWindowLongW(label, GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongW(box, GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongW(panel, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// A text's extent in a font, measured on a DC of the test's own.
SIZE TextExtent(HFONT font, const std::wstring& text) {
  HDC dc = CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return size;
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

TEST_F(Views, ALabelFitsItsCaptionFromItsTopLeftCorner) {
  const HFONT font = reinterpret_cast<HFONT>(SendMessageW(headerLabel, WM_GETFONT, 0, 0));
  const RECT designed = form.PlacementOf(header.Definition(), form.Handle()).bounds;
  const SIZE text = TextExtent(font, L"Общий регулятор звука");
  ASSERT_GT(text.cx, designed.right - designed.left) << "the caption is wider than designed";
  RECT rect = RectInParent(headerLabel);
  EXPECT_EQ(rect.left, designed.left);
  EXPECT_EQ(rect.top, designed.top);
  EXPECT_EQ(rect.right - rect.left, text.cx);
  header.SetCaption("Ок");
  rect = RectInParent(headerLabel);
  EXPECT_EQ(rect.left, designed.left);
  EXPECT_EQ(rect.right - rect.left, TextExtent(font, L"Ок").cx);
}

TEST_F(Views, DisablingAControlShowsOnTheDesktop) {
  chk.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(box));
  trk.SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(slider));
}

TEST_F(Views, AnEnabledTimerTicksAndADisabledOneDoesNot) {
  ComponentOwner timers;
  Timer timer(timers, "tmr", 10);
  Counter ticks;
  timer.OnTimer = ticks.Handler();
  form.AddTimer(timer);
  timer.SetEnabled(true);
  const DWORD until = GetTickCount() + 2000;
  MSG message;
  while (ticks.runs < 2 && GetTickCount() < until) {
    if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&message);
    } else {
      Sleep(1);
    }
  }
  EXPECT_GE(ticks.runs, 2);
  timer.SetEnabled(false);
  const int stopped = ticks.runs;
  Sleep(50);
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  EXPECT_EQ(ticks.runs, stopped);
}

}  // namespace
}  // namespace velmora::ui
