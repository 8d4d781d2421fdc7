#include "skin/controls/win32/adapter_registry.h"

#include <algorithm>

#include "skin/controls/control_kinds.h"
#include "skin/controls/win32/btn_wnd.h"
#include "skin/controls/win32/check_box_wnd.h"
#include "skin/controls/win32/combo_box_wnd.h"
#include "skin/controls/win32/edit_wnd.h"
#include "skin/controls/win32/panel_wnd.h"
#include "skin/data/skin_registry.h"
#include "skin/manager/win32/window_receivers.h"

namespace velmora::skin {

namespace {

// The adapter of the class-name list that holds the control's class.
std::unique_ptr<TacMainWnd> MakeAdapter(HWND window, ManagerLink* link, int index,
                                        const ControlFacts& facts) {
  switch (index) {
    case 0: return std::make_unique<TacEditWnd>(window, link, index);
    case 1: return std::make_unique<TacBtnWnd>(window, link, index);
    case 3: return std::make_unique<TacCheckBoxWnd>(window, link, index);
    case 4: return std::make_unique<TacComboBoxWnd>(window, link, index);
    case 8: return std::make_unique<TacPanelWnd>(window, link, index, facts.Tag);
    default: return std::make_unique<TacMainWnd>(window, link, index);
  }
}

}  // namespace

bool EngineHandledWindow(HWND window) {
  if (GetPropW(window, kSkinDataProperty) || GetPropW(window, kAdapterProperty)) return true;
  return SendEngineCommand(window, {EngineCommand::IsHandled}) == 1;
}

TacCtrlAdapter::TacCtrlAdapter(ManagerLink* link, const ClassNameLists& lists,
                               ControlLookup lookup)
    : link_(link), lists_(lists), lookup_(std::move(lookup)) {}

void TacCtrlAdapter::AddAllItems(HWND container) {
  if (walking_ || !container) return;
  walking_ = true;
  PurgeItems();
  Walk(container);
  walking_ = false;
}

void TacCtrlAdapter::Walk(HWND container) {
  for (HWND child = GetWindow(container, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const std::optional<ControlFacts> facts = lookup_(child);
    if (facts && !SkinningRefused(facts->Tag)) {
      if (facts->ClassName == kLabelClass)
        AdjustLabel(child);
      else if (!EngineHandledWindow(child))
        AddItem(child, *facts);
    }
    Walk(child);
  }
}

void TacCtrlAdapter::AddItem(HWND window, const ControlFacts& facts) {
  if (SkinningRefused(facts.Tag) || !GetParent(window) || EngineHandledWindow(window)) return;
  const int index = KindOfClass(lists_, facts.ClassName);
  if (index < 0) return;
  items_.push_back(MakeAdapter(window, link_, index, facts));
}

void TacCtrlAdapter::PurgeItems() {
  std::erase_if(items_, [](const auto& item) { return item->Detached(); });
  std::erase_if(labels_, [](const auto& label) { return label->WindowGone(); });
}

// Last first, as they were made.
void TacCtrlAdapter::FreeAllItems() {
  while (!items_.empty()) items_.pop_back();
  while (!labels_.empty()) labels_.pop_back();
}

uint32_t TacCtrlAdapter::LabelColour() const {
  const SkinRegistry* skin = link_ ? link_->Registry() : nullptr;
  return skin ? uint32_t(skin->LabelColor()) : 0xFF000012;
}

// A label adjusted again only takes the current colour: its record keeps what it had first.
void TacCtrlAdapter::AdjustLabel(HWND label) {
  for (const auto& adjusted : labels_) {
    if (adjusted->Handle() == label && !adjusted->WindowGone())
      return adjusted->SetColour(LabelColour());
  }
  labels_.push_back(std::make_unique<LabelAdjustment>(label, LabelColour()));
}

void TacCtrlAdapter::RecolourLabels() {
  for (const auto& label : labels_) label->SetColour(LabelColour());
}

const TacMainWnd* TacCtrlAdapter::AdapterOf(HWND window) const {
  for (const auto& item : items_)
    if (item->Handle() == window && !item->Detached()) return item.get();
  return nullptr;
}

const LabelAdjustment* TacCtrlAdapter::LabelOf(HWND window) const {
  for (const auto& label : labels_)
    if (label->Handle() == window && !label->WindowGone()) return label.get();
  return nullptr;
}

}  // namespace velmora::skin
