#pragma once
#include <string>
#include <string_view>

namespace velmora::ui {

std::wstring WideFromUtf8(std::string_view utf8);
std::string Utf8FromWide(std::wstring_view wide);
// The system's narrow code page, which the audio engine's paths use.
std::string AnsiFromWide(std::wstring_view wide);

}  // namespace velmora::ui
