#include "skin/controls/win32/frame_band.h"

#include "ui/win32/handles.h"

namespace velmora::skin {

void CopyFrameBand(HDC windowDc, const DibCache& cache, int width) {
  const PixelView pixels = cache.Pixels();
  if (!windowDc || !cache.Dc() || pixels.Empty()) return;
  const ui::SavedDcState saved(windowDc);
  // Printing may leave the client's clip behind; the band lies outside it.
  SelectClipRgn(windowDc, nullptr);
  ExcludeClipRect(windowDc, width, width, pixels.Width - width, pixels.Height - width);
  BitBlt(windowDc, 0, 0, pixels.Width, pixels.Height, cache.Dc(), 0, 0, SRCCOPY);
}

}  // namespace velmora::skin
