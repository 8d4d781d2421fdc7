#pragma once
#include <iterator>
#include <span>
#include <string_view>

namespace velmora::ui {

// The platform's standard kinds and the program's own skinned kinds (prefixed Ts), which start
// as standard controls and later paint themselves from the skin.
enum class ControlKind {
  CheckBox,
  RadioButton,
  TrackBar,
  ComboBox,
  Button,
  Label,
  Memo,
  Panel,
  TsTrackBar,
  TsButton,
  TsRadioButton,
  TsPanel,
  TsImage,
};

// The class name of the framework's control of that kind; the skin's class-name lists match it
// exactly.
constexpr std::string_view FrameworkClassName(ControlKind kind) {
  constexpr std::string_view kNames[] = {
      "TCheckBox", "TRadioButton", "TTrackBar",  "TComboBox",     "TButton",  "TLabel", "TMemo",
      "TPanel",    "TsTrackBar",   "TsButton",   "TsRadioButton", "TsPanel",  "TsImage"};
  static_assert(std::size(kNames) == static_cast<size_t>(ControlKind::TsImage) + 1);
  return kNames[static_cast<int>(kind)];
}

// Left, top, width, height in design pixels, relative to the parent's client area.
struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// One control of a form's definition. Captions and items are UTF-8.
struct ControlDefinition {
  std::string_view name;
  ControlKind kind = ControlKind::Label;
  std::string_view parent;  // empty: the form itself
  Bounds bounds;
  std::string_view caption;
  int tabOrder = -1;  // among siblings; -1: not reached by the keyboard
  int value = 0;      // design value: 1 for checked, a slider's position, a list's item
  int min = 0;        // a slider's design range
  int max = 10;
  int thumbLength = 14;
  int itemHeight = 17;
  std::span<const std::string_view> items;
  std::string_view hint;
  bool visible = true;
  bool wordWrap = false;
  bool showFocus = false;  // a skinned slider frames itself while it has the focus
};

}  // namespace velmora::ui
