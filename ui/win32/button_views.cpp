#include "ui/win32/button_views.h"

namespace velmora::ui {
namespace {

DWORD WrapStyle(const Control& control) {
  return control.HasDefinition() && control.Definition().wordWrap ? BS_MULTILINE : 0;
}

void ShowCheck(HWND button, bool checked) {
  SendMessageW(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

}  // namespace

CheckBoxView::CheckBoxView(CheckBox& box, const ChildPlacement& placement)
    : ChildView(box, placement, L"BUTTON", BS_CHECKBOX | WrapStyle(box)), box_(box) {
  Refresh();
}

void CheckBoxView::Refresh() {
  RefreshCommon();
  ShowCheck(handle_, box_.Checked());
}

void CheckBoxView::Command(WORD code) {
  if (code == BN_CLICKED) box_.UserClick();
}

RadioButtonView::RadioButtonView(RadioButton& button, const ChildPlacement& placement)
    : ChildView(button, placement, L"BUTTON", BS_RADIOBUTTON | WrapStyle(button)),
      button_(button) {
  Refresh();
}

void RadioButtonView::Refresh() {
  RefreshCommon();
  ShowCheck(handle_, button_.Checked());
}

void RadioButtonView::Command(WORD code) {
  if (code == BN_CLICKED) button_.UserClick();
}

ButtonView::ButtonView(Button& button, const ChildPlacement& placement)
    : ChildView(button, placement, L"BUTTON", BS_PUSHBUTTON), button_(button) {}

void ButtonView::Command(WORD code) {
  if (code == BN_CLICKED) button_.Click();
}

}  // namespace velmora::ui
