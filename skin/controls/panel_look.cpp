#include "skin/controls/panel_look.h"

namespace velmora::skin {

std::string_view PanelSectionName(const PanelFrame& f) {
  if (!f.FrameworkPanel) return "TRANSPARENT";
  switch (f.Outer) {
    case Bevel::Lowered: return f.Inner == Bevel::Raised ? "GROUPBOX" : "PANEL_LOW";
    case Bevel::Raised: return f.Inner == Bevel::Lowered ? "GROUPBOX" : "PANEL";
    default: return f.SingleBorder ? "PANEL_LOW" : "TRANSPARENT";
  }
}

Rect PanelCaptionRect(const Rect& client, const PanelFrame& f, int32_t textHeight) {
  const int32_t bevels = (f.Outer != Bevel::None) + (f.Inner != Bevel::None);
  const int32_t inset = f.BevelWidth * bevels + f.BorderWidth;
  const Rect inner{client.Left + inset, client.Top + inset, client.Right - inset,
                   client.Bottom - inset};
  const int32_t top = inner.Top + (inner.Height() - textHeight) / 2;
  return {inner.Left, top, inner.Right, top + textHeight};
}

}  // namespace velmora::skin
