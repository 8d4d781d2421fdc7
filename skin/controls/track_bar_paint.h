#pragma once
// The slider's cache image: its section over the parent, the channel, the tick marks and the
// thumb, from the geometry the platform's slider reports.
#include <cstdint>
#include <vector>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

class SkinRegistry;

enum class TickStyle : uint8_t { tsNone, tsAuto, tsManual };
enum class TickMarks : uint8_t { tmBottomRight, tmTopLeft, tmBoth };

// A horizontal slider's parts as the platform places them, in cache coordinates.
struct TrackBarGeometry {
  Rect Channel;
  Rect Thumb;
  int32_t TickCount = 0;                // the platform's, first and last included
  std::vector<int32_t> ManualTicks;     // pixel places of ticks 2 to n − 1 (tsManual)
  TickStyle Ticks = TickStyle::tsAuto;
  TickMarks Marks = TickMarks::tmBottomRight;
};

// The channel centred across the client height and the thumb, thumbLength high, centred on it;
// the platform's places along the bar are kept. The platform's own places across the bar differ
// from one implementation to another and leave the skin's thumb no room in a low control.
void CentreAcross(TrackBarGeometry& g, int32_t clientHeight, int32_t thumbLength);

// The slider's masks in its section; -1 where the skin has none.
struct TrackBarMasks {
  int32_t Channel = -1, Thumb = -1, Tick = -1, Progress = -1;
};
TrackBarMasks ResolveTrackBarMasks(const SkinRegistry& skin, int32_t sectionIndex);

// The channel narrowed to the mask's frame height, centred, one pixel in at each end.
Rect SkinnedChannel(const Rect& channel, int32_t maskFrameHeight);
// The x of every tick; tickMaskWidth < 0 without a tick mask.
std::vector<int32_t> TickPositions(const TrackBarGeometry& g, int32_t tickMaskWidth);
// The rows ticks start on: below and above the channel (-1 where there are none).
struct TickRows {
  int32_t Below = -1, Above = -1;
};
TickRows TickRowsOf(const TrackBarGeometry& g);

struct TrackBarRange {
  int32_t Min = 0, Max = 10, Position = 0, ProgressFrom = 0;
};
// The progress part's pixel run inside a channel of the given width, from its left end.
struct Span {
  int32_t From = 0, To = 0;
};
Span ProgressSpan(int32_t width, const TrackBarRange& range);

struct TrackBarLook {
  int32_t SectionIndex = -1;
  int32_t State = 0;       // the control's state: 0 normal, 1 hot
  int32_t ThumbState = 0;  // 2 while the left button holds the thumb
  TrackBarMasks Masks;
  bool ShowProgress = false;
  bool FocusFrame = false;  // focused and asked to show it
  TrackBarRange Range;
};

// Paints the whole cache: section over `parent`, then channel, ticks, thumb and the focus frame
// (one pixel inside the top and bottom edges, in the hot state's font colour).
void PaintTrackBar(const PixelView& cache, const SkinRegistry& skin, const TrackBarLook& look,
                   const TrackBarGeometry& g, const TacParentBg& parent);

}  // namespace velmora::skin
