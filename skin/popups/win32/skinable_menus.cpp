#include "skin/popups/win32/skinable_menus.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "skin/manager/win32/window_receivers.h"
#include "skin/popups/menu_item_paint.h"
#include "skin/popups/menu_letters.h"
#include "skin/popups/win32/mnu_wnd.h"
#include "ui/win32/popup_menu.h"

namespace velmora::skin {
namespace {

TsSkinableMenus* g_default = nullptr;

bool IsMenuWindow(HWND window) {
  wchar_t name[16] = {};
  return window && GetClassNameW(window, name, 16) && std::wstring_view(name) == L"#32768" &&
         GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

// The system menu's commands show a picture instead of an icon.
wchar_t SymbolOf(UINT command) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE: return L'0';
    case SC_MAXIMIZE: return L'1';
    case SC_CLOSE: return L'r';
    case SC_RESTORE: return L'2';
    default: return 0;
  }
}

std::wstring CaptionAt(HMENU menu, UINT position, UINT type) {
  if (type & MFT_SEPARATOR) return L"-";
  MENUITEMINFOW info{sizeof(info), MIIM_STRING};
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return {};
  std::wstring caption(info.cch + 1, L'\0');
  info.dwTypeData = caption.data();
  ++info.cch;
  if (!GetMenuItemInfoW(menu, position, TRUE, &info)) return {};
  caption.resize(info.cch);
  return caption;
}

UINT TypeAt(HMENU menu, int position) {
  MENUITEMINFOW info{sizeof(info), MIIM_FTYPE};
  return GetMenuItemInfoW(menu, UINT(position), TRUE, &info) ? info.fType : 0;
}

bool BreaksColumn(UINT type) { return type & (MFT_MENUBREAK | MFT_MENUBARBREAK); }

bool InFirstColumn(HMENU menu, int position) {
  for (int i = 1; i <= position; ++i)
    if (BreaksColumn(TypeAt(menu, i))) return false;
  return true;
}

SIZE WindowSize(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return {box.right - box.left, box.bottom - box.top};
}

// The client area's origin within the window.
POINT ClientOffset(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return {origin.x - box.left, origin.y - box.top};
}

}  // namespace

// An owner window of a prepared menu: the platform asks it for each item's size and picture.
class MenuOwner {
 public:
  MenuOwner(HWND window, TsSkinableMenus& painter)
      : window_(window), painter_(painter), subclass_(window, Procedure, this) {}
  HWND Window() const { return window_; }
  bool Gone() const { return !subclass_.Installed(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self) {
    auto* owner = reinterpret_cast<MenuOwner*>(self);
    if (message == WM_NCDESTROY) owner->subclass_.Remove();
    if (message == WM_MEASUREITEM && wParam == 0) {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU)
        if (const auto answer = owner->painter_.MeasureItem(item)) return *answer;
    }
    if (message == WM_MENUCHAR)
      if (const auto answer = owner->painter_.MenuChar(wchar_t(LOWORD(wParam)),
                                                       reinterpret_cast<HMENU>(lParam)))
        return *answer;
    if (message == WM_DRAWITEM && wParam == 0) {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_MENU)
        if (const auto answer = owner->painter_.DrawItem(item)) return *answer;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  }

  HWND window_;
  TsSkinableMenus& painter_;
  WindowSubclass subclass_;
};

std::optional<LRESULT> TsSkinableMenus::MenuChar(wchar_t letter, HMENU menu) {
  const int count = IsMenu(menu) ? GetMenuItemCount(menu) : 0;
  std::vector<std::wstring> captions;
  int32_t current = -1;
  bool ours = false;
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof(info), MIIM_FTYPE | MIIM_DATA | MIIM_STATE};
    GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
    const MenuItemRecord* record = records_.Find(info.dwItemData);
    const bool drawn = (info.fType & MFT_OWNERDRAW) && record && record->Menu == menu;
    ours = ours || drawn;
    std::wstring caption = drawn ? record->Caption : CaptionAt(menu, UINT(i), info.fType);
    if (!caption.empty()) CharUpperBuffW(caption.data(), DWORD(caption.size()));
    captions.push_back(std::move(caption));
    if (info.fState & MFS_HILITE) current = i;
  }
  if (!ours) return std::nullopt;
  CharUpperBuffW(&letter, 1);
  const MenuLetterChoice choice = ChooseByLetter(captions, current, letter);
  if (choice.Position < 0) return std::nullopt;
  return MAKELRESULT(choice.Position, choice.Execute ? MNC_EXECUTE : MNC_SELECT);
}

