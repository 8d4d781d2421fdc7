#pragma once
// Text as the probe prints it: JSON strings in UTF-8.
#include <string>

namespace velmora::harness {

// The text as a quoted JSON string, control characters escaped.
std::string JsonString(const wchar_t* text);

}  // namespace velmora::harness
