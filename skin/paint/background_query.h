#pragma once
#include <cstdint>

#include "skin/paint/parent_background.h"

namespace velmora::skin {

enum BgKind : uint8_t { kBgNoAnswer = 0, kBgColour = 1, kBgBitmap = 2, kBgDoNotPaint = 3 };

// The record a parent fills when a child asks what lies behind it.
struct TacBgQuery {
  PixelView Bitmap;  // the parent's cache image; outer effects draw into it
  uint32_t Color = 0;
  int32_t OffsetX = 0, OffsetY = 0;
  Rect R;
  int32_t ReadyLeft = 0, ReadyTop = 0, ReadyRight = 0, ReadyBottom = 0;
  uint8_t Kind = kBgNoAnswer;
  bool PleaseDraw = false;
  void* DC = nullptr;  // the platform's device context for PleaseDraw
};

// A parent as the painter sees it: the engine's commands for its background and colour, and the
// fallbacks for a parent that is not handled by the engine.
class BackgroundParent {
 public:
  virtual ~BackgroundParent() = default;
  // The engine's background command; a parent that does not answer leaves Kind at 0.
  virtual void GetBackground(TacBgQuery& query) = 0;
  // Erases and paints the parent into query.DC within query.R.
  virtual void DrawBackground(const TacBgQuery& query) = 0;
  // The engine's colour command; 0 when the parent does not answer.
  virtual uint32_t GetColor() = 0;
  // The parent's own colour (for a bare window: the skin's main colour, or button face).
  virtual uint32_t OwnColor() = 0;
};

// Asks the parent; without an engine answer the parent is drawn (PleaseDraw) or its colour
// answers as Kind 1.
void QueryParentBg(TacBgQuery& query, BackgroundParent& parent, bool pleaseDraw);

// Kind 2 becomes a Ready record from the bitmap; any other answer a record of its colour.
TacParentBg ParentFromQuery(const TacBgQuery& query);

}  // namespace velmora::skin