TsSkinableMenus::TsSkinableMenus(TsSkinManager& manager, Win32ManagerHost& host)
    : manager_(manager), host_(host) {
  if (manager_.IsDefault()) g_default = this;
  host_.SetPopupPainter(this);
  ui::PopupMenu::SetPreparer([this](HMENU menu, HWND owner) { PrepareMenu(menu, owner); });
}

TsSkinableMenus::~TsSkinableMenus() {
  ui::PopupMenu::SetPreparer(nullptr);
  if (host_.PopupPainter() == this) host_.SetPopupPainter(nullptr);
  if (g_default == this) g_default = nullptr;
  records_.RestoreAll();
  windows_.clear();
  owners_.clear();
}

TsSkinableMenus* TsSkinableMenus::Default() { return g_default; }

bool TsSkinableMenus::Skinned() const {
  return manager_.Active() && manager_.SkinnedPopups() && manager_.Registry();
}

uint8_t TsSkinableMenus::MenuOpacity() const {
  return uint8_t(std::clamp(manager_.MenuSupport.AlphaBlend, 0, 255));
}

int TsSkinableMenus::ScalePercent() const {
  constexpr std::array<int, 4> kPercents{100, 125, 150, 200};
  return kPercents[size_t(std::clamp(manager_.ScaleIndex(), 0, 3))];
}

MenuSkin TsSkinableMenus::Skin() const {
  const std::string& icoLine = manager_.MenuSupport.IcoLineSkin;
  return ResolveMenuSkin(manager_.Registry(), icoLine.empty() ? "ICOLINE" : icoLine);
}

BackgroundLayout TsSkinableMenus::Layout(const MenuSkin& skin, int32_t extraLine) const {
  return {Metrics, manager_.ScaledValue(kDefaultGlyphSize), SkinFrameWidth(skin, SkinBorderWidth),
          extraLine};
}

void TsSkinableMenus::PrepareMenu(HMENU menu, HWND owner, PopupKind kind) {
  if (!IsMenu(menu)) return;
  records_.DropGone();
  if (!Skinned()) return Unprepare();
  PrepareItems(menu, kind);
  HookOwner(owner);
}

void TsSkinableMenus::PrepareItems(HMENU menu, PopupKind kind) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof(info), MIIM_FTYPE | MIIM_DATA | MIIM_SUBMENU | MIIM_ID};
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
    const MenuItemRecord* record = records_.Find(info.dwItemData);
    const bool ours = (info.fType & MFT_OWNERDRAW) && record && record->Menu == menu;
    if (!(info.fType & MFT_OWNERDRAW)) {
      const uint32_t id = records_.Add({menu, CaptionAt(menu, UINT(i), info.fType), info.wID, kind,
                                        info.fType, info.dwItemData});
      MENUITEMINFOW owned{sizeof(owned), MIIM_FTYPE | MIIM_DATA};
      owned.fType = info.fType | MFT_OWNERDRAW;
      owned.dwItemData = id;
      SetMenuItemInfoW(menu, UINT(i), TRUE, &owned);
    } else if (!ours) {
      continue;  // drawn by its own handler
    }
    if (info.hSubMenu) PrepareItems(info.hSubMenu, kind);
  }
}

void TsSkinableMenus::Unprepare() {
  records_.RestoreAll();
  owners_.clear();
}

