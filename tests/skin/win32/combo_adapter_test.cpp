// The combo box, drop-down list and edit adapters on real windows: the list's colour answer keeps
// one brush over a thousand openings and frees it with the adapter, the button is pressed exactly
// while the list shows, the items are drawn from the skin through the reflected draw request, the
// list adapter comes back after the skin does, and a hidden memo paints nothing.
#include "skin/controls/win32/combo_box_wnd.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <windows.h>

#include "skin/controls/win32/edit_wnd.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/colour.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "ui/win32/application.h"
#include "ui/win32/reflected_messages.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

// Colour values 0x00BBGGRR.
constexpr uint32_t kEdit = 0x00302010, kEditHot = 0x00403020, kEditText = 0x00E0F0D0,
                   kSelection = 0x00906030, kButton[3] = {0x00200000, 0x00002000, 0x00000020},
                   kBorder = 0x00102030;

std::string Sections() {
  const auto n = [](uint32_t v) { return std::to_string(v); };
  return "BORDERCOLOR=" + n(kBorder) + "\r\n[EDIT]\r\nSTATES=2\r\nCOLOR=" + n(kEdit) +
         "\r\nHOTCOLOR=" + n(kEditHot) + "\r\nFONTCOLOR=" + n(kEditText) +
         "\r\n[SELECTION]\r\nSTATES=2\r\nCOLOR=" + n(kSelection) + "\r\nHOTCOLOR=" + n(kSelection) +
         "\r\n[COMBOBTN]\r\nSTATES=3\r\nUSESTATE2=1\r\nCOLOR=" + n(kButton[0]) + "\r\nHOTCOLOR=" +
         n(kButton[1]) + "\r\nCOLOR2=" + n(kButton[2]) + "\r\n";
}

// A form that hands draw requests back to their control, as the program's forms do.
LRESULT CALLBACK Reflecting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    return SendMessageW(item->hwndItem, ui::kReflectedDrawItem, 0, lParam) != 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

class ComboAdapter : public ::testing::Test {
 protected:
  ComboAdapter() {
    const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraComboTest", Reflecting);
    form = CreateWindowExW(0, cls, L"", WS_POPUP | WS_VISIBLE, 300, 300, 300, 200, nullptr,
                           nullptr, ui::Application::Instance().Module(), nullptr);
    combo = CreateWindowExW(0, L"COMBOBOX", L"",
                            WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                                CBS_HASSTRINGS,
                            10, 10, 144, 23 + 3 * 17 + 2, form, nullptr,
                            ui::Application::Instance().Module(), nullptr);
    for (const wchar_t* item : {L"one", L"two", L"three"})
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(combo, CB_SETITEMHEIGHT, WPARAM(-1), 17);
    SendMessageW(combo, CB_SETITEMHEIGHT, 0, 17);
    // The pointer far away: no hover.
    SetCursorPos(5, 5);
    Pump();
  }
  ~ComboAdapter() override { DestroyWindow(form); }

  COLORREF ScreenPixel(HWND window, int x, int y) {
    Pump();
    const HDC dc = GetWindowDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
  }
  HWND List() {
    COMBOBOXINFO info{sizeof info};
    GetComboBoxInfo(combo, &info);
    return info.hwndList;
  }
  void Open(bool open) {
    SendMessageW(combo, CB_SHOWDROPDOWN, open, 0);
    Pump();
  }

  ui::Application application;
  test::LoadedSkin skin{Sections(), test::Filled(4, 4, 0)};
  test::FakeManager manager{skin.registry.get()};
  HWND form = nullptr, combo = nullptr;
};

TEST_F(ComboAdapter, OneListBrushOverAThousandOpeningsFreedWithTheAdapter) {
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  HBRUSH brush = nullptr;
  {
    TacComboBoxWnd adapter(combo, &manager, 4);
    Open(true);
    Open(false);
    brush = adapter.ListBrush();
    ASSERT_NE(brush, nullptr) << "the list asked for its colours";
    const HDC dc = GetDC(List());
    for (int i = 0; i < 1000; ++i) {
      Open(true);
      const LRESULT answer =
          SendMessageW(combo, WM_CTLCOLORLISTBOX, WPARAM(dc), reinterpret_cast<LPARAM>(List()));
      Open(false);
      ASSERT_EQ(reinterpret_cast<HBRUSH>(answer), brush) << "opening " << i;
    }
    EXPECT_EQ(GetBkColor(dc), ResolveColour(kEdit));
    EXPECT_EQ(GetTextColor(dc), ResolveColour(kEditText));
    ReleaseDC(List(), dc);
    EXPECT_EQ(adapter.ListBrush(), brush);
    EXPECT_EQ(GetObjectType(brush), DWORD(OBJ_BRUSH));
    const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    // Where the platform counts them (not under every emulation), the count must not grow.
    if (before != 0) {
      EXPECT_LE(after, before + 4);
    }
    std::printf("GDI objects of the process: %lu before, %lu after 1000 openings\n",
                static_cast<unsigned long>(before), static_cast<unsigned long>(after));
  }
  EXPECT_EQ(GetObjectType(brush), 0u) << "the brush went with the adapter";
}

TEST_F(ComboAdapter, TheButtonIsPressedExactlyWhileTheListShows) {
  TacComboBoxWnd adapter(combo, &manager, 4);
  const Rect button = adapter.ButtonRect();
  const auto buttonPixel = [&] { return ScreenPixel(combo, button.Left + 1, button.Top + 1); };
  RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(buttonPixel(), ResolveColour(kButton[0]));
  Open(true);
  ASSERT_TRUE(IsWindowVisible(List()));
  EXPECT_EQ(buttonPixel(), ResolveColour(kButton[2]));
  Open(false);
  const uint32_t expected = GetFocus() == combo ? kButton[1] : kButton[0];
  EXPECT_EQ(buttonPixel(), ResolveColour(expected));
}

