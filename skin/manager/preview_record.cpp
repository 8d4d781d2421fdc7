#include "skin/manager/preview_record.h"

#include <algorithm>

namespace velmora::skin {
namespace {

// The string of one field: empty when the field lies past the data; nullopt when its
// terminator is neither inside the field nor inside the data.
std::optional<std::string> FieldString(std::span<const uint8_t> bytes, size_t offset,
                                       size_t size) {
  if (offset >= bytes.size()) return std::string();
  const auto field = bytes.subspan(offset, std::min(size, bytes.size() - offset));
  const auto end = std::find(field.begin(), field.end(), uint8_t{0});
  if (end == field.end()) return std::nullopt;
  return std::string(field.begin(), end);
}

}  // namespace

std::optional<PreviewRecord> ParsePreviewRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() < 4) return std::nullopt;
  const uint32_t marker = uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                          uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
  if (marker != kPreviewMarker) return std::nullopt;
  bytes = bytes.first(std::min(bytes.size(), kPreviewRecordBytes));
  constexpr size_t kNameAt = 4;
  constexpr size_t kDirectoryAt = kNameAt + kPreviewNameBytes;
  constexpr size_t kOptionsAt = kDirectoryAt + kPreviewDirectoryBytes;
  auto name = FieldString(bytes, kNameAt, kPreviewNameBytes);
  auto directory = FieldString(bytes, kDirectoryAt, kPreviewDirectoryBytes);
  auto options = FieldString(bytes, kOptionsAt, kPreviewOptionsBytes);
  if (!name || name->empty() || !directory || !options) return std::nullopt;
  return PreviewRecord{std::move(*name), std::move(*directory), std::move(*options)};
}

}  // namespace velmora::skin
