#include "skin/data/options_text.h"

#include "skin/data/number_text.h"

namespace velmora::skin {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Calls take(line) for each line ended by CR LF, LF or CR.
template <typename Take>
void ForEachLine(std::string_view text, Take take) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    take(text.substr(start, end - start));
    start = end + 1;
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
  }
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

OptionsText OptionsText::Parse(std::string_view text) {
  OptionsText options;
  ForEachLine(text, [&](std::string_view raw) {
    const std::string_view line = TrimBlanks(raw);
    if (line.empty() || line.front() == ';') return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      options.AddSection(std::string(TrimBlanks(line.substr(1, line.size() - 2))));
      return;
    }
    if (options.sections_.empty()) return;
    Section& section = options.sections_.back();
    Line& entry = section.Lines.emplace_back();
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
      entry.Value = line;
      return;
    }
    entry.HasKey = true;
    entry.Key = TrimBlanks(line.substr(0, equals));
    entry.Value = TrimBlanks(line.substr(equals + 1));
    section.FirstLineOfKey.try_emplace(entry.Key, section.Lines.size() - 1);
  });
  return options;
}

OptionsText::Section& OptionsText::AddSection(std::string name) {
  Section& section = sections_.emplace_back();
  section.Name = std::move(name);
  firstSection_.try_emplace(section.Name, int(sections_.size() - 1));
  return section;
}

OptionsText OptionsText::Overlaid(const OptionsText& over) const {
  OptionsText merged = *this;
  for (const Section& top : over.sections_) {
    if (top.Name == "GLOBALINFO") continue;
    const int existing = merged.FindSection(top.Name);
    Section& target =
        existing >= 0 ? merged.sections_[size_t(existing)] : merged.AddSection(top.Name);
    std::vector<Line> lines = top.Lines;
    lines.insert(lines.end(), target.Lines.begin(), target.Lines.end());
    target.Lines = std::move(lines);
    target.FirstLineOfKey.clear();
    for (size_t i = 0; i < target.Lines.size(); ++i) {
      if (target.Lines[i].HasKey) target.FirstLineOfKey.try_emplace(target.Lines[i].Key, i);
    }
  }
  return merged;
}

int OptionsText::FindSection(std::string_view name) const {
  const auto found = firstSection_.find(name);
  return found == firstSection_.end() ? -1 : found->second;
}

const std::string* OptionsText::FindIn(int section, std::string_view key) const {
  if (section < 0 || size_t(section) >= sections_.size()) return nullptr;
  const Section& s = sections_[size_t(section)];
  const auto found = s.FirstLineOfKey.find(key);
  return found == s.FirstLineOfKey.end() ? nullptr : &s.Lines[found->second].Value;
}

const std::string* OptionsText::Find(std::string_view section, std::string_view key) const {
  return FindIn(FindSection(section), key);
}

std::string OptionsText::ReadString(std::string_view section, std::string_view key,
                                    std::string_view fallback) const {
  const std::string* value = Find(section, key);
  return value ? *value : std::string(fallback);
}

int32_t OptionsText::ReadInteger(std::string_view section, std::string_view key,
                                 int32_t fallback) const {
  const std::string* value = Find(section, key);
  if (!value) return fallback;
  return ParseInt32(*value).value_or(fallback);
}

double OptionsText::ReadReal(std::string_view section, std::string_view key) const {
  const std::string* value = Find(section, key);
  return value ? ParseReal(*value).value_or(0.0) : 0.0;
}

}  // namespace velmora::skin
