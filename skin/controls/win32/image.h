#pragma once
#include <windows.h>

#include <optional>

#include "skin/controls/image_paint.h"
#include "skin/controls/win32/skinned_window.h"
#include "skin/data/image32.h"
#include "ui/win32/static_views.h"

namespace velmora::skin {

// The window's background picture, laid over what lies behind it with its transparency. It is
// composed only when its cache is stale: a repaint of an unchanged window only copies it.
class TsImage : public ui::ImageView {
 public:
  TsImage(ui::Image& image, const ui::ChildPlacement& placement);

  using ImageView::SetPicture;  // the plain picture, shown while not skinned
  void SetPicture(Image32 picture);
  void SetBlend(int32_t percent);
  TsCommonData& SkinData() { return skinned_.Data(); }
  int32_t Compositions() const { return compositions_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  bool Compose();

  SkinnedWindow skinned_;
  Image32 picture_;
  int32_t blend_ = 0;
  int32_t compositions_ = 0;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
