#pragma once
#include <windows.h>

#include <string_view>

namespace velmora::ui {

// The platform's modal message box. A null caption gives the platform's default caption.
void ShowMessageBox(HWND owner, std::wstring_view text, const wchar_t* caption, UINT style);

}  // namespace velmora::ui
