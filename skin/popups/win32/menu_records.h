#pragma once
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "skin/popups/menu_item.h"

namespace velmora::skin {

enum class PopupKind { Plain, SystemMenu };

// What the painter keeps of one item it made owner-drawn. The item carries only the record's
// id, so a request naming an id that is gone, or that no item of this process was given, finds
// nothing rather than a stale object.
struct MenuItemRecord {
  HMENU Menu = nullptr;
  std::wstring Caption;  // "-" for separators
  UINT Command = 0;
  PopupKind Kind = PopupKind::Plain;
  UINT OriginalType = 0;
  ULONG_PTR OriginalData = 0;
  ItemSize Measured;
};

class MenuItemRecords {
 public:
  // A new record's id; ids are never reused.
  uint32_t Add(MenuItemRecord record);
  MenuItemRecord* Find(ULONG_PTR id);
  const MenuItemRecord* Find(ULONG_PTR id) const;
  // Gives every item the painter made owner-drawn its own type and data back.
  void RestoreAll();
  // Forgets the records of menus that are gone and of items no longer in their menu.
  void DropGone();

 private:
  uint32_t next_ = 1;
  std::map<uint32_t, MenuItemRecord> records_;
};

// The position of the item of `menu` whose data is the id, or -1.
int PositionOfRecord(HMENU menu, uint32_t id);

}  // namespace velmora::skin
