#pragma once
// A plain label on a skinned container: its text in the skin's label colour and no box of its
// own, so that what lies beneath shows through. Removing the adjustment gives the label its own
// colours and box back.
#include <windows.h>

#include <cstdint>

#include "skin/controls/win32/window_subclass.h"

namespace velmora::skin {

class LabelAdjustment {
 public:
  LabelAdjustment(HWND label, uint32_t colour);
  LabelAdjustment(const LabelAdjustment&) = delete;
  LabelAdjustment& operator=(const LabelAdjustment&) = delete;
  ~LabelAdjustment();

  HWND Handle() const { return label_; }
  // A new skin's label colour; the label is repainted.
  void SetColour(uint32_t colour);
  uint32_t Colour() const { return colour_; }
  bool WindowGone() const { return !subclass_.Installed(); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  void DrawBeneath(HDC dc);
  void Paint();
  void RepaintBeneath();

  HWND label_;
  uint32_t colour_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
