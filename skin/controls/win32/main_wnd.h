#pragma once
// The adapter base: a standard control's window gets skin data and the engine's common handling
// through the platform's subclass chain, and carries the "ACSBSC" mark while adapted. Dropping
// the adapter gives the window back, whatever subclasses came before or after it.
#include <windows.h>

#include <string_view>

#include "skin/controls/win32/skinned_window.h"
#include "skin/controls/win32/window_property.h"

namespace velmora::skin {

class TacMainWnd {
 public:
  // `listIndex`: the class-name list that chose this adapter.
  TacMainWnd(HWND window, ManagerLink* manager, int listIndex);
  TacMainWnd(const TacMainWnd&) = delete;
  TacMainWnd& operator=(const TacMainWnd&) = delete;
  virtual ~TacMainWnd() = default;

  HWND Handle() const { return window_; }
  int ListIndex() const { return listIndex_; }
  TsCommonData& SkinData() { return data_.Data(); }
  // The window went away (its adapter let go of it during its destruction).
  bool Detached() const { return !IsWindow(window_) || data_.Facts().Destroying; }

 protected:
  // For the kinds with an owner kind and default section of their own: both are set before the
  // skin data resolves its section.
  TacMainWnd(HWND window, ManagerLink* manager, int listIndex, uint8_t kind,
             std::string_view section);
  SkinnedWindow& Skinned() { return data_; }

 private:
  HWND window_;
  int listIndex_;
  SkinnedWindow data_;
  WindowProperty mark_;
};

}  // namespace velmora::skin
