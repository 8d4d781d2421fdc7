#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::skin {

// The options text as a table of sections and key lines. Names are case-sensitive; a repeated
// section or key is kept, but lookups find the first one.
class OptionsText {
 public:
  struct Line {
    std::string Key;    // empty for a line without "="
    std::string Value;
    bool HasKey = false;
  };
  struct Section {
    std::string Name;
    std::vector<Line> Lines;
    std::unordered_map<std::string, size_t> FirstLineOfKey;
  };

  static OptionsText Parse(std::string_view text);

  // Every section line in file order, duplicates included; positions are skin indexes.
  const std::vector<Section>& Sections() const { return sections_; }
  // The first section of that name, or -1.
  int FindSection(std::string_view name) const;
  // The value of the first such key in the first such section, or nullptr.
  const std::string* Find(std::string_view section, std::string_view key) const;
  const std::string* FindIn(int section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t fallback) const;
  double ReadReal(std::string_view section, std::string_view key) const;

 private:
  std::vector<Section> sections_;
  std::unordered_map<std::string, int> firstSection_;
};

std::string_view TrimBlanks(std::string_view text);  // blanks and control characters

}  // namespace velmora::skin
