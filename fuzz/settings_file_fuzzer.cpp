// The settings file lies beside the program and may hold anything.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <string>
#include <string_view>

#include "scene/settings_file.h"

namespace {

bool IsDocumentedMark(const std::string& mark) {
  if (mark.empty() || mark == velmora::scene::kUnreadableMark) return true;
  for (const velmora::scene::SettingsLine& line : velmora::scene::kSettingsLines) {
    if (!line.errorMark.empty() && mark == line.errorMark) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::scene;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto lines = SplitLines(text);
  std::size_t expectedLine = 0;
  const std::string mark = ReadSettingsLines(lines, [&](std::size_t line, std::int32_t value) {
    // Lines come in order, only from the table, and only within their range.
    if (line != expectedLine++ || line >= kSettingsLineCount) __builtin_trap();
    if (value < kSettingsLines[line].min || value > kSettingsLines[line].max) __builtin_trap();
  });
  if (!IsDocumentedMark(mark)) __builtin_trap();
  if (mark.empty() && expectedLine != std::min(lines.size(), kSettingsLineCount)) __builtin_trap();
  // A file of what was read writes back as the same lines.
  if (SplitLines(JoinLines(lines)) != lines) __builtin_trap();
  return 0;
}
