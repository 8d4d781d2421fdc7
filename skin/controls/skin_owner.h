#pragma once
// What the skin data asks of its owner and of its skin manager. The platform layer answers for
// windows; tests answer with fakes.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "skin/animation/threaded_timer.h"
#include "skin/manager/command_receivers.h"
#include "skin/manager/manager_options.h"
#include "skin/paint/background_query.h"

namespace velmora::skin {

class SkinRegistry;
class HoverTarget;

inline EngineMessage Message(EngineCommand command, intptr_t argument = 0, uint16_t flag = 0) {
  return EngineMessage{command, argument, flag};
}

// The skin manager as the skin data sees it.
class ManagerLink {
 public:
  virtual const SkinRegistry* Registry() const = 0;  // nullptr while no skin is held
  virtual bool Active() const = 0;
  virtual bool BeingDestroyed() const = 0;
  virtual const TacOptions& Options() const = 0;
  virtual const TacSkinEffects& Effects() const = 0;
  virtual const TacButtonsSupport& ButtonsOptions() const = 0;
  // The argument the manager's broadcasts carry, by which receivers know their own manager.
  virtual intptr_t Identity() const = 0;
  // The manager's hover tracking: the window under the pointer, and one that goes away.
  virtual void SetHoveredWindow(HoverTarget*) {}
  virtual void ForgetHover(const HoverTarget*) {}

 protected:
  ~ManagerLink() = default;
};

// The owner's condition at the moment of asking.
struct OwnerFacts {
  bool IsControl = true;        // false for a form provider or a raw window
  bool IsWindowControl = true;  // a control with (or to have) a window of its own
  bool IsFormProvider = false;
  bool HasWindow = true;
  bool HasParent = true;        // a parent control (for a raw window: a parent window)
  bool Loading = false;         // being read from its definition or created
  bool Destroying = false;
  bool Enabled = true;
  bool Visible = true;
  bool CanFocus = true;
  bool IsPanel = false;
  Rect Bounds;                  // in the parent's client area
  uint32_t Colour = 0xFF00000F;  // the owner's own colour; button face by default
  uint32_t FontColour = 0xFF000012;
};

// A cache image: 32-bit, straight alpha; on the desktop a device-independent section that text
// can be drawn into as well.
class CacheSurface {
 public:
  virtual ~CacheSurface() = default;
  virtual PixelView Pixels() const = 0;
  virtual void Resize(int32_t width, int32_t height) = 0;  // 0 x 0 empties it
};
using CacheFactory = std::function<std::unique_ptr<CacheSurface>()>;

// The window a control's glow shows in: borderless, layered, letting the mouse through, never
// activated; released with this object.
class GlowWindow {
 public:
  virtual ~GlowWindow() = default;
  // Pushes the image (straight alpha) with the constant alpha, its top-left at the screen point.
  virtual void UpdateLayer(const SourceView& image, uint8_t alpha, int32_t left, int32_t top) = 0;
};

class SkinOwner {
 public:
  virtual OwnerFacts Facts() const = 0;
  // Asked apart from the facts: on some platforms it costs a round trip to the window server.
  virtual bool HasKeyboardFocus() const = 0;
  // The owner's whole message handling for a command to itself (it calls the default handling
  // for what it does not answer itself).
  virtual intptr_t SendToSelf(const EngineMessage& message) = 0;
  // To the parent (control or window); 0 without one.
  virtual intptr_t SendToParent(const EngineMessage& message) = 0;
  virtual bool ParentEngineHandled() const = 0;
  virtual uint32_t ParentColour() const = 0;
  // The parent's answer to what lies under the owner, with the fallbacks for parents that do not
  // answer; Kind 0 without a parent.
  virtual void QueryParent(TacBgQuery& query, bool pleaseDraw) = 0;
  // To every child (windowed and not) that is not being destroyed.
  virtual void SendToChildren(const EngineMessage& message) = 0;
  // Invalidate, erase, frame and all children; update at once when asked.
  virtual void Redraw(bool updateNow) = 0;
  // Invalidate the window and its children without erasing.
  virtual void InvalidateAll() = 0;
  virtual void RepaintFrame() = 0;
  virtual void RecomputeFrame() = 0;
  virtual void SetColours(uint32_t colour, uint32_t fontColour) = 0;
  // The window class's background brush: the skin's palette brush, or button face.
  virtual void UseSkinBrush(bool skinned) = 0;
  virtual std::unique_ptr<CacheSurface> MakeCache() = 0;
  // For a query that asks to be drawn: copies the cache part at (OffsetX, OffsetY) of the size of
  // R to query.DC at R, or fills R with a colour.
  virtual void DrawCacheInto(const TacBgQuery& query) = 0;
  virtual void FillQueryDc(const TacBgQuery& query, uint32_t colour) = 0;
  // The owning object's class name: the section of kinds without a default of their own.
  virtual std::string ClassName() const = 0;
  // Copies an image on to the owner's window at (0, 0), outside its paint cycle: a fade's step.
  virtual void ShowImage(const SourceView& image) = 0;
  // The platform's timers, for the owner's fade timer.
  virtual TimerCarriers Timers() = 0;
  // The owner's window rectangle on the screen; nullopt without a window.
  virtual std::optional<Rect> ScreenBounds() const = 0;
  // A glow can be shown now: layered windows are available and no window holds the mouse.
  virtual bool GlowPossible() const = 0;
  // A hidden glow window that will show directly above the owner's top-level window in the window
  // order (topmost when that window is); nullptr when none can be made.
  virtual std::unique_ptr<GlowWindow> MakeGlowWindow() = 0;

 protected:
  ~SkinOwner() = default;
};

}  // namespace velmora::skin