void TsSkinableMenus::HookOwner(HWND owner) {
  std::erase_if(owners_, [](const auto& o) { return o->Gone(); });
  if (!IsWindow(owner)) return;
  if (std::none_of(owners_.begin(), owners_.end(),
                   [&](const auto& o) { return o->Window() == owner; }))
    owners_.push_back(std::make_unique<MenuOwner>(owner, *this));
}

int32_t TsSkinableMenus::ExtraLineOf(HMENU menu, int position) const {
  if (!ShowsExtraLine(manager_.MenuSupport.UseExtraLine, true, L"")) return 0;
  return InFirstColumn(menu, position) ? manager_.ScaledValue(manager_.MenuSupport.ExtraLineWidth)
                                       : 0;
}

MenuFonts& TsSkinableMenus::Fonts() {
  if (!fonts_) fonts_ = std::make_unique<MenuFonts>(manager_.MenuSupport, ScalePercent());
  return *fonts_;
}

std::optional<LRESULT> TsSkinableMenus::MeasureItem(MEASUREITEMSTRUCT& item) {
  MenuItemRecord* record = records_.Find(item.itemData);
  if (!record || !Skinned()) return std::nullopt;
  measured_ = true;
  MeasureFacts facts;
  facts.Type = ItemTypeOf(record->Caption);
  facts.Glyph = {manager_.ScaledValue(kDefaultGlyphSize), manager_.ScaledValue(kDefaultGlyphSize)};
  facts.MainMenuHasBorders = Skin().MainMenuBorders != nullptr;
  const ui::WindowDc screen(nullptr);
  if (facts.Type == TsMenuItemType::smCaption) {
    facts.Text = MeasureMenuText(screen.Get(), Fonts().Caption(), ShownCaption(record->Caption));
  } else if (facts.Type == TsMenuItemType::smNormal) {
    const CaptionParts parts = SplitAtTab(record->Caption);
    const std::wstring text = std::wstring(parts.Text) + std::wstring(parts.Shortcut);
    const bool isDefault = GetMenuDefaultItem(record->Menu, FALSE, 0) == record->Command;
    facts.Text = MeasureMenuText(screen.Get(), Fonts().Item(isDefault), text);
  }
  facts.ExtraLineWidth =
      ExtraLineOf(record->Menu, PositionOfRecord(record->Menu, uint32_t(item.itemData)));
  record->Measured = MeasureMenuItem(Metrics, facts);
  item.itemWidth = UINT(std::max(record->Measured.Width, 0));
  item.itemHeight = UINT(std::max(record->Measured.Height, 0));
  return TRUE;
}

PopupBackground* TsSkinableMenus::Entry(HMENU menu, HWND window) {
  for (PopupBackground& entry : backgrounds_)
    if (entry.Menu == menu || (window && entry.Window == window)) return &entry;
  return nullptr;
}

const PopupBackground* TsSkinableMenus::BackgroundOf(HWND window) const {
  for (const PopupBackground& entry : backgrounds_)
    if (entry.Window == window) return &entry;
  return nullptr;
}

void TsSkinableMenus::PaintMenuBackgroundInto(const PixelView& dest) const {
  const MenuSkin skin = Skin();
  PaintMenuBackground(dest, skin, Layout(skin, 0));
}

PopupBackground& TsSkinableMenus::Prepare(HMENU menu, HWND window, int32_t width, int32_t height) {
  std::erase_if(backgrounds_, [&](const PopupBackground& e) {
    return e.Menu == menu || (window && e.Window == window);
  });
  const MenuSkin skin = Skin();
  PopupBackground entry{menu, window, DibBitmap::Make(width, height)};
  entry.ExtraLine = ExtraLineOf(menu, 0);
  const BackgroundLayout layout = Layout(skin, entry.ExtraLine);
  entry.IconColumn = IconColumnWidth(skin, layout);
  entry.FrameWidth = layout.FrameWidth;
  PaintMenuBackground(entry.Bitmap.Pixels(), skin, layout);
  ++prepared_;
  backgrounds_.push_back(std::move(entry));
  if (window) ApplyRegionAndFrame(backgrounds_.back());
  return backgrounds_.back();
}

