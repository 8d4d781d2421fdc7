#pragma once
// The title band's layout: which caption buttons a form shows, with which of the skin's button
// pictures, where they and the icon lie, and what a point over them means.
#include <array>
#include <cstdint>
#include <optional>

#include "skin/data/skin_registry.h"
#include "skin/paint/pixel_view.h"

namespace velmora::skin {

enum class BorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class WindowState { Normal, Minimised, Maximised };

// What the title band needs to know of its form.
struct TitleForm {
  BorderStyle Border = BorderStyle::Single;
  bool SystemMenu = true, Minimize = false, Maximize = false, Help = false;  // the border icons
  WindowState State = WindowState::Normal;
  bool MdiChild = false;
  bool MainForm = true;
  // The platform system menu's close item is not disabled (without such a menu: SystemMenu).
  bool CloseItemEnabled = true;
  bool Enabled = true;
};

struct TitleButtonRules {
  bool CloseShown, CloseEnabled, MaxShown, MaxEnabled, MinShown, MinEnabled, RestoreEnabled,
      HelpShown;
};
TitleButtonRules ButtonRules(const TitleForm& form);

// Hit codes of the standard buttons, and of the other places of the title band.
inline constexpr int32_t kHitCaption = 2, kHitSystemMenu = 3, kHitMinimize = 8,
                         kHitMaximize = 9, kHitClose = 20, kHitHelp = 21;

// Slots of the skin's title-button picture table.
enum TitleButtonSlot : int32_t {
  kSlotCloseAlone = 0, kSlotClose = 1, kSlotMax = 2, kSlotMin = 3, kSlotNorm = 4, kSlotHelp = 5,
  kSlotSmallClose = 6, kSlotSmallMax = 7, kSlotSmallMin = 8, kSlotSmallNorm = 9,
  kSlotSmallHelp = 10
};

struct TsTitleButton {
  int32_t State = 0;  // 0 normal, 1 hot, 2 pressed
  MaskRect Rect{};    // window coordinates; empty when not shown
  int32_t HitCode = 0;
  int32_t MaskSlot = -1;
  bool Large = false;
  bool Disabled = false;
};

// The standard buttons in layout order, right to left.
enum TitleButtonIndex { kCloseButton = 0, kMaxButton = 1, kMinButton = 2, kHelpButton = 3 };
using TitleButtons = std::array<TsTitleButton, 4>;

void AssignButtonSlots(TitleButtons& buttons, const TitleForm& form);

// The frame's measures and the skin's placement values the layout reads.
struct TitleMetrics {
  int32_t Width = 0;    // W, the frame image's width
  int32_t Border = 0;   // b
  int32_t Caption = 0;  // c
  int32_t SizingFrame = 0;  // the platform's sizing-frame width
  int32_t IconWidth = 0, IconHeight = 0;  // the icon's own size; 0 picks one from c
};

struct TitleLayout {
  int32_t CentreLine = 0;
  int32_t TitleBottom = 0;
  Rect IconRect{};
  int32_t ButtonsWidth = 0;  // the room the buttons take at the right, BIRIGHT included
};

// Lays the icon and every shown button out; buttons not shown get an empty rectangle.
TitleLayout LayoutTitle(TitleButtons& buttons, const TitleForm& form, const TitleMetrics& metrics,
                        const SkinRegistry& skin);

// The mask behind a slot, or null when the skin has none for it.
const TsMaskData* TitleButtonMask(const SkinRegistry& skin, int32_t slot);

// Where the caption's text may go, for left or right alignment; its height comes later.
Rect CaptionTextRoom(const TitleLayout& layout, const TitleMetrics& metrics,
                     const SkinRegistry& skin, bool hasCaptionSection);

// The title band's answer for a point in window coordinates; nullopt leaves it to the default.
std::optional<int32_t> TitleHitTest(const TitleButtons& buttons, const TitleLayout& layout,
                                    const TitleForm& form, int32_t x, int32_t y);

}  // namespace velmora::skin
