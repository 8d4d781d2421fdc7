#include "skin/popups/menu_item.h"

#include <algorithm>

namespace velmora::skin {

TsMenuItemType ItemTypeOf(std::wstring_view caption) {
  if (caption == L"-") return TsMenuItemType::smDivider;
  if (caption.size() >= 2 && caption.front() == L'-' && caption.back() == L'-')
    return TsMenuItemType::smCaption;
  return TsMenuItemType::smNormal;
}

std::wstring_view ShownCaption(std::wstring_view caption) {
  if (ItemTypeOf(caption) != TsMenuItemType::smCaption) return caption;
  return caption.substr(1, caption.size() - 2);
}

CaptionParts SplitAtTab(std::wstring_view caption) {
  const size_t tab = caption.find(L'\t');
  if (tab == std::wstring_view::npos) return {caption, {}};
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

ItemSize MeasureMenuItem(const MenuMetrics& m, const MeasureFacts& f) {
  ItemSize size;
  const int32_t columns = 2 * f.Glyph.Width + 3 * m.Margin + m.Spacing;
  switch (f.Type) {
    case TsMenuItemType::smDivider: size = {columns, kDividerHeight}; break;
    case TsMenuItemType::smCaption:
      size = {columns + f.Text.Width, f.Text.Height + 2 * m.Margin + 3};
      break;
    default:
      size = {columns + f.Text.Width, std::max(f.Text.Height, f.Glyph.Height) + 2 * m.Margin + 2};
      break;
  }
  // Without a borders mask the frame is the platform's, which the width already leaves room for.
  if (f.Type != TsMenuItemType::smDivider && !f.MainMenuHasBorders) size.Width -= 2 * m.BorderWidth;
  size.Width += f.ExtraLineWidth;
  return size;
}

}  // namespace velmora::skin
