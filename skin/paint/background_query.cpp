#include "skin/paint/background_query.h"

namespace velmora::skin {

void QueryParentBg(TacBgQuery& query, BackgroundParent& parent, bool pleaseDraw) {
  query.Bitmap = {};
  query.Kind = kBgNoAnswer;
  query.PleaseDraw = pleaseDraw;
  query.ReadyLeft = query.ReadyTop = query.ReadyRight = query.ReadyBottom = 0;
  parent.GetBackground(query);
  if (query.Kind != kBgNoAnswer) return;
  if (pleaseDraw) {
    parent.DrawBackground(query);
    return;
  }
  query.Kind = kBgColour;
  const uint32_t answered = parent.GetColor();
  query.Color = answered != 0 ? answered : ResolveColour(parent.OwnColor());
}

TacParentBg ParentFromQuery(const TacBgQuery& query) {
  if (query.Kind == kBgBitmap) return ParentFromBitmap(query.Bitmap, query.OffsetX, query.OffsetY);
  TacParentBg p;
  p.Bitmap = query.Bitmap;
  p.OffsetX = query.OffsetX, p.OffsetY = query.OffsetY;
  p.FillColor = ResolveColour(query.Color);
  p.ReadyLeft = query.ReadyLeft, p.ReadyTop = query.ReadyTop;
  p.ReadyRight = query.ReadyRight, p.ReadyBottom = query.ReadyBottom;
  return p;
}

}  // namespace velmora::skin
