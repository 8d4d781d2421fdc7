#pragma once
#include <string>
#include <string_view>

namespace velmora::ui {

// The title the platform shows for the application (taskbar entry, captions of plain message
// boxes): the executable's file name up to its first dot, every letter after the first in lower
// case. Lowering covers Latin and Cyrillic letters.
std::wstring ApplicationTitleFromPath(std::wstring_view executablePath);

}  // namespace velmora::ui
