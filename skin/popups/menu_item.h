#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::skin {

enum class TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

// "-" is a divider; a caption that begins and ends with "-" is a heading; the rest are normal.
TsMenuItemType ItemTypeOf(std::wstring_view caption);
// A heading's caption without its two dashes; other captions as they are.
std::wstring_view ShownCaption(std::wstring_view caption);

// The part before the first tab and the part after it (the shortcut, drawn right-aligned).
struct CaptionParts {
  std::wstring_view Text, Shortcut;
};
CaptionParts SplitAtTab(std::wstring_view caption);

// Whether a menu shows the extra line: only when asked for and visible, and never for the skin
// selection menu, whose first item is "SkinSelectItem".
inline bool ShowsExtraLine(bool useExtraLine, bool lineVisible, std::wstring_view firstItemName) {
  return useExtraLine && lineVisible && firstItemName != L"SkinSelectItem";
}

// The painter's published sizes.
struct MenuMetrics {
  int32_t Margin = 2;
  int32_t Spacing = 8;
  int32_t BorderWidth = 3;
};

struct ItemSize {
  int32_t Width = 0, Height = 0;
  bool operator==(const ItemSize&) const = default;
};

inline constexpr int32_t kDefaultGlyphSize = 16;
inline constexpr int32_t kDividerHeight = 2;

// What an item's size depends on. Text is the caption (a normal item's with its shortcut right
// after it) as measured with word breaks in a rectangle 800 pixels wide.
struct MeasureFacts {
  TsMenuItemType Type = TsMenuItemType::smNormal;
  ItemSize Text;
  ItemSize Glyph{kDefaultGlyphSize, kDefaultGlyphSize};
  bool MainMenuHasBorders = true;
  int32_t ExtraLineWidth = 0;  // the extra line shown and the item in the first column
};

ItemSize MeasureMenuItem(const MenuMetrics& metrics, const MeasureFacts& facts);

}  // namespace velmora::skin
