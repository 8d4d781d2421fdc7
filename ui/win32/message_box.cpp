#include "ui/win32/message_box.h"

#include <string>

namespace velmora::ui {

void ShowMessageBox(HWND owner, std::wstring_view text, const wchar_t* caption, UINT style) {
  MessageBoxW(owner, std::wstring(text).c_str(), caption, style);
}

}  // namespace velmora::ui
