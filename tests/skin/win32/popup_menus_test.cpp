// Popup menus on the desktop: items become owner-drawn with ids only this painter knows, their
// owner answers the measure requests, the menu window shows MAINMENU at the options' opacity
// with a background prepared per opening, and a hostile 0xBCB3 does nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

#include "skin/frame/win32/frame_hooks.h"
#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "skin/popups/win32/menu_text.h"
#include "skin/popups/win32/skinable_menus.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

// MAINMENU 0x204060 (pixel 0x604020), MENUITEM transparent with a green hot state.
constexpr const char* kSkin =
    "[GLOBALINFO]\nVERSION=10.25\n"
    "[MAINMENU]\nSTATES=1\nCOLOR=2113632\n"
    "[MENUITEM]\nSTATES=2\nTRANSPARENCY=100\nHOTTRANSPARENCY=0\nHOTCOLOR=65280\n"
    "FONTCOLOR=16777215\nHOTFONTCOLOR=0\n";
constexpr COLORREF kGround = 0x204060;

std::function<void(HWND)> g_whileOpen;

LRESULT CALLBACK OwnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER) {
    KillTimer(window, wParam);
    if (g_whileOpen) g_whileOpen(FindWindowW(L"#32768", nullptr));
    EndMenu();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A 32-bit device context of its own, as items are drawn into when no menu window is found.
struct Canvas {
  Canvas(int width, int height) {
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
  }
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
};

class PopupMenus : public ::testing::Test {
 protected:
  PopupMenus() {
    host.SetWindowHooksFactory(MakeFrameHooks);
    package = test::PackageBuilder().Member("OPTIONS.DAT", kSkin).Build();
    definition.InternalSkins = {{.Name = "Stored", .Data = package}};
    definition.SkinName = "Stored";
    manager.ReadDefinition(definition);
    const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraMenuOwner", OwnerProcedure);
    owner = CreateWindowExW(0, cls, L"owner", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr,
                            nullptr, ui::Application::Instance().Module(), nullptr);
    AppendMenuW(menu, MF_STRING, 1, L"Показать окно настроек");
    AppendMenuW(menu, MF_STRING, 2, L"Закрыть\tAlt+F4");
  }
  ~PopupMenus() override {
    g_whileOpen = nullptr;
    DestroyMenu(menu);
    DestroyWindow(owner);
  }

  ULONG_PTR ItemData(UINT position) const {
    MENUITEMINFOW info{sizeof(info), MIIM_FTYPE | MIIM_DATA};
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return (info.fType & MFT_OWNERDRAW) ? info.dwItemData : 0;
  }
  // Shows the menu, runs `whileOpen` on its window once it is painted, and closes it.
  void Open(std::function<void(HWND)> whileOpen) {
    g_whileOpen = std::move(whileOpen);
    SetForegroundWindow(owner);
    SetTimer(owner, 1, 400, nullptr);
    TrackPopupMenu(menu, TPM_RETURNCMD, 100, 100, 0, owner, nullptr);
  }

  ui::Application application;
  test::FakePlatform platform;
  Win32ManagerHost host{platform};
  ui::ComponentOwner components;
  TsSkinManager manager{components, "sknmngr1", host};
  TsSkinableMenus menus{manager, host};
  test::Bytes package;
  SkinManagerDefinition definition;
  HWND owner = nullptr;
  HMENU menu = CreatePopupMenu();
};

TEST_F(PopupMenus, PreparedItemsAreOwnerDrawnAndMeasuredOnTheirOwner) {
  EXPECT_EQ(TsSkinableMenus::Default(), &menus);
  menus.PrepareMenu(menu, owner);
  const ULONG_PTR first = ItemData(0), second = ItemData(1);
  ASSERT_NE(first, 0u);
  ASSERT_NE(second, 0u);
  EXPECT_NE(first, second);
  menus.PrepareMenu(menu, owner);  // once is enough: the same records stay
  EXPECT_EQ(ItemData(0), first);

  MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, first};
  EXPECT_EQ(SendMessageW(owner, WM_MEASUREITEM, 0, LPARAM(&measure)), TRUE);
  // Margin 2 on both sides and 2 more around the taller of text and the 16-pixel glyph.
  EXPECT_GE(measure.itemHeight, 16u + 4 + 2);
  EXPECT_GT(measure.itemWidth, 2 * 16u + 3 * 2 + 8);
  MEASUREITEMSTRUCT withShortcut{ODT_MENU, 0, 0, 0, 0, second};
  SendMessageW(owner, WM_MEASUREITEM, 0, LPARAM(&withShortcut));
  EXPECT_EQ(withShortcut.itemHeight, measure.itemHeight);

  // An id no item of this painter carries is nobody's.
  MEASUREITEMSTRUCT unknown{ODT_MENU, 0, 0, 0, 0, second + 1000};
  EXPECT_EQ(SendMessageW(owner, WM_MEASUREITEM, 0, LPARAM(&unknown)), FALSE);
  EXPECT_EQ(unknown.itemHeight, 0u);
}

