#include "skingen/sections.h"

#include <algorithm>

#include "skingen/palette.h"

namespace skingen {
namespace {

using namespace colours;

std::string Bgr(Rgba c) { return ColourValue(c); }

// An opaque colour in the signed 0xAARRGGBB form the button colour keys take.
std::string Argb(Rgba c) {
  return std::to_string(int32_t(0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b));
}

StateLook Plain(Rgba colour, Rgba font) { return {colour, font}; }
StateLook Clear(Rgba font, Rgba colour = kGroundDark) { return {colour, font, 100}; }
StateLook Ramp(Rgba top, Rgba bottom, Rgba font) {
  return {bottom, font, 0, std::pair{top, bottom}};
}
StateLook Ground(Rgba font) { return {kGroundDark, font, 0, std::nullopt, true}; }

SectionLook Child(std::string name, std::string parent) {
  return {std::move(name), std::move(parent)};
}

std::vector<std::pair<std::string, std::string>> GlobalKeys() {
  return {
      {"MASTERBITMAP", "MASTER.BMP"},
      {"VERSION", "10.25"},
      {"AUTHOR", "Velmora"},
      {"DESCRIPTION", "A forest clearing at night, seen through dark green glass"},
      {"BORDERWIDTH", "3"},
      {"TITLEHEIGHT", "30"},
      {"BILEFT", "4"},
      {"BIRIGHT", "2"},
      {"BITOP", "0"},
      {"BISPACE", "-1"},
      {"BIVALIGN", "0"},
      {"COMBOMARGIN", "2"},
      {"SLIDERMARGIN", "1"},
      {"ARROWSTYLE", "0"},
      {"SHADOW1COLOR", "0"},
      {"SHADOW1OFFSET", "0"},
      {"SHADOW1BLUR", "-1"},
      {"SHADOW1TRANSPARENCY", "0"},
      {"FADINGENABLED", "1"},
      {"FADINGITERATIONS", "5"},
      {"COLOR", Bgr(kGroundDark)},
      {"FONTCOLOR", Bgr(kText)},
      {"BORDERCOLOR", Bgr(kFrameOuter)},
      {"GRIDLINE", Bgr(kGridLine)},
      {"EDITTEXT_OK", Bgr(kAccentHot)},
      {"EDITTEXT_WARN", Bgr(Hex(0xE3C86F))},
      {"EDITTEXT_ALERT", Bgr(Hex(0xEE8B7A))},
      {"EDITBG_OK", Bgr(Hex(0x174A34))},
      {"EDITBG_WARN", Bgr(Hex(0x4A4319))},
      {"EDITBG_ALERT", Bgr(Hex(0x4E211B))},
      {"EDITTEXT_H1", Bgr(kAccentHot)},
      {"EDITTEXT_H2", Bgr(kAccent)},
      {"EDITTEXT_H3", Bgr(kTextInactive)},
      {"EDITTEXT_INV", Bgr(kFieldFace)},
      {"EDITBG_INV", Bgr(kText)},
      {"EDITBG_ODD", Bgr(kFieldFace)},
      {"EDITBG_EVEN", Bgr(Hex(0x12362A))},
      {"BTNCOLOR1ACTIVE", Argb(kFaceHotTop)},
      {"BTNCOLOR2ACTIVE", Argb(kFaceHotBottom)},
      {"BTNBORDERACTIVE", Bgr(kControlBorderHot)},
      {"BTNFONTACTIVE", Bgr(kTextBright)},
      {"BTNCOLOR1NORMAL", Argb(kFaceTop)},
      {"BTNCOLOR2NORMAL", Argb(kFaceBottom)},
      {"BTNBORDERNORMAL", Bgr(kControlBorder)},
      {"BTNFONTNORMAL", Bgr(kText)},
      {"BTNCOLOR1PRESSED", Argb(kFacePressedTop)},
      {"BTNCOLOR2PRESSED", Argb(kFacePressedBottom)},
      {"BTNBORDERPRESSED", Bgr(kControlBorderPressed)},
      {"BTNFONTPRESSED", Bgr(kText)},
  };
}

}  // namespace

std::vector<SectionLook> SkinSections() {
  const StateLook face = Ramp(kFaceTop, kFaceBottom, kText);
  const StateLook faceHot = Ramp(kFaceHotTop, kFaceHotBottom, kTextBright);
  const StateLook facePressed = Ramp(kFacePressedTop, kFacePressedBottom, kText);
  const std::string texture = kTextureName;
  return {
      {"GLOBALINFO", "", 0, {}, GlobalKeys()},
      // The window: the ground texture under the photograph, a two-pixel frame, the title band.
      {"FORM",
       "",
       2,
       {Ground(kText), Ground(kText)},
       {{"PATTERN", texture}, {"HOTPATTERN", texture}}},
      {"FORMTITLE",
       "",
       2,
       {Ramp(kTitleInactiveTop, kTitleInactiveBottom, kTextInactive),
        Ramp(kTitleTop, kTitleBottom, kText)}},
      {"FORMHEADER",
       "",
       2,
       {Plain(kTitleInactiveBottom, kTextInactive), Plain(kTitleBottom, kText)}},
      Child("DIALOG", "FORM"),
      Child("DIALOGTITLE", "FORMTITLE"),
      {"MDIAREA", "", 1, {Plain(kGroundDark, kText)}},
      // Controls drawn over the ground: transparent where only a glyph and a caption are shown.
      {"CHECKBOX", "", 3, {Clear(kText), Clear(kTextBright)}},
      {"TRANSPARENT", "", 1, {Clear(kText)}},
      {"TRACKBAR", "", 3, {Clear(kText), Clear(kText)}},
      {"BUTTON", "", 3, {face, faceHot, facePressed}},
      {"EDIT", "", 2, {Plain(kFieldFace, kText), Plain(kFieldFaceHot, kTextBright)}},
      Child("COMBOBOX", "EDIT"),
      Child("COMBONOEDIT", "EDIT"),
      Child("ALPHAEDIT", "EDIT"),
      Child("ALPHACOMBOBOX", "EDIT"),
      {"COMBOBTN",
       "",
       3,
       {Clear(kText, kFieldFace), {kFaceHotTop, kTextBright, 40}, Plain(kFacePressedTop, kText)}},
      {"SELECTION", "", 2, {Plain(kSelection, kTextBright), Plain(kSelection, kTextBright)}},
      // The popup menu.
      {"MAINMENU", "", 1, {Plain(kMenuGround, kText)}},
      {"MENUITEM", "", 2, {Clear(kText, kMenuGround), Plain(kMenuSelected, kTextBright)}},
      {"MENUCAPTION", "", 1, {Plain(kMenuIconColumn, kAccentHot)}},
      {"ICOLINE", "", 1, {Plain(kMenuIconColumn, kText)}},
      {"EXTRALINE", "", 1, {Ramp(kTitleBottom, kTitleTop, kAccentHot)}},
      {"DIVIDERV", "", 1, {Plain(kGridLine, kText)}},
      Child("DIVIDER", "DIVIDERV"),
      {"MENULINE", "", 1, {Plain(kTitleBottom, kText)}},
      Child("HINT", "MAINMENU"),
      // Panels and bars.
      {"PANEL", "BUTTON", 1, {face}},
      {"PANEL_LOW", "EDIT", 1, {Plain(kGroundDark, kText)}},
      {"GROUPBOX", "PANEL_LOW", 1, {Clear(kText)}},
      {"TOOLBAR", "", 1, {Ramp(kTitleBottom, kTitleTop, kText)}},
      Child("STATUSBAR", "TOOLBAR"),
      Child("BAR", "TOOLBAR"),
      Child("BARPANEL", "TOOLBAR"),
      Child("BARTITLE", "FORMHEADER"),
      Child("DRAGBAR", "FORMHEADER"),
      {"SPLITTER", "", 2, {Clear(kText), Plain(kGridLine, kText)}},
      Child("GRIPH", "SPLITTER"),
      Child("GRIPV", "SPLITTER"),
      {"GAUGE", "PANEL_LOW", 1, {Plain(kChannel, kText)}},
      {"PROGRESSH", "BUTTON", 1, {Ramp(kAccent, kAccentPressed, kFieldFace)}},
      Child("PROGRESSV", "PROGRESSH"),
      {"SLIDER_OFF", "PANEL_LOW", 1, {Plain(kChannel, kTextInactive)}},
      {"SLIDER_ON", "BUTTON", 1, {Ramp(kAccent, kAccentPressed, kFieldFace)}},
      // Buttons of other kinds take the push button's look.
      Child("SPEEDBUTTON", "BUTTON"),
      Child("SPEEDBUTTON_SMALL", "BUTTON"),
      Child("TOOLBUTTON", "BUTTON"),
      Child("WEBBUTTON", "BUTTON"),
      Child("BUTTON_HUGE", "BUTTON"),
      Child("UPDOWNBTN", "BUTTON"),
      Child("COLHEADER", "BUTTON"),
      // Pages and tabs.
      Child("PAGECONTROL", "PANEL"),
      Child("TABSHEET", "PANEL"),
      {"TABTOP", "BUTTON", 0, {}, {{"TABSCOVERING", "0"}}},
      Child("TABBOTTOM", "BUTTON"),
      Child("TABLEFT", "BUTTON"),
      Child("TABRIGHT", "BUTTON"),
      {"RIBBONTAB", "BUTTON", 0, {}, {{"TABSCOVERING", "0"}}},
      // Scroll bars.
      Child("SCROLLBAR1H", "PANEL_LOW"),
      Child("SCROLLBAR1V", "PANEL_LOW"),
      Child("SCROLLBAR2H", "PANEL_LOW"),
      Child("SCROLLBAR2V", "PANEL_LOW"),
      Child("SCROLLBTNLEFT", "BUTTON"),
      Child("SCROLLBTNTOP", "BUTTON"),
      Child("SCROLLBTNRIGHT", "BUTTON"),
      Child("SCROLLBTNBOTTOM", "BUTTON"),
      Child("SCROLLSLIDERH", "BUTTON"),
      Child("SCROLLSLIDERV", "BUTTON"),
  };
}

std::string ColourValue(Rgba c) {
  return std::to_string(uint32_t(c.b) << 16 | uint32_t(c.g) << 8 | c.r);
}

std::optional<StateLook> ResolveLook(const std::vector<SectionLook>& sections,
                                     const std::string& name, int state) {
  const auto found = std::find_if(sections.begin(), sections.end(),
                                  [&](const SectionLook& s) { return s.Name == name; });
  if (found == sections.end()) return std::nullopt;
  const int states = ResolveStates(sections, name);
  if (!found->Looks.empty()) {
    const int shown = std::min(state, states - 1);
    return found->Looks[size_t(std::min(shown, int(found->Looks.size()) - 1))];
  }
  if (found->Parent.empty()) return std::nullopt;
  return ResolveLook(sections, found->Parent, state);
}

int ResolveStates(const std::vector<SectionLook>& sections, const std::string& name) {
  const auto found = std::find_if(sections.begin(), sections.end(),
                                  [&](const SectionLook& s) { return s.Name == name; });
  if (found == sections.end()) return 1;
  if (found->States > 0) return found->States;
  return found->Parent.empty() ? 3 : ResolveStates(sections, found->Parent);
}

}  // namespace skingen
