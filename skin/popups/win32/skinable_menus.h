#pragma once
// The popup menu painter: every popup menu the application shows is owner-drawn from the active
// skin. Its items are measured and drawn on their owner window's request, each menu's background
// is prepared once per opening, and every platform menu window gets an adapter painting its
// frame, region and opacity.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "skin/popups/menu_background.h"
#include "skin/popups/win32/menu_records.h"
#include "skin/popups/win32/menu_text.h"

namespace velmora::skin {

class TacMnuWnd;
class MenuOwner;

// One menu's prepared background, for as long as no menu window is destroyed.
struct PopupBackground {
  HMENU Menu = nullptr;
  HWND Window = nullptr;  // nullptr while the menu's window is not known
  DibBitmap Bitmap;
  int32_t IconColumn = 0;
  int32_t FrameWidth = 0;
  int32_t ExtraLine = 0;
};

class TsSkinableMenus : public PopupMenuPainter {
 public:
  TsSkinableMenus(TsSkinManager& manager, Win32ManagerHost& host);
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;
  ~TsSkinableMenus();

  // The painter of the default manager, or nullptr.
  static TsSkinableMenus* Default();

  // The entry point before a popup menu is tracked: makes every item of `menu`, at any depth,
  // owner-drawn from the skin (items with an owner-draw of their own are left alone) and has
  // `owner`, the window the menu is tracked for, answer the platform's measure and draw
  // requests. A system menu's minimise, maximise, restore and close show their pictures. With
  // popups not skinned the items get their own looks back instead.
  void PrepareMenu(HMENU menu, HWND owner, PopupKind kind = PopupKind::Plain);

  // Published properties.
  MenuMetrics Metrics;
  int BevelWidth = 0;
  MenuTextAlign Alignment = MenuTextAlign::Left;
  int SkinBorderWidth = -1;  // -1: taken from MAINMENU's borders mask
  // Called after an item is drawn, with its pixels, type, owner-draw state and text rectangle.
  std::function<void(const PixelView&, TsMenuItemType, UINT state, const Rect&)> OnDrawItem;

  // How many backgrounds were prepared since the painter was made.
  int PreparedCount() const { return prepared_; }
  // Whether an item was measured since the last menu window was destroyed.
  bool MeasuredSinceLastMenu() const { return measured_; }
  bool Skinned() const;
  uint8_t MenuOpacity() const;

  // From the menu windows' adapters.
  const PopupBackground* BackgroundOf(HWND window) const;
  void PaintMenuBackgroundInto(const PixelView& dest) const;
  void MenuWindowDestroyed(HWND window);

  // PopupMenuPainter.
  void MenuWindowCreated(HWND window) override;
  std::optional<LRESULT> PopupMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // The owner window's requests; nullopt when the item is not the painter's.
  std::optional<LRESULT> MeasureItem(MEASUREITEMSTRUCT& item);
  std::optional<LRESULT> DrawItem(const DRAWITEMSTRUCT& item);
  // A letter typed in an open menu with items of the painter's: the item it chooses.
  std::optional<LRESULT> MenuChar(wchar_t letter, HMENU menu);

 private:
  void PrepareItems(HMENU menu, PopupKind kind);
  void Unprepare();
  void HookOwner(HWND owner);
  MenuSkin Skin() const;
  BackgroundLayout Layout(const MenuSkin& skin, int32_t extraLine) const;
  int32_t ExtraLineOf(HMENU menu, int position) const;
  PopupBackground* Entry(HMENU menu, HWND window);
  PopupBackground& Prepare(HMENU menu, HWND window, int32_t width, int32_t height);
  void ApplyRegionAndFrame(PopupBackground& entry);
  ItemSize EstimatedSize(HMENU menu) const;
  void PaintItem(const DRAWITEMSTRUCT& item, const MenuItemRecord& record,
                 const PopupBackground& entry, POINT offset);
  MenuFonts& Fonts();
  void PostItemShown(uint32_t id);
  void ItemShown(LPARAM id);
  int ScalePercent() const;

  TsSkinManager& manager_;
  Win32ManagerHost& host_;
  MenuItemRecords records_;
  std::vector<std::unique_ptr<MenuOwner>> owners_;
  std::vector<std::unique_ptr<TacMnuWnd>> windows_;
  std::vector<PopupBackground> backgrounds_;
  std::unique_ptr<MenuFonts> fonts_;
  int prepared_ = 0;
  bool measured_ = false;
  bool applying_ = false;
  uint32_t pendingShown_ = 0;  // the id of the item shown message this painter posted
};

}  // namespace velmora::skin
