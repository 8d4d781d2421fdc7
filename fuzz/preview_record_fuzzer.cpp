// A skin record by copy-data comes from any process on the desktop and may hold anything.
#include <cstddef>
#include <cstdint>
#include <span>

#include "skin/manager/preview_record.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora::skin;
  const auto record = ParsePreviewRecord(std::span<const uint8_t>(data, size));
  if (!record) return 0;
  // An accepted record had the marker, and every string fits its field.
  if (size < 4 || data[0] != 0x00 || data[1] != 0xA4 || data[2] != 0 || data[3] != 0)
    __builtin_trap();
  if (record->SkinName.empty() || record->SkinName.size() >= kPreviewNameBytes ||
      record->SkinDirectory.size() >= kPreviewDirectoryBytes ||
      record->Options.size() >= kPreviewOptionsBytes) {
    __builtin_trap();
  }
  return 0;
}
