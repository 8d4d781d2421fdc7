#include "app/win32/stored_skin.h"

#include <windows.h>

#include "app/win32/resource_ids.h"
#include "ui/win32/bitmap.h"

namespace velmora::app {

std::span<const std::uint8_t> StoredSkinPackage() {
  return ui::ResourceBytes(VELMORA_STORED_SKIN, RT_RCDATA);
}

}  // namespace velmora::app
