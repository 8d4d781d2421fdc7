#pragma once
#include <string>

namespace velmora::ui {

// The full path of the running program's executable.
std::wstring ExecutablePath();
// Its folder, without a trailing separator.
std::wstring ExecutableFolder();

}  // namespace velmora::ui
