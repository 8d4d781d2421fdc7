#include "skin/controls/win32/platform_button.h"

#include "skin/controls/button_paint.h"
#include "skin/controls/win32/control_caption.h"

namespace velmora::skin {
namespace {

// The platform's focus rectangle sits this far inside the button's edge.
constexpr int kFocusInset = 4;

}  // namespace

void DrawPlatformButton(const DRAWITEMSTRUCT& item, const PlatformButtonLook& look) {
  const HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(dc, &face, DFC_BUTTON,
                   DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  if (!look.Caption.empty()) {
    const UINT wrap = look.WordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    const Size2 size = MeasureCaption(dc, look.Font, look.Caption,
                                      width - 2 * look.ContentMargin, wrap | DT_EXPANDTABS);
    Rect place = CentredBlock(width, height, size);
    if (pressed) place = Offset(place, 1, 1);
    RECT text{item.rcItem.left + place.Left, item.rcItem.top + place.Top,
              item.rcItem.left + place.Right, item.rcItem.top + place.Bottom};
    const int saved = SaveDC(dc);
    if (look.Font) SelectObject(dc, look.Font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, look.Caption.c_str(), int(look.Caption.size()), &text,
              DT_CENTER | DT_EXPANDTABS | wrap);
    RestoreDC(dc, saved);
  }
  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -kFocusInset, -kFocusInset);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace velmora::skin
