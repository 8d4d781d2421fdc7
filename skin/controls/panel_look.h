#pragma once
// The section and caption place of a plain panel under an adapter, from its bevels and border.
#include <cstdint>
#include <string_view>

#include "skin/paint/pixel_view.h"

namespace velmora::skin {

enum class Bevel : uint8_t { None, Lowered, Raised, Space };

struct PanelFrame {
  bool FrameworkPanel = true;  // false: any other container, which shows what lies behind it
  Bevel Outer = Bevel::None, Inner = Bevel::None;
  bool SingleBorder = false;
  int32_t BevelWidth = 1, BorderWidth = 0;
};

// A panel with tag 999 shows no caption.
inline constexpr int32_t kNoCaptionTag = 999;

std::string_view PanelSectionName(const PanelFrame& frame);
// The client rectangle inset by the bevels that are drawn and the border, narrowed to one line
// of text of `textHeight`, vertically centred.
Rect PanelCaptionRect(const Rect& client, const PanelFrame& frame, int32_t textHeight);

}  // namespace velmora::skin
