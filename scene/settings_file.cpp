#include "scene/settings_file.h"

#include <algorithm>
#include <limits>

namespace velmora::scene {
namespace {

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();
constexpr std::size_t kMaxHexDigits = 8;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::uint32_t> ParseHex(std::string_view digits) {
  if (digits.empty() || digits.size() > kMaxHexDigits) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    const int digit = HexDigit(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<std::uint32_t>(digit);
  }
  return value;
}

// The magnitude allowed for the sign: one more below zero than above.
std::optional<std::uint32_t> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::uint64_t limit = negative ? 2147483648ULL : 2147483647ULL;
  std::uint64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

const std::array<SettingsLine, kSettingsLineCount> kSettingsLines{{
    {"chk1", 0, 1, "er1"},          {"TrackBar1", 0, 20, "er2"},   {"TrackBar2", -5, 5, "er3"},
    {"trckbr4", -5, 50, "er4"},     {"rb2", kLowest, kHighest, ""},    {"chk2", 0, 1, "er1"},
    {"trckbr1", 0, 20, "er2"},      {"trckbr2", -5, 5, "er3"},     {"trckbr5", -5, 50, "er4"},
    {"rb3", kLowest, kHighest, ""},     {"chk3", 0, 1, "er1"},         {"trckbr3", 0, 20, "er2"},
    {"chk5", 0, 1, "er1"},          {"trckbr6", 0, 20, "er2"},     {"rb5", 0, 1, "er1"},
    {"chk9", 0, 1, "er1"},          {"trckbr10", 0, 20, "er2"},    {"cbb1", 0, 4, "er5"},
    {"chk6", 0, 1, "er1"},          {"trckbr7", 0, 20, "er2"},     {"cbb2", 0, 4, "er5"},
    {"chk4", 0, 1, "er1"},          {"trckbr8", 0, 20, "er2"},     {"RadioButton1", 0, 1, "er1"},
    {"chk7", 0, 1, "er1"},          {"trckbr9", 0, 20, "er2"},     {"chk8", 0, 1, "er1"},
    {"cbb3", 0, 3, "er6"},          {"rb7", 0, 1, "er1"},          {"cbb4", 0, 4, "er5"},
    {"strckbr11", 0, 100, "er7"},   {"chk10", 0, 1, "er1"},        {"rb9", 0, 1, "er1"},
}};

std::optional<std::int32_t> ParseSettingsInteger(std::string_view line) {
  line.remove_prefix(std::min(line.find_first_not_of(' '), line.size()));
  const bool negative = StartsWith(line, "-");
  if (negative || StartsWith(line, "+")) line.remove_prefix(1);
  std::optional<std::uint32_t> magnitude;
  if (StartsWith(line, "0x") || StartsWith(line, "0X")) {
    magnitude = ParseHex(line.substr(2));
  } else if (StartsWith(line, "$") || StartsWith(line, "x") || StartsWith(line, "X")) {
    magnitude = ParseHex(line.substr(1));
  } else {
    magnitude = ParseDecimal(line, negative);
  }
  if (!magnitude) return std::nullopt;
  // Two's complement: a hexadecimal pattern or the lowest decimal value wraps as intended.
  const std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
  return static_cast<std::int32_t>(bits);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end);
    if (StartsWith(text, "\r\n")) {
      text.remove_prefix(2);
    } else if (!text.empty()) {
      text.remove_prefix(1);
    }
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string ReadSettingsLines(const std::vector<std::string>& lines, const ApplySetting& apply) {
  for (std::size_t index = 0; index < lines.size(); ++index) {
    const std::optional<std::int32_t> value = ParseSettingsInteger(lines[index]);
    if (!value) return std::string(kUnreadableMark);
    if (index >= kSettingsLines.size()) continue;
    const SettingsLine& line = kSettingsLines[index];
    if (*value < line.min || *value > line.max) return std::string(line.errorMark);
    apply(index, *value);
  }
  return {};
}

}  // namespace velmora::scene
