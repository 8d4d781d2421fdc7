#pragma once
#include <cstdint>

namespace velmora::skin {

// The engine's one private window message: the command travels in the high word of the first
// parameter, its argument in the second.
inline constexpr uint32_t kEngineMessage = 0xA100;

enum class EngineCommand : uint16_t {
  NewSkin = 1,
  RemoveSkin = 2,
  Refresh = 3,
  StopAnimation = 0x10,
  Repaint = 18,
  MouseEntered = 0x1D,
  MouseLeft = 0x1E,
  GetSkinData = 0x25,
  ScrollOptionsChanged = 0x35,
  SetScale = 0x44,
  GetScale = 0x45,
  LoadSharedSkin = 0x47,
  SkinListActivated = 0x4A,
  SkinListChanged = 0x4B,
};

constexpr uint32_t EngineWParam(EngineCommand command, uint16_t flag = 0) {
  return uint32_t(command) << 16 | flag;
}

// What a hovered control answers to GetSkinData: while MouseOver is set it keeps the hover.
struct HoverAnswer {
  bool MouseOver = false;
};

}  // namespace velmora::skin
