#pragma once
#include "ui/static_controls.h"
#include "ui/win32/child_view.h"
#include "ui/win32/handles.h"

namespace velmora::ui {

// A label sizes itself to its caption, growing or shrinking from its top left corner, so that
// a font wider than the design's never cuts the text off.
class LabelView : public ChildView {
 public:
  LabelView(Label& label, const ChildPlacement& placement);
  void Refresh() override;

 private:
  void FitCaption() const;
};

class MemoView : public ChildView {
 public:
  MemoView(Memo& memo, const ChildPlacement& placement);
};

// A plain container without a bevel. Its children's notifications go on to the form, which
// knows every control.
class PanelView : public ChildView {
 public:
  PanelView(Panel& panel, const ChildPlacement& placement);
};

// A picture scaled proportionally into the control from its top left corner.
class ImageView : public ChildView {
 public:
  ImageView(Image& image, const ChildPlacement& placement);
  void SetPicture(UniqueBitmap picture);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc) const;

  UniqueBitmap picture_;
};

}  // namespace velmora::ui
