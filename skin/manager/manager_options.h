#pragma once
// The manager's option objects, each with the values it has when created.
#include <cstdint>
#include <string>

namespace velmora::skin {

struct TacSkinEffects {
  bool AllowAnimation = true;
  bool AllowAeroBluring = true;
  bool AllowGlowing = true;
  bool AllowOuterEffects = true;
  bool DiscoloredGlyphs = false;
};

enum class TacAnimType { atFading, atAero, atDropDown };

struct TacBlendOnMoving {
  bool Active = false;
  int Time = 1000;
  int BlendValue = 170;
};

enum TacButtonEvent : uint8_t {
  beMouseEnter = 1,
  beMouseLeave = 2,
  beMouseDown = 4,
  beMouseUp = 8,
};

struct TacButtonsAnimation {
  uint8_t Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

struct TacFormAnimation {
  bool Active = true;
  int Time = 0;
  TacAnimType Mode = TacAnimType::atAero;
};

struct TacTimedAnimation {
  bool Active = true;
  int Time = 0;
};

struct TacSkinChangingAnimation {
  bool Active = true;
  int Time = 100;
  TacAnimType Mode = TacAnimType::atFading;
};

// Times are milliseconds.
struct TacAnimEffects {
  TacBlendOnMoving BlendOnMoving;
  TacButtonsAnimation Buttons;
  TacFormAnimation DialogShow, FormShow, FormHide, DialogHide;
  TacTimedAnimation Minimizing{true, 120};
  TacTimedAnimation PageChange;
  TacSkinChangingAnimation SkinChanging;
};

enum class TacScaleMode { sm100, sm125, sm150, sm200, smAuto, smOldMode };
enum class TacArrowsStyle { arsSolid1, arsLines1, arsSolid2, arsLines2, arsDefault };
enum class TacOptimizingPriority { opSpeed, opMemory };

struct TacOptions {
  bool NoMouseHover = false;
  bool StdGlyphsOrder = false;
  bool ChangeSysColors = false;
  bool CheckEmptyAlpha = false;
  bool StdImgTransparency = false;
  bool NativeBordersMaximized = false;
  TacScaleMode ScaleMode = TacScaleMode::smOldMode;
  TacArrowsStyle ArrowsStyle = TacArrowsStyle::arsDefault;  // the skin's ARROWSTYLE
  TacOptimizingPriority OptimizingPriority = TacOptimizingPriority::opSpeed;
};

// -1: the platform's metric.
struct TacScrollBarsSupport {
  int ButtonsSize = -1;
  int ScrollSize = -1;
};

struct TacButtonsSupport {
  bool ShowFocusRect = true;
  bool ShiftContentOnClick = true;
};

struct TacLabelsSupport {
  bool TransparentAlways = true;
};

struct TacMenuFont {
  std::string Name;
  int Height = 0;
};

struct TacMenuSupport {
  int AlphaBlend = 255;
  int ExtraLineWidth = 32;
  std::string IcoLineSkin;  // "ICOLINE" once loaded when left empty
  bool CustomFont = false;
  bool UseExtraLine = false;
  TacMenuFont Font, ExtraLineFont;
};

enum TacSkinsFilter : uint8_t { sfiInternal = 1, sfiExternal = 2 };
enum TacSkinningRule : uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };

}  // namespace velmora::skin