TEST_F(PopupMenus, TheMenuWindowShowsMainMenuAndEachOpeningPreparesItsBackground) {
  menus.PrepareMenu(menu, owner);
  COLORREF ground = 0;
  bool layered = true, cornerCut = false, restKept = false;
  Open([&](HWND window) {
    ASSERT_NE(window, nullptr);
    // This skin's MAINMENU has no borders mask to cut corners from: the region still takes
    // the window's first pixel off.
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(window, region) != ERROR) {
      cornerCut = !PtInRegion(region, 0, 0);
      restKept = PtInRegion(region, 1, 0) && PtInRegion(region, 0, 1);
    }
    DeleteObject(region);
    RECT box{};
    GetWindowRect(window, &box);
    const HDC dc = GetWindowDC(window);
    ground = GetPixel(dc, (box.right - box.left) - 6, (box.bottom - box.top) / 4);
    ReleaseDC(window, dc);
    layered = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED;
  });
  EXPECT_EQ(ground, kGround);
  EXPECT_FALSE(layered);  // AlphaBlend 255: opaque
  EXPECT_TRUE(cornerCut);
  EXPECT_TRUE(restKept);
  EXPECT_EQ(menus.PreparedCount(), 1);
  Open(nullptr);
  EXPECT_EQ(menus.PreparedCount(), 2);
}

TEST_F(PopupMenus, WithAlphaBlend200TheMenuWindowIsLayeredAt200) {
  manager.MenuSupport.AlphaBlend = 200;
  menus.PrepareMenu(menu, owner);
  BYTE alpha = 0;
  DWORD flags = 0;
  bool layered = false;
  Open([&](HWND window) {
    layered = GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED;
    GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
  });
  EXPECT_TRUE(layered);
  EXPECT_EQ(alpha, 200);
  EXPECT_TRUE(flags & LWA_ALPHA);
}

TEST_F(PopupMenus, AnItemShownMessageThisPainterDidNotPostDoesNothing) {
  menus.PrepareMenu(menu, owner);
  const HWND applicationWindow = FindWindowW(L"TApplication", nullptr);
  ASSERT_NE(applicationWindow, nullptr);
  SendMessageW(applicationWindow, kPopupItemShown, 0, LPARAM(ItemData(0)));
  SendMessageW(applicationWindow, kPopupItemShown, 0, LPARAM(0x7FFF0000));  // a pointer of nobody's
  SendMessageW(applicationWindow, kPopupWindowCreated, 0, LPARAM(owner));   // no menu window
  EXPECT_EQ(menus.PreparedCount(), 0);
}