TEST_F(ComboAdapter, TheListGetsAOnePixelBorderColourFrameRoundTheEditColour) {
  TacComboBoxWnd adapter(combo, &manager, 4);
  Open(true);
  ASSERT_NE(adapter.ListAdapter(), nullptr);
  RECT r;
  GetWindowRect(List(), &r);
  EXPECT_EQ(ScreenPixel(List(), 0, 0), ResolveColour(kBorder));
  EXPECT_EQ(ScreenPixel(List(), r.right - r.left - 1, r.bottom - r.top - 1), ResolveColour(kBorder));
  Open(false);
}

TEST_F(ComboAdapter, ItemsAreDrawnFromTheSkinThroughTheReflectedRequest) {
  TacComboBoxWnd adapter(combo, &manager, 4);
  DibBitmap target = DibBitmap::Make(144, 60);
  DRAWITEMSTRUCT item{ODT_COMBOBOX, 0, 1, ODA_DRAWENTIRE, ODS_SELECTED, combo, target.Dc(),
                      {0, 17, 144, 34}, 0};
  EXPECT_EQ(SendMessageW(combo, ui::kReflectedDrawItem, 0, reinterpret_cast<LPARAM>(&item)), 1);
  EXPECT_EQ(GetPixel(target.Dc(), 0, 17), ResolveColour(kSelection));
  EXPECT_EQ(GetPixel(target.Dc(), 143, 33), ResolveColour(kSelection));
  item.itemState = 0;
  item.itemID = 2;
  item.rcItem = {0, 34, 144, 51};
  EXPECT_EQ(SendMessageW(combo, ui::kReflectedDrawItem, 0, reinterpret_cast<LPARAM>(&item)), 1);
  // A list row of a two-state edit section lies on its hot colour.
  EXPECT_EQ(GetPixel(target.Dc(), 0, 34), ResolveColour(kEditHot));
}

TEST_F(ComboAdapter, AnEmptySelectionPrintsTheFrameWithAnEmptyEditField) {
  TacComboBoxWnd adapter(combo, &manager, 4);
  SendMessageW(combo, CB_SETCURSEL, WPARAM(-1), 0);
  RECT r;
  GetWindowRect(combo, &r);
  DibBitmap target = DibBitmap::Make(r.right - r.left, r.bottom - r.top);
  PaintSolidGdi(target.Dc(), {0, 0, r.right - r.left, r.bottom - r.top}, 0x00FF00FF);
  SendMessageW(combo, WM_PRINT, WPARAM(target.Dc()), PRF_CLIENT | PRF_NONCLIENT);
  const Rect button = adapter.ButtonRect();
  // The frame band, the edit field between it and the button, and the button from the skin.
  EXPECT_EQ(GetPixel(target.Dc(), 0, 0), ResolveColour(kEdit));
  const uint32_t field = GetFocus() == combo ? kSelection : kEdit;
  for (int x = 4; x < button.Left - 2; x += 5)
    EXPECT_EQ(GetPixel(target.Dc(), x, (r.bottom - r.top) / 2), ResolveColour(field)) << x;
  EXPECT_EQ(GetPixel(target.Dc(), button.Left + 1, button.Top + 1), ResolveColour(kButton[0]));
}

TEST_F(ComboAdapter, RemovingTheSkinDropsTheListAdapterAndTheNextSkinMakesItAgain) {
  const HWND list = List();
  {
    TacComboBoxWnd adapter(combo, &manager, 4);
    Open(true);
    Open(false);
    ASSERT_NE(adapter.ListAdapter(), nullptr);
    EXPECT_NE(GetPropW(list, kSkinDataProperty), nullptr);
    SendEngineCommand(combo, {EngineCommand::RemoveSkin, manager.Identity()});
    EXPECT_EQ(adapter.ListAdapter(), nullptr);
    EXPECT_EQ(GetPropW(list, kSkinDataProperty), nullptr) << "the list window is given back";
  }
  TacComboBoxWnd again(combo, &manager, 4);
  EXPECT_EQ(again.ListAdapter(), nullptr) << "made at the next list colour request";
  Open(true);
  Open(false);
  ASSERT_NE(again.ListAdapter(), nullptr);
  EXPECT_EQ(again.ListWindow(), list);
}

TEST_F(ComboAdapter, AHiddenMemoPaintsNothingUntilShown) {
  const HWND memo = CreateWindowExW(0, L"EDIT", L"text", WS_CHILD | WS_BORDER | ES_MULTILINE, 10,
                                    40, 80, 40, form, nullptr,
                                    ui::Application::Instance().Module(), nullptr);
  TacEditWnd adapter(memo, &manager, 0);
  DibBitmap target = DibBitmap::Make(80, 40);
  PaintSolidGdi(target.Dc(), {0, 0, 80, 40}, 0x00FF00FF);
  const UINT all = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN;
  SendMessageW(memo, WM_PRINT, WPARAM(target.Dc()), all);
  for (int y = 0; y < 40; y += 3)
    for (int x = 0; x < 80; x += 3) ASSERT_EQ(GetPixel(target.Dc(), x, y), 0x00FF00FFu) << x;
  ShowWindow(memo, SW_SHOWNA);
  SendMessageW(memo, WM_PRINT, WPARAM(target.Dc()), all);
  EXPECT_EQ(GetPixel(target.Dc(), 0, 0), ResolveColour(kEdit)) << "the skin's frame band";
}

}  // namespace
}  // namespace velmora::skin
