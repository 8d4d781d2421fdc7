#pragma once
#include <string>

#include "skin/data/skin_platform.h"

namespace velmora::skin {

// Skin data's platform questions answered by Win32: system colours and metrics, message boxes
// with the application's caption, files, and the executable's folder.
class Win32SkinPlatform : public SkinPlatform {
 public:
  explicit Win32SkinPlatform(std::wstring messageCaption) : caption_(std::move(messageCaption)) {}

  uint32_t SystemColourValue(SystemColour colour) override;
  int SystemMetricValue(SystemMetric metric) override;
  void ShowMessage(std::string_view text, MessageKind kind) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::optional<std::vector<uint8_t>> ReadFile(const std::string& path, size_t maxBytes) override;
  std::vector<std::string> ListFiles(const std::string& directory) override;
  std::string ApplicationDirectory() override;

 private:
  std::wstring caption_;
};

}  // namespace velmora::skin
