#pragma once
// The title band of a skinned frame: its icon, caption and buttons drawn into the frame image,
// the buttons' hot and pressed looks, the clicks turned into window commands, and the engine's
// system menu where the platform would show its own.
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "skin/controls/win32/dib_cache.h"
#include "skin/frame/frame_geometry.h"
#include "skin/frame/title_band.h"
#include "skin/frame/win32/system_menu.h"
#include "skin/frame/win32/title_button_overlay.h"
#include "skin/manager/manager_options.h"
#include "skin/paint/win32/text_output.h"

namespace velmora::skin {

// What the title band asks of its frame.
class TitleOwner {
 public:
  // The frame image, rebuilt first when stale; null while there is none.
  virtual const DibCache* FreshFrameImage() = 0;
  virtual const SkinRegistry* Skin() = 0;
  virtual FrameGeometry Geometry() const = 0;
  virtual bool TitleActive() const = 0;
  // The manager's effect switches; null while the frame has none.
  virtual const TacSkinEffects* Effects() const = 0;

 protected:
  ~TitleOwner() = default;
};

struct TitleSections {
  int32_t Title = -1;    // the title band; its colours paint the caption without a CAPTION
  int32_t Caption = -1;  // "CAPTION", painted behind the caption text
};

class TitleBar {
 public:
  // Call while the window still has its system-menu style: the menu's captions come from it.
  TitleBar(HWND window, TitleOwner& owner);
  TitleBar(const TitleBar&) = delete;
  TitleBar& operator=(const TitleBar&) = delete;

  // Icon, caption and buttons over the freshly composed frame image.
  void DrawTitleBand(const DibCache& cache, TitleSections sections, HFONT font);
  // The band's hit code for a screen point, nullopt where the default answer holds.
  std::optional<LRESULT> TitleHitTest(POINT screen);
  // Mouse and system-command messages of the band; nullopt passes the message on.
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  // The mouse left the form: no button stays hot or pressed.
  void MouseLeft();
  // A new skin or none: the saved background and every state go.
  void Reset();
  // The form leaves the screen: its buttons' looks go with it at once.
  void DropOverlays() { overlays_ = {}; }

 private:
  TitleForm FormFacts() const;
  void Layout(const SkinRegistry& skin, const FrameGeometry& g);
  // Lays the band out for the window as it is now; false while it has no skinned title band.
  bool UpdateLayout();
  void DrawIcon(const DibCache& cache);
  void DrawCaption(const DibCache& cache, const SkinRegistry& skin, TitleSections sections,
                   HFONT font);
  void DrawCaptionGlow(const TextCanvas& canvas, const SkinRegistry& skin, int32_t section,
                       int32_t state, std::wstring_view text, const Rect& rect);
  TsTitleButton* ButtonOf(int32_t code);
  std::optional<int32_t> HitCodeAt(POINT screen);
  void SetHotButton(int32_t code);
  void PressButton(int32_t code);
  void Redraw(const TsTitleButton& button);
  // Hot and pressed looks fade in overlays over a glowing top-level form; else they are drawn
  // into the frame image at once.
  bool Overlaid() const;
  void Fade(const TsTitleButton& button);
  void TrackPress(POINT screen);
  void EndPress();
  std::optional<LRESULT> LeftDown(int32_t code);
  std::optional<LRESULT> LeftUp(POINT screen);
  std::optional<LRESULT> DoubleClick(int32_t code);
  LRESULT ShowSystemMenu(int x, int y);
  LRESULT ShowSystemMenuAtCursor();
  LRESULT ShowSystemMenuUnderIcon(int32_t below);
  // Sends a window command; false when the window (and with it this band) went meanwhile.
  bool SendCommand(UINT command);
  LRESULT Act(int32_t code);

  HWND window_;
  TitleOwner& owner_;
  bool systemMenu_;  // the form's system-menu icon, which the skinned frame hides from the platform
  TsSystemMenu menu_;
  TitleForm form_;
  TitleButtons buttons_;
  TitleMetrics metrics_;
  TitleLayout layout_;
  ButtonsBackground background_;
  std::array<std::unique_ptr<TitleButtonOverlay>, 4> overlays_;  // by button index
  std::array<TextGlowHolder, 2> captionGlows_;                   // inactive, active
  int32_t hotCode_ = 0;
  int32_t pressedCode_ = 0;
  bool pressed_ = false;
  bool capturing_ = false;
  bool rightPressed_ = false;
  // Expires with this band: a command that destroyed the window is not followed by any work.
  std::shared_ptr<bool> life_ = std::make_shared<bool>(true);
};

}  // namespace velmora::skin
