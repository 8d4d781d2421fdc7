#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "skin/manager/win32/import_patch.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

class TsSkinManager;

// While it lives, the program's and the standard controls' system colour, system brush and pen
// queries are answered from the manager's skin. A brush is made once per colour number and
// colour, and kept until the redirection ends: callers never free system brushes and may
// still hold one when the skin changes.
class SystemColourRedirection {
 public:
  explicit SystemColourRedirection(const TsSkinManager& manager);
  SystemColourRedirection(const SystemColourRedirection&) = delete;
  SystemColourRedirection& operator=(const SystemColourRedirection&) = delete;
  ~SystemColourRedirection();

  DWORD Colour(int index) const;
  HBRUSH Brush(int index);
  HPEN Pen(int style, int width, COLORREF colour) const;

 private:
  const TsSkinManager& manager_;
  std::map<std::pair<int, COLORREF>, ui::UniqueHandle<HBRUSH, DeleteObject>> brushes_;
  std::vector<std::unique_ptr<ImportPatch>> patches_;
};

}  // namespace velmora::skin
