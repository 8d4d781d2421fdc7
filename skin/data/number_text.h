#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::skin {

// Integers as skins write them: "-" and decimal digits (within 32 bits), "$" or "0x" and up to
// eight hexadecimal digits (taken as the 32-bit pattern).
std::optional<int32_t> ParseInt32(std::string_view text);
// A decimal 64-bit integer, optionally negative.
std::optional<int64_t> ParseInt64(std::string_view text);
// Digits with "." as the decimal separator, whatever the user's locale; nullopt when invalid.
std::optional<double> ParseReal(std::string_view text);

// The same, for fields that must hold a number: they throw SkinError naming the text.
int32_t RequireInt32(std::string_view text);
int64_t RequireInt64(std::string_view text);

std::string UpperCase(std::string_view text);  // ASCII letters only, as names in skins are
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace velmora::skin
