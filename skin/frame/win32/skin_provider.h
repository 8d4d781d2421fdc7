#pragma once
// The frame component of a form or a system dialog: it paints the title band, the borders and
// the client background from the frame image, answers hit tests, cuts the key-coloured corners
// out of the window region, and gives the window its own frame back when the skin goes.
#include <windows.h>

#include <optional>

#include "skin/animation/win32/skin_change_fade.h"
#include "skin/controls/win32/adapter_registry.h"
#include "skin/controls/win32/skinned_window.h"
#include "skin/controls/win32/window_subclass.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/form_animations.h"
#include "skin/frame/frame_image.h"
#include "skin/frame/win32/min_timer.h"
#include "skin/frame/win32/title_bar.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

class TsSkinProvider : private TitleOwner {
 public:
  enum class Kind { Form, Dialog };

  // What the frame needs of its manager beyond the skin: the class-name lists and whether
  // standard controls get adapters at all.
  struct Adapting {
    const ClassNameLists* Lists = nullptr;
    bool Allowed = true;
    ControlLookup Lookup;
  };

  // The manager's animation switches; without them no window animation plays.
  struct Animations {
    const TacSkinEffects* Effects = nullptr;
    const TacAnimEffects* Settings = nullptr;
  };

  TsSkinProvider(HWND window, ManagerLink* link, Kind kind, Adapting adapting);
  TsSkinProvider(const TsSkinProvider&) = delete;
  TsSkinProvider& operator=(const TsSkinProvider&) = delete;
  ~TsSkinProvider();

  HWND Handle() const { return window_; }
  bool WindowGone() const { return gone_; }
  bool DrawActive() const { return drawActive_; }
  const TacCtrlAdapter* ControlAdapter() const { return adapters_.get(); }
  void SetAnimations(Animations animations) { animations_ = animations; }
  // The form's own switch for its show, hide and skin-change animations.
  bool AllowAnimation() const { return allowAnimation_; }
  void SetAllowAnimation(bool on) { allowAnimation_ = on; }
  // The minimise animation while one exists.
  const TacMinTimer* AnimTimer() const { return animTimer_.get(); }
  // A skin change is coming: a shown form keeps its look over itself (see TacSkinFade).
  void PrepareSkinFade();
  // The form shows the new skin: its old look fades out.
  void EndSkinFade();
  // The last skin change's fade while one was made.
  const TacSkinFade* SkinFade() const { return skinFade_.get(); }
  // Gives the window its own frame, style and region back; painting passes on until a new skin.
  void RemoveSkin();

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  bool Skinned() const;
  FrameGeometry Geometry() const override;
  const DibCache* FreshFrameImage() override;
  const SkinRegistry* Skin() override { return data_.Data().Skin(); }
  bool TitleActive() const override { return drawActive_; }
  const TacSkinEffects* Effects() const override { return animations_.Effects; }
  void Prepare();
  void RemoveSystemMenuStyle();
  bool FrameImageReady();
  void RebuildFrameImage();
  void PaintNonClient();
  bool EraseClient(HDC dc);
  void UpdateRegion();
  LRESULT Activate(WPARAM wParam);
  LRESULT WithoutPlatformCaption(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HitTest(LPARAM lParam);
  void AnswerBackground(TacBgQuery& query);
  std::optional<LRESULT> IconBackground(HDC dc, HWND control);
  void Detach();
  void AdaptControls();
  bool MinimiseAnimated() const;
  LRESULT Minimise(WPARAM wParam, LPARAM lParam);
  void StartRestore();
  void WindowPosChanging(const WINDOWPOS& position);
  std::optional<FormAnimation> HidePlan() const;
  void KeepHideImage();
  void PlayHide();
  LRESULT Close(WPARAM wParam, LPARAM lParam);

  HWND window_;
  Kind kind_;
  ManagerLink* manager_;
  Adapting adapting_;
  bool gone_ = false;
  bool prepared_ = false;
  bool drawActive_ = true;
  bool regionDirty_ = true;
  bool hadSystemMenu_;
  FrameSections sections_;
  int32_t captionIndex_ = -1;
  SkinnedWindow data_;
  ui::UniqueFont captionFont_;
  std::unique_ptr<TacCtrlAdapter> adapters_;
  TitleBar title_;
  Animations animations_;
  bool allowAnimation_ = true;
  std::unique_ptr<TacMinTimer> animTimer_;
  std::unique_ptr<TacSkinFade> skinFade_;
  // The form's look, kept for its hide animation from the close or the hide's start.
  Image32 hideImage_;
  RECT hideRect_{};
  // Last, so that it goes first: no message reaches this object once destruction has begun.
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
