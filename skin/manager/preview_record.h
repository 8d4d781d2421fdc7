#pragma once
// The skin record another process sends by copy-data to have a skin shown at once.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace velmora::skin {

inline constexpr uint32_t kPreviewMarker = 0xA400;
inline constexpr uintptr_t kPreviewCopyDataId = 7;
// Marker, skin name, skin directory and options text, each string zero-terminated in its field.
inline constexpr size_t kPreviewNameBytes = 128;
inline constexpr size_t kPreviewDirectoryBytes = 512;
inline constexpr size_t kPreviewOptionsBytes = 30001;
inline constexpr size_t kPreviewRecordBytes =
    4 + kPreviewNameBytes + kPreviewDirectoryBytes + kPreviewOptionsBytes;

struct PreviewRecord {
  std::string SkinName;
  std::string SkinDirectory;
  std::string Options;
};

// Reads only the bytes that arrived. A record is refused when it lacks the marker, names no
// skin, or has a string that does not end inside its field and the bytes sent; fields that did
// not arrive at all are empty.
std::optional<PreviewRecord> ParsePreviewRecord(std::span<const uint8_t> bytes);

}  // namespace velmora::skin
