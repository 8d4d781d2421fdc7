#include "skin/controls/win32/adapter_painting.h"

#include <commctrl.h>

#include "skin/controls/state_fade.h"
#include "skin/controls/win32/dib_cache.h"

namespace velmora::skin {

POINT PositionInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  POINT corner{r.left, r.top};
  ScreenToClient(GetParent(window), &corner);
  return corner;
}

HFONT ControlFont(HWND window) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LRESULT WithRedrawOff(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool visible = IsWindowVisible(window);
  if (visible) SendMessageW(window, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  if (visible) SendMessageW(window, WM_SETREDRAW, TRUE, 0);
  return result;
}

void ShowPointerOver(HWND window, TsCommonData& data) {
  const ManagerLink* manager = data.SkinManager();
  if (data.MouseOver || !IsWindowEnabled(window) || (manager && manager->Options().NoMouseHover))
    return;
  data.MouseOver = true;
  data.CacheStale = data.Updating = false;
  StartStateFade(data, kFadeToHot, nullptr, true, false, true);
}

void ShowPointerLeft(TsCommonData& data, bool glow) {
  if (!data.MouseOver) return;
  data.MouseOver = data.Updating = data.CacheStale = false;
  StartStateFade(data, kFadeToNormal, nullptr, glow, false, true);
}

void CopyCache(HDC dc, const TsCommonData& data) {
  if (data.CacheEmpty()) return;
  const auto& cache = static_cast<const DibCache&>(*data.Cache());
  const PixelView pixels = cache.Pixels();
  BitBlt(dc, 0, 0, pixels.Width, pixels.Height, cache.Dc(), 0, 0, SRCCOPY);
}

}  // namespace velmora::skin
