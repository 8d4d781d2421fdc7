#include "skin/popups/win32/menu_records.h"

#include <iterator>

namespace velmora::skin {

uint32_t MenuItemRecords::Add(MenuItemRecord record) {
  const uint32_t id = next_++;
  records_.emplace(id, std::move(record));
  return id;
}

MenuItemRecord* MenuItemRecords::Find(ULONG_PTR id) {
  const auto found = records_.find(uint32_t(id));
  return found == records_.end() || found->first != id ? nullptr : &found->second;
}

const MenuItemRecord* MenuItemRecords::Find(ULONG_PTR id) const {
  return const_cast<MenuItemRecords*>(this)->Find(id);
}

int PositionOfRecord(HMENU menu, uint32_t id) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof(info), MIIM_DATA | MIIM_FTYPE};
    if (GetMenuItemInfoW(menu, UINT(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW) &&
        info.dwItemData == id) {
      return i;
    }
  }
  return -1;
}

void MenuItemRecords::RestoreAll() {
  for (const auto& [id, record] : records_) {
    if (!IsMenu(record.Menu)) continue;
    const int at = PositionOfRecord(record.Menu, id);
    if (at < 0) continue;
    MENUITEMINFOW info{sizeof(info), MIIM_FTYPE | MIIM_DATA};
    info.fType = record.OriginalType;
    info.dwItemData = record.OriginalData;
    SetMenuItemInfoW(record.Menu, UINT(at), TRUE, &info);
  }
  records_.clear();
}

void MenuItemRecords::DropGone() {
  for (auto it = records_.begin(); it != records_.end();) {
    const bool gone = !IsMenu(it->second.Menu) || PositionOfRecord(it->second.Menu, it->first) < 0;
    it = gone ? records_.erase(it) : std::next(it);
  }
}

}  // namespace velmora::skin