void TsSkinableMenus::ApplyRegionAndFrame(PopupBackground& entry) {
  if (applying_ || !entry.Window || entry.Bitmap.Pixels().Empty()) return;
  applying_ = true;
  const struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{applying_};
  SendEngineCommand(entry.Window, {EngineCommand::MenuQuery});
  const PixelView pixels = entry.Bitmap.Pixels();
  ui::UniqueRegion region(CreateRectRgn(0, 0, pixels.Width, pixels.Height));
  std::vector<Rect> cuts = MenuRegionCuts(Skin(), pixels.Width, pixels.Height);
  if (cuts.empty()) cuts.push_back({0, 0, 1, 1});
  for (const Rect& cut : cuts) {
    const ui::UniqueRegion piece(CreateRectRgn(cut.Left, cut.Top, cut.Right, cut.Bottom));
    CombineRgn(region.get(), region.get(), piece.get(), RGN_DIFF);
  }
  // The window owns its region once it is set.
  if (SetWindowRgn(entry.Window, region.get(), TRUE)) region.release();
  PaintMenuChrome(entry.Window, entry.Bitmap);
}

ItemSize TsSkinableMenus::EstimatedSize(HMENU menu) const {
  std::vector<ItemSize> columns(1);
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOW info{sizeof(info), MIIM_FTYPE | MIIM_DATA};
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
    if (i > 0 && BreaksColumn(info.fType)) columns.emplace_back();
    const MenuItemRecord* record = records_.Find(info.dwItemData);
    if (!record) continue;
    columns.back().Width = std::max(columns.back().Width, record->Measured.Width);
    columns.back().Height += record->Measured.Height;
  }
  return MenuSizeFromColumns(columns, Metrics.BorderWidth);
}

std::optional<LRESULT> TsSkinableMenus::DrawItem(const DRAWITEMSTRUCT& item) {
  const HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
  const MenuItemRecord* record = records_.Find(item.itemData);
  if (!record || record->Menu != menu || !Skinned()) return std::nullopt;
  const HWND window = WindowFromDC(item.hDC);
  PopupBackground* entry = nullptr;
  POINT offset{};
  if (IsMenuWindow(window)) {
    const SIZE size = WindowSize(window);
    entry = Entry(menu, window);
    const PixelView pixels = entry ? entry->Bitmap.Pixels() : PixelView{};
    if (!entry || pixels.Width != size.cx || pixels.Height != size.cy) {
      entry = &Prepare(menu, window, size.cx, size.cy);
    } else if (!entry->Window) {
      entry->Window = window;
      ApplyRegionAndFrame(*entry);
    }
    offset = ClientOffset(window);
  } else {
    entry = Entry(menu, nullptr);
    if (!entry) {
      const ItemSize size = EstimatedSize(menu);
      entry = &Prepare(menu, nullptr, size.Width, size.Height);
    }
    offset = {entry->FrameWidth, entry->FrameWidth};
    PostItemShown(uint32_t(item.itemData));
  }
  PaintItem(item, *record, *entry, offset);
  return TRUE;
}

