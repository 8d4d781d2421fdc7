// The executable's path comes from the platform and may hold anything.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/app_title.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring path;
  for (size_t i = 0; i + 1 < size; i += 2) path += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  const std::wstring title = velmora::ui::ApplicationTitleFromPath(path);
  if (title.size() > path.size()) __builtin_trap();
  return 0;
}
