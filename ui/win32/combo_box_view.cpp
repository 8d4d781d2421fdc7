#include "ui/win32/combo_box_view.h"

#include "ui/win32/text.h"

namespace velmora::ui {
namespace {

// The dropped list shows every item; the face keeps the height the definition gives.
ChildPlacement WithDroppedList(ChildPlacement placement, int itemHeight, size_t items) {
  placement.bounds.bottom += itemHeight * (static_cast<int>(items) + 1) + 2;
  return placement;
}

}  // namespace

ComboBoxView::ComboBoxView(ComboBox& list, const ChildPlacement& placement, int itemHeight)
    : ChildView(list, WithDroppedList(placement, itemHeight, list.Items().size()), L"COMBOBOX",
                CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL),
      list_(list),
      itemHeight_(itemHeight) {
  for (const std::string& item : list.Items()) {
    SendMessageW(handle_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(item).c_str()));
  }
  SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight);
  SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight);
  Refresh();
}

void ComboBoxView::Refresh() {
  EnableWindow(handle_, list_.Enabled());
  SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(list_.ItemIndex()), 0);
}

void ComboBoxView::Command(WORD code) {
  if (code == CBN_SELCHANGE) {
    list_.UserSelect(static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0)));
  }
}

void ComboBoxView::MeasureItem(MEASUREITEMSTRUCT& item) {
  item.itemHeight = static_cast<UINT>(itemHeight_);
}

void ComboBoxView::DrawItem(const DRAWITEMSTRUCT& item) {
  const bool selected = item.itemState & ODS_SELECTED;
  FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int index = static_cast<int>(item.itemID);
  if (index < 0 || index >= static_cast<int>(list_.Items().size())) return;
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT text = item.rcItem;
  text.left += 2;
  const std::wstring caption = WideFromUtf8(list_.Items()[static_cast<size_t>(index)]);
  DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace velmora::ui
