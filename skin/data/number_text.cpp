#include "skin/data/number_text.h"

#include "skin/data/skin_error.h"

namespace velmora::skin {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<uint64_t> ParseDigits(std::string_view digits, int base, uint64_t max) {
  if (digits.empty()) return std::nullopt;
  uint64_t value = 0;
  for (const char c : digits) {
    const int d = HexDigit(c);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * uint64_t(base) + uint64_t(d);
    if (value > max) return std::nullopt;
  }
  return value;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

}  // namespace

std::optional<int32_t> ParseInt32(std::string_view text) {
  std::optional<uint64_t> hex;
  if (text.starts_with('$'))
    hex = ParseDigits(text.substr(1), 16, 0xFFFFFFFFu);
  else if (text.size() > 2 && (text.starts_with("0x") || text.starts_with("0X")))
    hex = ParseDigits(text.substr(2), 16, 0xFFFFFFFFu);
  else {
    const bool negative = text.starts_with('-');
    const auto magnitude =
        ParseDigits(text.substr(negative ? 1 : 0), 10, negative ? 0x80000000u : 0x7FFFFFFFu);
    if (!magnitude) return std::nullopt;
    return static_cast<int32_t>(negative ? -int64_t(*magnitude) : int64_t(*magnitude));
  }
  if (!hex) return std::nullopt;
  return static_cast<int32_t>(static_cast<uint32_t>(*hex));
}

std::optional<int64_t> ParseInt64(std::string_view text) {
  const bool negative = text.starts_with('-');
  const auto magnitude = ParseDigits(text.substr(negative ? 1 : 0), 10,
                                     negative ? 0x8000000000000000u : 0x7FFFFFFFFFFFFFFFu);
  if (!magnitude) return std::nullopt;
  return negative ? static_cast<int64_t>(0 - *magnitude) : static_cast<int64_t>(*magnitude);
}

std::optional<double> ParseReal(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  double value = 0, scale = 1;
  for (const char c : whole) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  for (const char c : fraction) {
    if (c < '0' || c > '9') return std::nullopt;
    value += (c - '0') * (scale /= 10);
  }
  return negative ? -value : value;
}

int32_t RequireInt32(std::string_view text) {
  if (const auto value = ParseInt32(text)) return *value;
  throw SkinError("\"" + std::string(text) + "\" is not a valid integer value");
}

int64_t RequireInt64(std::string_view text) {
  if (const auto value = ParseInt64(text)) return *value;
  throw SkinError("\"" + std::string(text) + "\" is not a valid integer value");
}

std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = Upper(c);
  return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

}  // namespace velmora::skin
