#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::skin {

// The platform's system colour numbers the skin data asks for.
enum class SystemColour : int {
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  Window = 5,
  WindowText = 8,
  InactiveBorder = 11,
  InfoText = 23,
  InfoBackground = 24,
};

enum class SystemMetric : int { VerticalScrollWidth = 2, SizingFrameWidth = 32 };

enum class MessageKind { Error, Information, Warning };

// What skin data needs from the platform. The program implements it with the platform's calls;
// tests implement it themselves. Paths use "\" and are UTF-8.
class SkinPlatform {
 public:
  virtual ~SkinPlatform() = default;
  virtual uint32_t SystemColourValue(SystemColour colour) = 0;  // 0x00BBGGRR
  virtual int SystemMetricValue(SystemMetric metric) = 0;
  virtual void ShowMessage(std::string_view text, MessageKind kind) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // The whole file, or nullopt when it cannot be read or is larger than maxBytes.
  virtual std::optional<std::vector<uint8_t>> ReadFile(const std::string& path,
                                                       size_t maxBytes) = 0;
  // Names of the plain files (not folders) in a directory.
  virtual std::vector<std::string> ListFiles(const std::string& directory) = 0;
  virtual std::string ApplicationDirectory() = 0;  // with a trailing "\"
};

}  // namespace velmora::skin
