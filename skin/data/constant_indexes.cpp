#include "skin/data/constant_indexes.h"

namespace velmora::skin {

const std::array<const char*, kCommonSectionCount> kCommonSectionNames = {
    "MENUITEM",    "CHECKBOX",    "SPEEDBUTTON", "SPEEDBUTTON_SMALL",
    "TOOLBUTTON",  "TRANSPARENT", "GROUPBOX",    "DIVIDER",
    "WEBBUTTON",   "BUTTON",      "COMBONOEDIT", "BUTTON_HUGE",
    "TOOLBAR",     "EDIT",        "GAUGE",       "SELECTION",
    "STATUSBAR",   "PANEL",       "PANEL_LOW",   "TRACKBAR",
    "PROGRESSV",   "DRAGBAR",     "GRIPH",       "GRIPV",
    "PROGRESSH",   "TABSHEET",    "UPDOWNBTN",   "COMBOBOX",
    "CAPTION",     "MAINMENU",    "SPLITTER",    "COMBOBTN",
    "FORMTITLE",   "HINT",        "DIVIDERV",    "PAGECONTROL",
    "TABTOP",      "BARPANEL",    "BARTITLE",    "MENUCAPTION",
    "DIALOGTITLE", "MENUBTN",     "MENULINE",    "FORMHEADER",
    "TB_BTN",      "TB_MENUBTN",  "TB_TAB",      "COLHEADER",
    "COLHEADERA",  "COLHEADERL",  "COLHEADERR",  "SLIDER_OFF",
    "SLIDER_ON"};

const std::array<const char*, 16> kTabSectionNames = {
    "TABLEFTFIRST",  "TABTOPFIRST",  "TABRIGHTFIRST",  "TABBOTTOMFIRST",
    "TABLEFTLAST",   "TABTOPLAST",   "TABRIGHTLAST",   "TABBOTTOMLAST",
    "TABLEFTMIDDLE", "TABTOPMIDDLE", "TABRIGHTMIDDLE", "TABBOTTOMMIDDLE",
    "TABLEFT",       "TABTOP",       "TABRIGHT",       "TABBOTTOM"};

const std::array<const char*, 5> kGlowButtonNames = {"BICLOSEALONE", "BICONCLOSE", "BICONMAX",
                                                     "BICONMIN", "BICONNORM"};

const std::array<const char*, 12> kTitleButtonNames = {
    "BICLOSEALONE", "BICONCLOSE", "BICONMAX", "BICONMIN",  "BICONNORM", "BICONHELP",
    "SICONCLOSE",   "SICONMAX",   "SICONMIN", "SICONNORM", "SICONHELP", "TITLEBUTTON"};

}  // namespace velmora::skin
