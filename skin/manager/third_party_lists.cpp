#include "skin/manager/third_party_lists.h"

#include <algorithm>

namespace velmora::skin {

const std::array<std::string_view, kThirdPartyKinds> kThirdPartyProperties = {
    "ThirdEdits",       "ThirdButtons",     "ThirdBitBtns",       "ThirdCheckBoxes",
    "ThirdComboBoxes",  "ThirdGrids",       "ThirdGroupBoxes",    "ThirdListViews",
    "ThirdPanels",      "ThirdTreeViews",   "ThirdWWEdits",       "ThirdGridEh",
    "ThirdVirtualTrees", "ThirdPageControl", "ThirdTabControl",   "ThirdToolBar",
    "ThirdStatusBar",   "ThirdSpeedButton", "ThirdScrollControl", "ThirdUpDown",
    "ThirdScrollBar",   "ThirdStaticText",  "ThirdNativePaint"};

const std::array<std::string_view, kThirdPartyKinds> kThirdPartyKindNames = {
    "Edit",        "Button",     "BitBtn",     "CheckBox",      "ComboBox",    "Grid",
    "GroupBox",    "ListView",   "Panel",      "TreeView",      "wwEdit",      "GridEh",
    "VirtualTree", "PageControl", "TabControl", "ToolBar",      "StatusBar",   "SpeedButton",
    "ScrollControl", "UpDownBtn", "ScrollBar",  "StaticText",   "NativePaint"};

namespace {

constexpr size_t kButtons = 1;

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find_first_of("\r\n");
    lines.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + (text.substr(end, 2) == "\r\n" ? 2 : 1));
  }
  return lines;
}

}  // namespace

void FillThirdPartyDefaults(TsThirdPartyList& lists) {
  for (size_t i = 0; i < kThirdPartyKinds; ++i) {
    if (lists.Texts[i].empty()) lists.Texts[i] = i == kButtons ? "TButton" : " ";
  }
}

ClassNameLists LoadClassNameLists(const TsThirdPartyList& lists) {
  ClassNameLists loaded;
  for (size_t i = 0; i < kThirdPartyKinds; ++i) loaded[i] = Lines(lists.Texts[i]);
  return loaded;
}

int KindOfClass(const ClassNameLists& lists, std::string_view className) {
  for (size_t i = 0; i < kThirdPartyKinds; ++i) {
    if (std::find(lists[i].begin(), lists[i].end(), className) != lists[i].end()) return int(i);
  }
  return -1;
}

}  // namespace velmora::skin
