#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::scene {

// The settings file "n_p_n.ini": one integer per line, in a fixed order, CR LF after each.
constexpr std::string_view kSettingsFileName = "n_p_n.ini";
constexpr std::size_t kSettingsLineCount = 33;

// What one line of the file may hold on load, and the error mark an out-of-range value leaves.
// A line with no mark takes any integer.
struct SettingsLine {
  std::string_view control;
  std::int32_t min;
  std::int32_t max;
  std::string_view errorMark;
};

extern const std::array<SettingsLine, kSettingsLineCount> kSettingsLines;

// The mark of a file that could not be read or holds a line that is not an integer.
constexpr std::string_view kUnreadableMark = "er";

// A line as an integer: after leading blanks, an optional sign, then decimal digits that fit a
// signed 32-bit integer, or at most 8 hexadecimal digits after "$", "x", "X", "0x" or "0X" taken
// as a 32-bit pattern. Nothing may follow.
std::optional<std::int32_t> ParseSettingsInteger(std::string_view line);

// The file's text as lines: CR LF, LF or CR ends a line; a final line end starts no other line.
std::vector<std::string> SplitLines(std::string_view text);
// Lines as the file's text, each ending in CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads the lines in order: converts each, tests lines of the table against their range and
// hands those values to `apply`. Stops at the first fault and returns its mark; returns an
// empty mark when every line was good. Lines past the table are converted but not applied.
using ApplySetting = std::function<void(std::size_t line, std::int32_t value)>;
std::string ReadSettingsLines(const std::vector<std::string>& lines, const ApplySetting& apply);

}  // namespace velmora::scene
