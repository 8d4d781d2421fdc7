#pragma once
// A platform of the tests' own: files in memory, fixed system colours, recorded message boxes.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "skin/data/skin_platform.h"

namespace velmora::skin::test {

class FakePlatform : public SkinPlatform {
 public:
  std::map<std::string, std::vector<uint8_t>> Files;  // full path -> content
  std::vector<std::pair<std::string, MessageKind>> Messages;
  std::string AppDirectory = "D:\\Apps\\Forest\\";

  uint32_t SystemColourValue(SystemColour colour) override { return 0x100000u + uint32_t(colour); }
  int SystemMetricValue(SystemMetric metric) override {
    return metric == SystemMetric::SizingFrameWidth ? 4 : 17;
  }
  void ShowMessage(std::string_view text, MessageKind kind) override {
    Messages.emplace_back(std::string(text), kind);
  }
  bool FileExists(const std::string& path) override { return Files.contains(path); }
  bool DirectoryExists(const std::string& path) override {
    const std::string prefix = path.ends_with('\\') ? path : path + "\\";
    for (const auto& [name, content] : Files)
      if (name.starts_with(prefix)) return true;
    return false;
  }
  std::optional<std::vector<uint8_t>> ReadFile(const std::string& path, size_t maxBytes) override {
    const auto found = Files.find(path);
    if (found == Files.end() || found->second.size() > maxBytes) return std::nullopt;
    return found->second;
  }
  std::vector<std::string> ListFiles(const std::string& directory) override {
    const std::string prefix = directory.ends_with('\\') ? directory : directory + "\\";
    std::vector<std::string> names;
    for (const auto& [name, content] : Files) {
      if (name.starts_with(prefix) && name.find('\\', prefix.size()) == std::string::npos)
        names.push_back(name.substr(prefix.size()));
    }
    return names;
  }
  std::string ApplicationDirectory() override { return AppDirectory; }
};

}  // namespace velmora::skin::test
