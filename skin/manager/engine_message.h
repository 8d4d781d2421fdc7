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
  GetProvider = 4,
  PaintPending = 5,
  ParentUpdated = 6,
  IsHandled = 7,
  SetUpdating = 8,
  DefaultSectionIndex = 9,
  IsPreparing = 10,
  GetPartlyVisible = 11,
  GetAdapter = 12,
  RepaintIfSection = 13,
  MenuQuery = 14,
  SetSection = 15,
  StopAnimation = 16,
  MarkStale = 17,
  Repaint = 18,
  HasOwnSurface = 19,
  BackgroundMoved = 20,
  GetColor = 21,
  SetPartlyVisible = 22,
  PrepareCache = 23,
  ShowImage = 24,
  AdaptChildren = 25,
  ReportSectionIndex = 26,
  CaptionQuery = 27,
  MouseEntered = 29,
  MouseLeft = 30,
  BeginUpdateNotify = 31,
  EndUpdateNotify = 32,
  ReleaseCache = 33,
  GetBackground = 34,
  GetSkinData = 37,
  SetAllowedDC = 38,
  PaintOuterEffect = 40,
  RedrawLockOn = 51,
  RedrawLockOff = 52,
  ScrollOptionsChanged = 53,
  GetApplication = 60,
  GetClientOffset = 61,
  GetSectionUnder = 66,
  SetScale = 68,
  GetScale = 69,
  GetBounds = 70,
  LoadSharedSkin = 71,
  SkinListActivated = 74,
  SkinListChanged = 75,
};

// Commands whose argument points into the sender's memory. They are meant for the user-interface
// thread alone; another process may send the message number with any argument.
constexpr bool CarriesPointer(EngineCommand command) {
  switch (command) {
    case EngineCommand::RepaintIfSection:
    case EngineCommand::SetSection:
    case EngineCommand::ShowImage:
    case EngineCommand::ReportSectionIndex:
    case EngineCommand::GetBackground:
    case EngineCommand::PaintOuterEffect:
    case EngineCommand::GetSectionUnder:
    case EngineCommand::GetBounds: return true;
    default: return false;
  }
}

constexpr uint32_t EngineWParam(EngineCommand command, uint16_t flag = 0) {
  return uint32_t(command) << 16 | flag;
}

// What a hovered control answers to GetSkinData: while MouseOver is set it keeps the hover.
struct HoverAnswer {
  bool MouseOver = false;
};

}  // namespace velmora::skin
