#pragma once
// The attachment registry of one frame: it walks a container's windows and gives every window
// control whose class stands in one of the manager's class-name lists an adapter, and every
// plain label the skin's label colour. Freeing it gives every window back.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/controls/win32/label_adjustment.h"
#include "skin/controls/win32/main_wnd.h"
#include "skin/manager/third_party_lists.h"

namespace velmora::skin {

// What the registry needs to know of a window control.
struct ControlFacts {
  std::string ClassName;  // the framework's class name
  int32_t Tag = 0;
};
// nullopt for a window that is no control of the application.
using ControlLookup = std::function<std::optional<ControlFacts>(HWND window)>;

inline constexpr std::string_view kLabelClass = "TLabel";

class TacCtrlAdapter {
 public:
  // `lists`: the manager's class-name lists, which outlive the registry.
  TacCtrlAdapter(ManagerLink* link, const ClassNameLists& lists, ControlLookup lookup);
  TacCtrlAdapter(const TacCtrlAdapter&) = delete;
  TacCtrlAdapter& operator=(const TacCtrlAdapter&) = delete;
  ~TacCtrlAdapter() { FreeAllItems(); }

  // The walk: every window inside the container, at any depth.
  void AddAllItems(HWND container);
  // Adapts one window control; nothing when it is engine-handled already or no list has it.
  void AddItem(HWND window, const ControlFacts& facts);
  // Drops the adapters whose windows went away.
  void PurgeItems();
  void FreeAllItems();
  // A new skin's label colour on every adjusted label.
  void RecolourLabels();

  const TacMainWnd* AdapterOf(HWND window) const;
  const LabelAdjustment* LabelOf(HWND window) const;
  size_t Count() const { return items_.size(); }

 private:
  void Walk(HWND container);
  void AdjustLabel(HWND label);
  uint32_t LabelColour() const;

  ManagerLink* link_;
  const ClassNameLists& lists_;
  ControlLookup lookup_;
  bool walking_ = false;
  std::vector<std::unique_ptr<TacMainWnd>> items_;
  std::vector<std::unique_ptr<LabelAdjustment>> labels_;
};

// Whether the window carries skin data or an adapter, or says it is handled by the engine.
bool EngineHandledWindow(HWND window);

}  // namespace velmora::skin
