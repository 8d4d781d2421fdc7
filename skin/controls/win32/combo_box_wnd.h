#pragma once
// The combo box adapter: the frame band and the button from the skin, the owner-drawn items of
// the list and of the edit field, and the drop-down list's own adapter. Opening, selection,
// closing and the keyboard stay with the platform's combo box.
#include <windows.h>

#include <memory>

#include "skin/controls/win32/combo_list_wnd.h"
#include "skin/controls/win32/main_wnd.h"
#include "ui/win32/handles.h"

namespace velmora::skin {

class TacComboBoxWnd : public TacMainWnd {
 public:
  TacComboBoxWnd(HWND window, ManagerLink* manager, int listIndex);
  ~TacComboBoxWnd() override;

  // The button in the combo's window coordinates.
  Rect ButtonRect() const;
  HWND ListWindow() const { return state_.ListWindow; }
  const TacComboListWnd* ListAdapter() const { return state_.ListAdapter.get(); }
  // The brush the list's colour request is answered with; null before the first request.
  HBRUSH ListBrush() const { return state_.ListBrush.get(); }

 private:
  struct State {
    HWND ListWindow = nullptr;  // learned from the first list colour request
    std::unique_ptr<TacComboListWnd> ListAdapter;
    bool InListColour = false;
    // One brush per adapter and skin colour, freed with the adapter.
    ui::UniqueBrush ListBrush;
    COLORREF ListBrushColour = 0;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR self);
  std::optional<LRESULT> React(UINT message, WPARAM wParam, LPARAM lParam);
  std::optional<intptr_t> Command(const EngineMessage& message);
  LRESULT Paint(UINT message, WPARAM wParam, LPARAM lParam);
  bool BuildFrameCache();
  void PaintButton(HDC dc);
  void UpdateButton();
  bool DrawItem(const DRAWITEMSTRUCT& item);
  LRESULT ListColour(UINT message, WPARAM wParam, LPARAM lParam);
  HBRUSH BrushOf(COLORREF colour);
  void DropListAdapter();

  State state_;
  WindowSubclass subclass_;
};

}  // namespace velmora::skin
