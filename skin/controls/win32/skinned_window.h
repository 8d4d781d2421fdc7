#pragma once
// Skin data on a window: the window's messages pass through the skin data before its own
// procedure, and while this lives the window carries the "ACSDATA" property.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "skin/controls/common_data.h"
#include "skin/controls/win32/skin_data_mark.h"
#include "skin/controls/win32/window_subclass.h"
#include "skin/manager/hover_tracking.h"

namespace velmora::skin {

// A parent window as the painter's background query sees it.
class WindowParent : public BackgroundParent {
 public:
  explicit WindowParent(HWND window) : window_(window) {}
  void GetBackground(TacBgQuery& query) override;
  void DrawBackground(const TacBgQuery& query) override;
  uint32_t GetColor() override;
  uint32_t OwnColor() override { return 0xFF00000F; }  // button face

 private:
  HWND window_;
};

class SkinnedWindow : public SkinOwner, private HoverTarget {
 public:
  SkinnedWindow(HWND window, ManagerLink* manager, uint8_t kind, bool cacheWanted);
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;
  ~SkinnedWindow();

  TsCommonData& Data() { return data_; }
  HWND Handle() const { return window_; }
  // The owner kind's own answers, asked before the default handling; nullopt passes on.
  std::function<std::optional<intptr_t>(const EngineMessage&)> OwnCommands;
  // The pointer over the window makes it the manager's hovered window, which is told when the
  // pointer enters and leaves (owners that follow the pointer themselves leave this off).
  bool HoverThroughManager = false;
  // Runs when the window is destroyed, after the skin data let go of it: marks of the owner's own
  // go with the window too.
  std::function<void()> OnWindowGone;
  // Copies the cache from `source` on to the device context within `clip`, in one block, leaving
  // out the rectangles of the visible child windows. Nothing while the cache is empty.
  void CopyCacheToDC(HDC dc, POINT source, const RECT& clip) const;

  OwnerFacts Facts() const override;
  bool HasKeyboardFocus() const override;
  intptr_t SendToSelf(const EngineMessage& message) override;
  intptr_t SendToParent(const EngineMessage& message) override;
  bool ParentEngineHandled() const override;
  uint32_t ParentColour() const override;
  void QueryParent(TacBgQuery& query, bool pleaseDraw) override;
  void SendToChildren(const EngineMessage& message) override;
  void Redraw(bool updateNow) override;
  void InvalidateAll() override;
  void RepaintFrame() override;
  void RecomputeFrame() override;
  void SetColours(uint32_t colour, uint32_t fontColour) override;
  void UseSkinBrush(bool) override {}
  std::unique_ptr<CacheSurface> MakeCache() override;
  void DrawCacheInto(const TacBgQuery& query) override;
  void FillQueryDc(const TacBgQuery& query, uint32_t colour) override;
  std::string ClassName() const override;
  void ShowImage(const SourceView& image) override;
  TimerCarriers Timers() override;
  std::optional<Rect> ScreenBounds() const override;
  bool GlowPossible() const override;
  std::unique_ptr<GlowWindow> MakeGlowWindow() override;
  // While a fade runs, its current image is what the window shows: true when it was painted.
  bool PaintFadeImage(HDC dc) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  bool PointerInside() const;
  void Detach();
  // HoverTarget.
  bool CursorInside() const override { return PointerInside(); }
  bool IsAncestorOf(const HoverTarget& other) const override;
  bool BeingDestroyed() const override { return windowGone_; }
  bool KeepsHover() override { return data_.MouseOver; }
  void Deliver(EngineCommand command, intptr_t argument) override;

  HWND window_;
  bool windowGone_ = false;
  WNDPROC savedProcedure_ = nullptr;
  uint32_t colour_ = 0xFF00000F, fontColour_ = 0xFF000012;
  TsCommonData data_;
  WindowSubclass subclass_;
  // Last, so that it goes first: no command may reach this object through the mark once its
  // destruction has begun.
  SkinDataMark mark_;
};

}  // namespace velmora::skin
