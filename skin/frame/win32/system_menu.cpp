#include "skin/frame/win32/system_menu.h"

#include "skin/popups/win32/skinable_menus.h"

namespace velmora::skin {
namespace {

constexpr UINT kFirstSystemCommand = 0xF000, kLastSystemCommand = 0xF1FF;

std::wstring MenuString(HMENU menu, UINT item, UINT by) {
  wchar_t text[256] = {};
  GetMenuStringW(menu, item, text, 256, by);
  return text;
}

bool Framed(BorderStyle style) {
  return style == BorderStyle::Single || style == BorderStyle::Sizeable;
}

}  // namespace

TsSystemMenu::TsSystemMenu(HWND window)
    : window_(window), platform_(GetSystemMenu(window, FALSE)), menu_(CreatePopupMenu()) {
  if (!platform_) return;
  const int count = GetMenuItemCount(platform_);
  for (int i = 0; i < count; ++i) {
    const UINT command = GetMenuItemID(platform_, i);
    if (command == UINT(-1) || command == 0) continue;  // submenus and separators
    if (command < kFirstSystemCommand || command > kLastSystemCommand)
      platformItems_.push_back({command, MenuString(platform_, UINT(i), MF_BYPOSITION)});
  }
}

bool TsSystemMenu::CloseItemEnabled(bool systemMenu) const {
  if (!platform_ || !IsMenu(platform_)) return systemMenu;
  const UINT state = GetMenuState(platform_, SC_CLOSE, MF_BYCOMMAND);
  return state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

// The platform's caption of a command, shortcut after its tab included; ours when it has none.
std::wstring TsSystemMenu::Caption(UINT command, const wchar_t* fallback) const {
  std::wstring text = platform_ && IsMenu(platform_)
                          ? MenuString(platform_, command, MF_BYCOMMAND)
                          : std::wstring();
  return text.empty() ? fallback : text;
}

void TsSystemMenu::Append(UINT command, const wchar_t* fallback, bool enabled) {
  AppendMenuW(menu_.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), command,
              Caption(command, fallback).c_str());
}

// A platform menu has no hidden items: items that are not visible are left out.
void TsSystemMenu::UpdateSystemMenu(const TitleForm& form) {
  if (!menu_) return;
  while (GetMenuItemCount(menu_.get()) > 0) DeleteMenu(menu_.get(), 0, MF_BYPOSITION);
  const TitleButtonRules rules = ButtonRules(form);
  const bool minimised = form.State == WindowState::Minimised;
  const bool maximised = form.State == WindowState::Maximised;
  if (form.SystemMenu && (form.MdiChild || Framed(form.Border)))
    Append(SC_RESTORE, L"Restore", rules.RestoreEnabled);
  Append(SC_MOVE, L"Move", !maximised);
  const bool sizeShown = form.MdiChild || (form.Border != BorderStyle::None &&
                                           form.Border != BorderStyle::Dialog &&
                                           form.Border != BorderStyle::ToolWindow);
  if (sizeShown) Append(SC_SIZE, L"Size", form.Border != BorderStyle::Single && !minimised);
  if (rules.MinShown) Append(SC_MINIMIZE, L"Minimize", rules.MinEnabled);
  if (rules.MaxShown) Append(SC_MAXIMIZE, L"Maximize", rules.MaxEnabled);
  AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
  for (const Item& item : platformItems_)
    AppendMenuW(menu_.get(), MF_STRING, item.Command, item.Caption.c_str());
  if (!platformItems_.empty()) AppendMenuW(menu_.get(), MF_SEPARATOR, 0, nullptr);
  const bool closeItem = !platform_ || !IsMenu(platform_) ||
                         GetMenuState(platform_, SC_CLOSE, MF_BYCOMMAND) != UINT(-1);
  if (form.SystemMenu && closeItem) Append(SC_CLOSE, L"Close", form.CloseItemEnabled);
}

// The skinned popup painter prepares the menu's items before it shows; a skinned menu opens
// without the platform's animation, which would show it unpainted.
UINT TsSystemMenu::PreparePopup() {
  TsSkinableMenus* menus = TsSkinableMenus::Default();
  if (!menus) return 0;
  menus->PrepareMenu(menu_.get(), window_, PopupKind::SystemMenu);
  return TPM_NOANIMATION;
}

UINT TsSystemMenu::ShowSystemMenu(const TitleForm& form, int x, int y) {
  UpdateSystemMenu(form);
  if (!menu_) return 0;
  const UINT flags = PreparePopup();
  return UINT(TrackPopupMenu(menu_.get(), flags | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD |
                                              TPM_RIGHTBUTTON | TPM_NONOTIFY,
                             x, y, 0, window_, nullptr));
}

}  // namespace velmora::skin
