#pragma once
#include <windows.h>

#include "skin/controls/win32/window_property.h"
#include "skin/manager/command_receivers.h"

namespace velmora::skin {

// Marks a window as carrying skin data for as long as this lives: the "ACSDATA" property, and
// the process's own record of it through which commands take the fast path.
class SkinDataMark {
 public:
  SkinDataMark(HWND window, EngineFastPath* data);
  SkinDataMark(const SkinDataMark&) = delete;
  SkinDataMark& operator=(const SkinDataMark&) = delete;
  ~SkinDataMark() { Release(); }

  void Release();

 private:
  HWND window_;
  EngineFastPath* data_;
  WindowProperty property_;
};

}  // namespace velmora::skin
