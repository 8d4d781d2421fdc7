#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace velmora::skin {

// Lets the tables be searched with string views, without building a string per lookup.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};
template <typename Value>
using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

// The options text as a table of sections and key lines. Names are case-sensitive; a repeated
// section or key is kept, but lookups find the first one.
class OptionsText {
 public:
  struct Line {
    std::string Key;  // empty for a line without "="
    std::string Value;
    bool HasKey = false;
  };
  struct Section {
    std::string Name;
    std::vector<Line> Lines;
    TextMap<size_t> FirstLineOfKey;
  };

  static OptionsText Parse(std::string_view text);

  // This text with another laid over it: a section of both takes the other's lines first, so
  // its values win and this one's fill the gaps; the other's new sections are appended.
  // The other's GLOBALINFO is left out.
  OptionsText Overlaid(const OptionsText& over) const;

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
  Section& AddSection(std::string name);

  std::vector<Section> sections_;
  TextMap<int> firstSection_;
};

std::string_view TrimBlanks(std::string_view text);  // blanks and control characters

}  // namespace velmora::skin
