#include "app/main_window_definition.h"

#include <array>

namespace velmora::app {
namespace {

using enum ui::ControlKind;

constexpr ui::FormDefinition kWindow{
    .className = "TForm_player",
    .caption = "Velmora",
    .clientWidth = 764,
    .clientHeight = 537,
    .fontName = "Tahoma",
    .fontHeight = 14,
};

constexpr std::array<std::string_view, 5> kIntervalItems{
    "2-7 секунд", "10-20 секунд", "20-70 секунд", "70-140 секунд", "200-300 секунд"};
constexpr std::array<std::string_view, 4> kPeriodItems{
    "раз в 30 минут", "раз в 60 минут", "раз в 90 минут", "раз в 120 минут"};
constexpr std::array<std::string_view, 5> kDurationItems{
    "5-10 минут", "10-15 минут", "15-30 минут", "30-60 минут", "навсегда"};
constexpr std::array<std::string_view, 5> kDrumItems{"Бубен 1", "Бубен 2", "Бубен 3", "Бубен 4",
                                                     "Бубен 5"};

constexpr std::string_view kIntervalHint = "Частота появления звуков";

// Sliders whose design range is not the framework's 0 to 10 say so; their working ranges are
// set at start-up.
constexpr auto kControls = std::to_array<ui::ControlDefinition>({
    // Background and column headers.
    {.name = "img1", .kind = TsImage, .bounds = {0, 0, 764, 537}},
    {.name = "Label3", .kind = Label, .bounds = {165, 4, 69, 17}, .caption = "Громкость"},
    {.name = "Label4", .kind = Label, .bounds = {296, 4, 45, 17}, .caption = "Баланс"},
    {.name = "lbl1", .kind = Label, .bounds = {420, 4, 62, 17}, .caption = "Скорость"},

    // Stream.
    {.name = "chk1", .kind = CheckBox, .bounds = {13, 25, 75, 19}, .caption = "Ручей",
     .tabOrder = 2},
    {.name = "TrackBar1", .kind = TsTrackBar, .bounds = {140, 25, 118, 19}, .tabOrder = 0,
     .value = 5, .showFocus = true},
    {.name = "TrackBar2", .kind = TsTrackBar, .bounds = {260, 25, 118, 19}, .tabOrder = 1,
     .value = 0, .min = -5, .max = 5, .showFocus = true},
    {.name = "trckbr4", .kind = TsTrackBar, .bounds = {381, 26, 156, 20}, .tabOrder = 10,
     .value = 0, .min = -5, .max = 5, .showFocus = true},
    {.name = "pnl1", .kind = Panel, .bounds = {540, 24, 196, 24}, .tabOrder = 19},
    {.name = "rb1", .kind = RadioButton, .parent = "pnl1", .bounds = {13, 1, 79, 23},
     .caption = "ручей 1", .tabOrder = 0, .value = 1},
    {.name = "rb2", .kind = RadioButton, .parent = "pnl1", .bounds = {118, 1, 83, 23},
     .caption = "ручей 2", .tabOrder = 1},

    // Campfire.
    {.name = "chk2", .kind = CheckBox, .bounds = {13, 65, 75, 20}, .caption = "Костер",
     .tabOrder = 3},
    {.name = "trckbr1", .kind = TsTrackBar, .bounds = {140, 65, 118, 20}, .tabOrder = 4,
     .value = 5, .showFocus = true},
    {.name = "trckbr2", .kind = TsTrackBar, .bounds = {260, 65, 118, 20}, .tabOrder = 5,
     .value = 0, .min = -5, .max = 5, .showFocus = true},
    {.name = "trckbr5", .kind = TsTrackBar, .bounds = {381, 65, 156, 20}, .tabOrder = 11,
     .value = 0, .min = -5, .max = 5, .showFocus = true},
    {.name = "pnl2", .kind = Panel, .bounds = {540, 63, 207, 25}, .tabOrder = 20},
    {.name = "rb3", .kind = RadioButton, .parent = "pnl2", .bounds = {13, 1, 85, 23},
     .caption = "костер 1", .tabOrder = 0, .value = 1},
    {.name = "rb4", .kind = RadioButton, .parent = "pnl2", .bounds = {118, 1, 85, 23},
     .caption = "костер 2", .tabOrder = 1},

    // Wind.
    {.name = "chk3", .kind = CheckBox, .bounds = {13, 105, 85, 21}, .caption = "Ветер",
     .tabOrder = 6},
    {.name = "trckbr3", .kind = TsTrackBar, .bounds = {140, 105, 118, 21}, .tabOrder = 7,
     .value = 5, .showFocus = true},
    {.name = "spnl1", .kind = TsPanel, .bounds = {260, 105, 223, 22}, .tabOrder = 38},
    {.name = "rb9", .kind = TsRadioButton, .parent = "spnl1", .bounds = {7, 1, 77, 21},
     .caption = "ветер 1", .tabOrder = 0, .value = 1},
    {.name = "rb10", .kind = TsRadioButton, .parent = "spnl1", .bounds = {111, 1, 77, 21},
     .caption = "ветер 2", .tabOrder = 1},

    // Crickets.
    {.name = "chk5", .kind = CheckBox, .bounds = {13, 145, 85, 20}, .caption = "Сверчки",
     .tabOrder = 9},
    {.name = "trckbr6", .kind = TsTrackBar, .bounds = {140, 145, 118, 20}, .tabOrder = 12,
     .value = 5, .showFocus = true},
    {.name = "pnl3", .kind = Panel, .bounds = {260, 146, 223, 25}, .tabOrder = 21},
    {.name = "rb5", .kind = RadioButton, .parent = "pnl3", .bounds = {9, 1, 96, 23},
     .caption = "сверчки 1", .tabOrder = 0, .value = 1},
    {.name = "rb6", .kind = RadioButton, .parent = "pnl3", .bounds = {114, 1, 148, 23},
     .caption = "сверчки 2", .tabOrder = 1},

    // Extra crickets.
    {.name = "chk9", .kind = CheckBox, .bounds = {13, 184, 94, 21}, .caption = "+сверчки",
     .tabOrder = 22},
    {.name = "trckbr10", .kind = TsTrackBar, .bounds = {140, 184, 118, 21}, .tabOrder = 23,
     .value = 5, .showFocus = true},
    {.name = "cbb1", .kind = ComboBox, .bounds = {265, 186, 144, 23}, .tabOrder = 24,
     .value = 2, .items = kIntervalItems, .hint = kIntervalHint},

    // Owls and wolves.
    {.name = "chk6", .kind = CheckBox, .bounds = {13, 225, 109, 20}, .caption = "Совы, волки",
     .tabOrder = 13},
    {.name = "trckbr7", .kind = TsTrackBar, .bounds = {140, 225, 118, 20}, .tabOrder = 14,
     .value = 5, .showFocus = true},
    {.name = "cbb2", .kind = ComboBox, .bounds = {265, 225, 144, 23}, .tabOrder = 25,
     .value = 2, .items = kIntervalItems, .hint = kIntervalHint},

    // Swamp.
    {.name = "chk4", .kind = CheckBox, .bounds = {13, 265, 85, 20}, .caption = "Болото",
     .tabOrder = 8},
    {.name = "trckbr8", .kind = TsTrackBar, .bounds = {140, 265, 118, 20}, .tabOrder = 15,
     .value = 5, .showFocus = true},
    {.name = "Panel1", .kind = Panel, .bounds = {260, 262, 221, 24}, .tabOrder = 34},
    {.name = "RadioButton1", .kind = RadioButton, .parent = "Panel1", .bounds = {9, 1, 96, 23},
     .caption = "лягушки 1", .tabOrder = 0, .value = 1},
    {.name = "RadioButton2", .kind = RadioButton, .parent = "Panel1",
     .bounds = {111, 1, 148, 23}, .caption = "лягушки 2", .tabOrder = 1},

    // Rain.
    {.name = "chk7", .kind = CheckBox, .bounds = {13, 305, 85, 21}, .caption = "Дождь",
     .tabOrder = 16},
    {.name = "trckbr9", .kind = TsTrackBar, .bounds = {140, 305, 118, 21}, .tabOrder = 17,
     .value = 5, .showFocus = true},
    {.name = "chk8", .kind = CheckBox, .bounds = {269, 305, 85, 22}, .caption = "с грозой",
     .tabOrder = 18},
    {.name = "cbb3", .kind = ComboBox, .bounds = {392, 305, 144, 23}, .tabOrder = 26,
     .value = 0, .items = kPeriodItems, .hint = "Как часто дождь будет идти"},
    {.name = "btn1", .kind = Button, .bounds = {13, 344, 124, 30}, .caption = "Дождя!",
     .tabOrder = 29},
    {.name = "pnl4", .kind = Panel, .bounds = {165, 345, 222, 25}, .tabOrder = 27},
    {.name = "rb7", .kind = RadioButton, .parent = "pnl4", .bounds = {7, 1, 85, 23},
     .caption = "12 мин", .tabOrder = 0, .value = 1},
    {.name = "rb8", .kind = RadioButton, .parent = "pnl4", .bounds = {105, 1, 104, 23},
     .caption = "установить", .tabOrder = 1},
    {.name = "cbb4", .kind = ComboBox, .bounds = {392, 345, 118, 23}, .tabOrder = 28,
     .value = 0, .items = kDurationItems, .hint = "Продолжительность дождя"},

    // Drum.
    {.name = "chk11", .kind = CheckBox, .bounds = {24, 392, 105, 32},
     .caption = "Шаманский бубен", .tabOrder = 39, .wordWrap = true},
    {.name = "strckbr1", .kind = TsTrackBar, .bounds = {140, 392, 118, 21}, .tabOrder = 40,
     .value = 5, .showFocus = true},
    {.name = "cbb5", .kind = ComboBox, .bounds = {272, 392, 118, 22}, .tabOrder = 41,
     .value = 0, .itemHeight = 16, .items = kDrumItems},

    // Bottom.
    {.name = "Label1", .kind = Label, .bounds = {13, 490, 156, 17},
     .caption = "Общий регулятор звука"},
    // The master slider starts at 192, not 177, its right edge kept: in the platform's Tahoma
    // the caption before it ends as far right as 190 design pixels (at 96 and 144 dpi).
    {.name = "strckbr11", .kind = TsTrackBar, .bounds = {192, 485, 185, 33}, .tabOrder = 36,
     .value = 0, .min = 0, .max = 100, .thumbLength = 24, .showFocus = true},
    {.name = "chk10", .kind = CheckBox, .bounds = {390, 490, 140, 23},
     .caption = "Включить звук", .tabOrder = 35, .value = 1},
    {.name = "btn4", .kind = TsButton, .bounds = {581, 485, 149, 41},
     .caption = " Параметры по умолчанию", .tabOrder = 37},

    // Hidden: they exist for the handlers.
    {.name = "btn2", .kind = Button, .bounds = {502, 167, 158, 33},
     .caption = "сохранить настройки", .visible = false},
    {.name = "btn3", .kind = Button, .bounds = {502, 209, 158, 33},
     .caption = "загрузить настройки", .visible = false},
    {.name = "mmo1", .kind = Memo, .bounds = {502, 115, 33, 43}, .visible = false},
    {.name = "mmo2", .kind = Memo, .bounds = {544, 115, 33, 43}, .visible = false},
    {.name = "lbl2", .kind = Label, .bounds = {680, 136, 20, 17}, .caption = "lbl2",
     .visible = false},
    {.name = "lbl3", .kind = Label, .bounds = {680, 157, 20, 17}, .caption = "lbl3",
     .visible = false},
    {.name = "lbl4", .kind = Label, .bounds = {680, 178, 20, 17}, .caption = "lbl4",
     .visible = false},
});

// The class names each kind of adapter skins, one per line; " " matches nothing.
constexpr std::array<std::string_view, skin::kThirdPartyKinds> kThirdParty{
    "TEdit\r\nTMemo\r\nTMaskEdit\r\nTSpinEdit\r\nTLabeledEdit\r\nTHotKey\r\nTListBox\r\n"
    "TSearchBox\r\nTCheckListBox\r\nTRichEdit\r\nTDateTimePicker\r\nTCategoryButtons\r\n"
    "TFileListBox",
    "TButton",
    "TBitBtn",
    "TCheckBox\r\nTRadioButton\r\nTGroupButton",
    "TComboBox\r\nTComboBoxEx\r\nTColorBox",
    "TStringGrid\r\nTDrawGrid\r\nTValueListEditor",
    "TGroupBox\r\nTRadioGroup",
    "TListView",
    "TPanel\r\nTPage\r\nTGridPanel\r\nTTabPage",
    "TTreeView",
    " ",
    " ",
    " ",
    "TPageControl",
    "TTabControl\r\nTTabbedNotebook",
    "TToolBar",
    "TStatusBar",
    "TSpeedButton",
    "TScrollBox",
    "TSpinButton\r\nTUpDown",
    "TScrollBar",
    "TStaticText",
    " ",
};

}  // namespace

const ui::FormDefinition& MainWindowDefinition() { return kWindow; }

std::span<const ui::ControlDefinition> MainWindowControls() { return kControls; }

// The skin directory names a folder users do not have: every start ends at the stored skin.
skin::SkinManagerDefinition MainWindowSkinManager(std::span<const std::uint8_t> storedSkin) {
  return skin::SkinManagerDefinition{
      .InternalSkins = {{.Name = "Emerald (internal)",
                         .OriginName = "Emerald.asz",
                         .Data = storedSkin}},
      .SkinDirectory = "c:\\Velmora\\Skins",
      .SkinName = "Emerald (internal)",
      .SkinInfo = "10.25",
      .ThirdParty = kThirdParty,
  };
}

}  // namespace velmora::app