// Drawn where no menu window can be found, an item takes a background of the measured menu's
// size: MAINMENU behind a plain item, MENUITEM's hot colour behind the selected one.
TEST_F(PopupMenus, AnItemDrawnIntoAnyDeviceContextShowsTheSkin) {
  menus.PrepareMenu(menu, owner);
  MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, ItemData(0)};
  SendMessageW(owner, WM_MEASUREITEM, 0, LPARAM(&measure));
  MEASUREITEMSTRUCT second{ODT_MENU, 0, 0, 0, 0, ItemData(1)};
  SendMessageW(owner, WM_MEASUREITEM, 0, LPARAM(&second));
  const int width = int(std::max(measure.itemWidth, second.itemWidth));
  const int height = int(measure.itemHeight);

  const Canvas canvas(width, 2 * height);
  const HDC dc = canvas.dc;
  DRAWITEMSTRUCT plain{
      ODT_MENU,   0, 1, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(menu), dc, {0, 0, width, height},
      ItemData(0)};
  EXPECT_EQ(SendMessageW(owner, WM_DRAWITEM, 0, LPARAM(&plain)), TRUE);
  DRAWITEMSTRUCT selected{ODT_MENU,
                          0,
                          2,
                          ODA_DRAWENTIRE,
                          ODS_SELECTED,
                          reinterpret_cast<HWND>(menu),
                          dc,
                          {0, height, width, 2 * height},
                          ItemData(1)};
  EXPECT_EQ(SendMessageW(owner, WM_DRAWITEM, 0, LPARAM(&selected)), TRUE);
  EXPECT_EQ(GetPixel(dc, width - 3, height / 2), kGround);
  EXPECT_EQ(GetPixel(dc, width - 3, height + height / 2), COLORREF(0x00FF00));
  EXPECT_EQ(menus.PreparedCount(), 1);

  DRAWITEMSTRUCT stale = plain;
  stale.itemData = ItemData(1) + 1000;
  EXPECT_EQ(SendMessageW(owner, WM_DRAWITEM, 0, LPARAM(&stale)), FALSE);
}

// The system menu's close command shows its picture in the icon column; a plain item shows none.
TEST_F(PopupMenus, ASystemMenuCommandShowsItsPictureWhereTheFontIsThere) {
  const HMENU system = CreatePopupMenu();
  AppendMenuW(system, MF_STRING, SC_CLOSE, L"Закрыть");
  menus.PrepareMenu(system, owner, PopupKind::SystemMenu);
  menus.PrepareMenu(menu, owner);
  const auto columnInked = [&](HMENU of, ULONG_PTR data) {
    MEASUREITEMSTRUCT measure{ODT_MENU, 0, 0, 0, 0, data};
    SendMessageW(owner, WM_MEASUREITEM, 0, LPARAM(&measure));
    const int width = int(measure.itemWidth), height = int(measure.itemHeight);
    const Canvas canvas(width, height);
    const HDC dc = canvas.dc;
    DRAWITEMSTRUCT draw{
        ODT_MENU, 0, 0, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(of), dc, {0, 0, width, height},
        data};
    SendMessageW(owner, WM_DRAWITEM, 0, LPARAM(&draw));
    int inked = 0;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < 24; ++x) inked += GetPixel(dc, x, y) != kGround;
    return inked;
  };
  MENUITEMINFOW info{sizeof(info), MIIM_DATA};
  GetMenuItemInfoW(system, 0, TRUE, &info);
  // With no symbol font installed the picture is left out, never shown as a letter.
  const TacMenuSupport options;
  const bool symbols = MenuFonts(options, 100).Symbol() != nullptr;
  EXPECT_EQ(columnInked(system, info.dwItemData) > 4, symbols);
  EXPECT_EQ(columnInked(menu, ItemData(0)), 0);
  DestroyMenu(system);
}

// A font the platform lacks would be replaced by one whose letters ("0", "r") show instead.
TEST(MenuFonts, SystemMenuPicturesComeFromAnInstalledSymbolFontOrNone) {
  const TacMenuSupport options;
  MenuFonts fonts(options, 100);
  if (!fonts.Symbol()) return;
  const HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, fonts.Symbol());
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  DeleteDC(dc);
  EXPECT_TRUE(std::wstring(face) == L"Webdings" || std::wstring(face) == L"Marlett")
      << std::string(face, face + wcslen(face));
}

TEST_F(PopupMenus, WithPopupsNotSkinnedTheItemsGetTheirOwnLookBack) {
  menus.PrepareMenu(menu, owner);
  ASSERT_NE(ItemData(0), 0u);
  manager.SetSkinnedPopups(false);
  menus.PrepareMenu(menu, owner);
  EXPECT_EQ(ItemData(0), 0u);
  wchar_t caption[64] = {};
  GetMenuStringW(menu, 1, caption, 64, MF_BYCOMMAND);
  EXPECT_STREQ(caption, L"Показать окно настроек");
}

}  // namespace
}  // namespace velmora::skin
