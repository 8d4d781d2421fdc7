#pragma once
#include <string>
#include <string_view>

namespace velmora::ui {

std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace velmora::ui