void TsSkinableMenus::PaintItem(const DRAWITEMSTRUCT& item, const MenuItemRecord& record,
                                const PopupBackground& entry, POINT offset) {
  const RECT& r = item.rcItem;
  const DibBitmap work = DibBitmap::Make(r.right - r.left, r.bottom - r.top);
  if (work.Pixels().Empty()) return;
  const HMENU menu = reinterpret_cast<HMENU>(item.hwndItem);
  const int position = PositionOfRecord(menu, uint32_t(item.itemData));
  MenuItemLook look;
  look.Caption = record.Caption;
  look.Place = {r.left + offset.x, r.top + offset.y, r.right + offset.x, r.bottom + offset.y};
  look.Selected = item.itemState & ODS_SELECTED;
  look.Checked = item.itemState & ODS_CHECKED;
  look.Disabled = item.itemState & (ODS_DISABLED | ODS_GRAYED);
  look.Default = item.itemState & ODS_DEFAULT;
  look.Hot = item.itemState & ODS_HOTLIGHT;
  look.NoAccelerator = item.itemState & ODS_NOACCEL;
  look.Radio = record.OriginalType & MFT_RADIOCHECK;
  look.RightToLeft = record.OriginalType & MFT_RIGHTORDER;
  look.HasSubmenu = position >= 0 && GetSubMenu(menu, position);
  look.Symbol = record.Kind == PopupKind::SystemMenu ? SymbolOf(record.Command) : 0;
  look.Glyph = {manager_.ScaledValue(kDefaultGlyphSize), manager_.ScaledValue(kDefaultGlyphSize)};
  look.Alignment = Alignment;
  look.ExtraLine = position >= 0 && InFirstColumn(menu, position) ? entry.ExtraLine : 0;
  const MenuSkin skin = Skin();
  const MenuPaintContext context{skin, Metrics, entry.FrameWidth, entry.IconColumn,
                                 entry.Bitmap.Pixels()};
  MenuTextOutput text(work.Dc(), Fonts(), look.Default);
  PaintMenuItem(work.Pixels(), context, look, text);
  if (OnDrawItem) OnDrawItem(work.Pixels(), ItemTypeOf(record.Caption), item.itemState, look.Place);
  GdiFlush();
  BitBlt(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, work.Dc(), 0, 0, SRCCOPY);
  // The item's own arrow is drawn: the platform's must not cover it.
  if (look.HasSubmenu) ExcludeClipRect(item.hDC, r.left, r.top, r.right, r.bottom);
}

void TsSkinableMenus::PostItemShown(uint32_t id) {
  const HWND application = host_.ApplicationHandle();
  if (pendingShown_ || !application) return;
  pendingShown_ = id;
  PostMessageW(application, kPopupItemShown, 0, LPARAM(id));
}

// Only the message this painter posted is taken, and its item is looked up by id: a message
// another process posts, or one whose item went meanwhile, does nothing.
void TsSkinableMenus::ItemShown(LPARAM id) {
  if (!pendingShown_ || ULONG_PTR(id) != pendingShown_) return;
  pendingShown_ = 0;
  const MenuItemRecord* record = records_.Find(ULONG_PTR(id));
  if (!record || !IsMenu(record->Menu)) return;
  RECT first{};
  if (!GetMenuItemRect(nullptr, record->Menu, 0, &first)) return;
  const HWND window =
      WindowFromPoint({(first.left + first.right) / 2, (first.top + first.bottom) / 2});
  if (!IsMenuWindow(window)) return;
  const SIZE size = WindowSize(window);
  Prepare(record->Menu, window, size.cx, size.cy);
}

std::optional<LRESULT> TsSkinableMenus::PopupMessage(UINT message, WPARAM, LPARAM lParam) {
  if (message == kPopupItemShown) {
    ItemShown(lParam);
    return 0;
  }
  if (message == kPopupWindowCreated) {
    const HWND window = reinterpret_cast<HWND>(lParam);
    if (IsMenuWindow(window) && !GetPropW(window, kAdapterProperty)) MenuWindowCreated(window);
    return 0;
  }
  return std::nullopt;
}

void TsSkinableMenus::MenuWindowCreated(HWND window) {
  if (!Skinned()) return;
  std::erase_if(windows_, [](const auto& w) { return w->Gone(); });
  windows_.push_back(std::make_unique<TacMnuWnd>(window, *this));
}

// Every opening prepares its background afresh; the menus still open repaint their frames.
void TsSkinableMenus::MenuWindowDestroyed(HWND window) {
  backgrounds_.clear();
  measured_ = false;
  std::erase_if(windows_, [&](const auto& w) { return w->Handle() == window || w->Gone(); });
  for (const auto& open : windows_)
    RedrawWindow(open->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

}  // namespace velmora::skin
