#include "skin/frame/title_buttons.h"

#include <algorithm>

namespace velmora::skin {
namespace {

constexpr int32_t kMissingButtonSize = 21;
constexpr int32_t kHelpGap = 6;

bool Framed(BorderStyle style) {
  return style == BorderStyle::Single || style == BorderStyle::Sizeable;
}

bool LargeStyle(BorderStyle style) { return Framed(style) || style == BorderStyle::Dialog; }

bool Contains(const Rect& r, int32_t x, int32_t y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

// The automatic icon size follows the room the caption leaves beside the buttons' top.
int32_t AutomaticIconSize(int32_t room) { return room < 48 ? 16 : room <= 64 ? 24 : 32; }

// The maximise and minimise pictures turn into restore pictures in the states they restore from.
int32_t LayoutSlot(const TsTitleButton& button, int32_t index, const TitleForm& form) {
  const bool restore =
      (index == kMaxButton && form.State == WindowState::Maximised) ||
      (index == kMinButton && form.State == WindowState::Minimised && !form.MainForm);
  if (index == kMaxButton) return button.Large ? (restore ? kSlotNorm : kSlotMax)
                                               : (restore ? kSlotSmallNorm : kSlotSmallMax);
  if (index == kMinButton) return button.Large ? (restore ? kSlotNorm : kSlotMin)
                                               : (restore ? kSlotSmallNorm : kSlotSmallMin);
  return button.MaskSlot;
}

int32_t ButtonWidth(const SkinRegistry& skin, int32_t slot) {
  const TsMaskData* mask = TitleButtonMask(skin, slot);
  return mask ? mask->FrameWidth : kMissingButtonSize;
}

}  // namespace

TitleButtonRules ButtonRules(const TitleForm& f) {
  const bool framed = Framed(f.Border), minimised = f.State == WindowState::Minimised;
  TitleButtonRules r{};
  r.CloseShown = f.SystemMenu;
  r.CloseEnabled = f.CloseItemEnabled;
  r.MaxShown = f.SystemMenu && (minimised || f.MdiChild || (framed && f.Maximize));
  r.MaxEnabled = (f.MdiChild || framed) && f.Maximize;
  r.MinShown = f.SystemMenu && (minimised || f.MdiChild || (framed && f.Minimize));
  r.MinEnabled = f.Minimize;
  r.RestoreEnabled = minimised || (f.State != WindowState::Normal && f.Maximize);
  r.HelpShown = f.Help;
  return r;
}

void AssignButtonSlots(TitleButtons& buttons, const TitleForm& form) {
  const TitleButtonRules rules = ButtonRules(form);
  const bool large = LargeStyle(form.Border);
  for (TsTitleButton& b : buttons) b.Large = large;
  buttons[kCloseButton].HitCode = kHitClose;
  buttons[kMaxButton].HitCode = kHitMaximize;
  buttons[kMinButton].HitCode = kHitMinimize;
  buttons[kHelpButton].HitCode = kHitHelp;
  if (large) {
    buttons[kCloseButton].MaskSlot = rules.MaxShown || rules.MinShown ? kSlotClose : kSlotCloseAlone;
    buttons[kMaxButton].MaskSlot = kSlotMax;
    buttons[kMinButton].MaskSlot = kSlotMin;
    buttons[kHelpButton].MaskSlot = kSlotHelp;
  } else {
    buttons[kCloseButton].MaskSlot = kSlotSmallClose;
    buttons[kMaxButton].MaskSlot = kSlotSmallMax;
    buttons[kMinButton].MaskSlot = kSlotSmallMin;
    buttons[kHelpButton].MaskSlot = kSlotSmallHelp;
  }
}

const TsMaskData* TitleButtonMask(const SkinRegistry& skin, int32_t slot) {
  const auto& table = skin.Indexes().TitleButtons;
  if (slot < 0 || size_t(slot) >= table.size()) return nullptr;
  const int32_t mask = table[size_t(slot)];
  return skin.IsValidMaskIndex(mask) ? &skin.Masks()[size_t(mask)] : nullptr;
}

TitleLayout LayoutTitle(TitleButtons& buttons, const TitleForm& form, const TitleMetrics& m,
                        const SkinRegistry& skin) {
  const TsSkinData& common = skin.CommonData();
  const TitleButtonRules rules = ButtonRules(form);
  const bool maximised = form.State == WindowState::Maximised;
  TitleLayout layout;
  layout.CentreLine = m.Caption / 2 + m.Border / 2 + (maximised ? 2 : 0);
  layout.TitleBottom = m.Border + m.Caption;

  const int32_t iconLeft = m.Border + common.TitleButtonLeft;
  if (form.SystemMenu && Framed(form.Border)) {
    const int32_t automatic = AutomaticIconSize(m.Caption - common.TitleButtonTop);
    const int32_t w = m.IconWidth > 0 ? m.IconWidth : automatic;
    const int32_t h = m.IconHeight > 0 ? m.IconHeight : automatic;
    const int32_t top = layout.CentreLine - h / 2;
    layout.IconRect = {iconLeft, top, iconLeft + w, top + h};
  } else {
    layout.IconRect = {iconLeft, layout.CentreLine, iconLeft, layout.CentreLine};
  }

  const std::array<bool, 4> shown = {rules.CloseShown, rules.MaxShown, rules.MinShown,
                                     rules.HelpShown};
  const std::array<bool, 4> enabled = {rules.CloseEnabled,
                                       rules.MaxEnabled || rules.RestoreEnabled,
                                       rules.MinEnabled || form.State == WindowState::Minimised,
                                       true};
  const TsMaskData* close = TitleButtonMask(skin, kSlotClose);
  const int32_t height = close ? close->FrameHeight : kMissingButtonSize;
  int32_t x = m.Width - common.TitleButtonRight - std::max(4, m.Border);
  if (!buttons[kCloseButton].Large) x -= 2;
  layout.ButtonsWidth = common.TitleButtonRight;
  bool first = true;
  for (int32_t i = 0; i < int32_t(buttons.size()); ++i) {
    TsTitleButton& b = buttons[size_t(i)];
    if (i == kHelpButton) x -= kHelpGap;
    if (!shown[size_t(i)]) {
      b.Rect = {};
      continue;
    }
    b.MaskSlot = LayoutSlot(b, i, form);
    b.Disabled = !enabled[size_t(i)];
    const int32_t width = ButtonWidth(skin, b.MaskSlot);
    int32_t top = layout.CentreLine - height / 2;
    if (b.Large && common.TitleButtonVAlign == 1) top = maximised ? m.SizingFrame - 1 : 0;
    b.Rect = {x - width, top, x, top + height};
    x = b.Large ? b.Rect.Left - common.TitleButtonSpace : b.Rect.Left;
    layout.ButtonsWidth += width + (!first && b.Large ? common.TitleButtonSpace : 0);
    first = false;
  }
  return layout;
}

Rect CaptionTextRoom(const TitleLayout& layout, const TitleMetrics& m, const SkinRegistry& skin,
                     bool hasCaptionSection) {
  const int32_t left = m.Border + layout.IconRect.Width() + skin.CommonData().TitleButtonLeft +
                       (hasCaptionSection ? 2 : 0) + 4;
  return {left, layout.CentreLine, m.Width - layout.ButtonsWidth - 12, layout.CentreLine};
}

std::optional<int32_t> TitleHitTest(const TitleButtons& buttons, const TitleLayout& layout,
                                    const TitleForm& form, int32_t x, int32_t y) {
  const TitleButtonRules rules = ButtonRules(form);
  const bool minimised = form.State == WindowState::Minimised;
  for (int32_t i = 0; i < int32_t(buttons.size()); ++i) {
    if (!Contains(buttons[size_t(i)].Rect, x, y)) continue;
    switch (i) {
      case kCloseButton: return rules.CloseEnabled ? kHitClose : kHitCaption;
      case kMaxButton:
        return rules.MaxEnabled || (rules.RestoreEnabled && !minimised) ? kHitMaximize
                                                                         : kHitCaption;
      case kMinButton: return minimised || rules.MinEnabled ? kHitMinimize : kHitCaption;
      default: return kHitHelp;
    }
  }
  if (Contains(layout.IconRect, x, y)) return kHitSystemMenu;
  return std::nullopt;
}

}  // namespace velmora::skin
