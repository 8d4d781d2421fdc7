// The adapters of standard check boxes, radio buttons, push buttons and panels on real platform
// windows, attached by the registry: which glyph picture and section state reach the cache, where
// the glyph sits, what the platform still does (checking, the space key), and the panel's caption
// and creation-time painting.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>
#include <windows.h>
#include <commctrl.h>

#include "skin/controls/win32/adapter_registry.h"
#include "skin/controls/win32/panel_wnd.h"
#include "skin/manager/win32/window_receivers.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "tests/skin/controls/fake_owner.h"
#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

using test::Bgra;

// Five glyphs of three 2 x 2 pictures each; a picture's pixels spell glyph g and frame f.
uint32_t GlyphPixel(int g, int f) {
  return Bgra(uint32_t(g * 40 + 10), uint32_t(f * 60 + 30), 100, 0);
}

Image32 Master() {
  Image32 image = test::Filled(16, 8, Bgra(0, 0, 0, 255));
  const int places[5][2] = {{0, 0}, {0, 2}, {0, 4}, {8, 0}, {8, 2}};
  for (int g = 0; g < 5; ++g)
    for (int f = 0; f < 3; ++f)
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
          image.At(places[g][0] + 2 * f + x, places[g][1] + y) = GlyphPixel(g, f) | 0xFF000000u;
  return image;
}
enum Glyph { kBoxUnchecked, kBoxChecked, kBoxGrayed, kRadioUnchecked, kRadioChecked };

const char* kSkin =
    "BOXUNCHECKED=@0000@0000@0006@0002@3@0\r\nBOXCHECKED=@0000@0002@0006@0004@3@0\r\n"
    "BOXGRAYED=@0000@0004@0006@0006@3@0\r\nRADIOUNCHECKED=@0008@0000@0014@0002@3@0\r\n"
    "RADIOCHECKED=@0008@0002@0014@0004@3@0\r\n"
    "[CHECKBOX]\r\nSTATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\nFONTCOLOR=255\r\n"
    "HOTFONTCOLOR=65280\r\n"
    "[GROUND]\r\nSTATES=1\r\nCOLOR=0\r\nFONTCOLOR=16744448\r\n"
    "[TRANSPARENT]\r\nSTATES=1\r\nTRANSPARENCY=100\r\nFONTCOLOR=255\r\n"
    "[BUTTON]\r\nSTATES=3\r\nUSESTATE2=1\r\nCOLOR=1118481\r\nHOTCOLOR=2236962\r\nCOLOR2=3355443\r\n"
    "FONTCOLOR=16777215\r\nHOTFONTCOLOR=16777215\r\nFONTCOLOR2=16777215\r\n"
    "GLOW=1\r\nGLOW0=^0000^0000^0006^0006^0001^0001^0001^0001^1^0^0^0\r\n";

struct Adapters : ::testing::Test {
  ui::Application application;
  test::LoadedSkin skin{kSkin, Master()};
  test::FakeManager manager{skin.registry.get()};
  ClassNameLists lists;
  std::map<HWND, ControlFacts> facts;
  HWND form =
      CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraAdaptersTest", DefWindowProcW), L"",
                      WS_POPUP | WS_VISIBLE, 0, 0, 300, 120, nullptr, nullptr,
                      application.Module(), nullptr);
  TacCtrlAdapter registry{&manager, lists, [this](HWND w) -> std::optional<ControlFacts> {
                            const auto found = facts.find(w);
                            if (found == facts.end()) return std::nullopt;
                            return found->second;
                          }};

  Adapters() {
    UsePlatformSystemColours();
    TsCommonData::SetDefaultManager(&manager);
    lists[1] = {"TButton"};
    lists[3] = {"TCheckBox"};
    lists[8] = {"TPanel"};
  }
  ~Adapters() override {
    registry.FreeAllItems();
    DestroyWindow(form);
    TsCommonData::SetDefaultManager(nullptr);
    SetSystemColourSource(nullptr);
  }

  HWND Button(DWORD style, const wchar_t* text = L"", const char* cls = "TCheckBox",
              HWND parent = nullptr) {
    const HWND w = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                                   10, 10, 60, 20, parent ? parent : form, nullptr,
                                   application.Module(), nullptr);
    facts[w] = {cls, 0};
    registry.AddItem(w, facts[w]);
    return w;
  }
  static TsCommonData& Data(HWND w) {
    return *reinterpret_cast<TsCommonData*>(SendEngineCommand(w, {EngineCommand::GetSkinData}));
  }
  // The cache rebuilt now, read at (x, y).
  static uint32_t CacheAt(HWND w, int32_t x, int32_t y) {
    Data(w).CacheStale = true;
    SendEngineCommand(w, {EngineCommand::PrepareCache});
    return Data(w).Cache()->Pixels().At(x, y) & 0xFFFFFF;
  }
};

// A 2 x 2 glyph in a 60 x 20 box sits at rows 9 and 10.
constexpr int32_t kGlyphTop = 9;

TEST_F(Adapters, AnAutomaticRadioButtonShowsTheRadioGlyph) {
  const HWND radio = Button(BS_AUTORADIOBUTTON, L"ветер");
  SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(CacheAt(radio, 0, kGlyphTop), GlyphPixel(kRadioChecked, 0));
  SendMessageW(radio, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_EQ(CacheAt(radio, 1, kGlyphTop + 1), GlyphPixel(kRadioUnchecked, 0));
}

TEST_F(Adapters, AnIndeterminateThreeStateBoxShowsTheGrayedCheckGlyph) {
  const HWND box = Button(BS_AUTO3STATE);
  SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
  EXPECT_EQ(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxGrayed, 0));
  SendMessageW(box, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxChecked, 0));
}

TEST_F(Adapters, LeftTextPutsTheGlyphAtTheRightEdge) {
  const HWND box = Button(BS_CHECKBOX | BS_LEFTTEXT, L"Ручей");
  EXPECT_EQ(CacheAt(box, 58, kGlyphTop), GlyphPixel(kBoxUnchecked, 0));
  EXPECT_NE(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxUnchecked, 0));
}

TEST_F(Adapters, TheGlyphTurnsHotUnderThePointerAndPressedWhileHeld) {
  const HWND box = Button(BS_CHECKBOX);
  SendMessageW(box, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Data(box).MouseOver);
  EXPECT_EQ(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxUnchecked, 1));
  SendMessageW(box, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxUnchecked, 2));
  SendMessageW(box, BM_SETSTATE, FALSE, 0);
  SendMessageW(box, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxUnchecked, 0));
}

TEST_F(Adapters, TheSpaceKeyStillTogglesAFocusedAutomaticBox) {
  const HWND box = Button(BS_AUTOCHECKBOX, L"Дождь");
  SetFocus(box);
  SendMessageW(box, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(box, WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  // Focused: the glyph is hot.
  EXPECT_EQ(CacheAt(box, 0, kGlyphTop), GlyphPixel(kBoxChecked, 1));
}

// The check box section's own font colour is red; the ground under the box paints in another.
TEST_F(Adapters, ACaptionTakesTheFontColourOfTheSectionUnderIt) {
  const HWND under =
      CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraAdaptersPanel", DefWindowProcW), L"",
                      WS_CHILD | WS_VISIBLE, 0, 40, 200, 30, form, nullptr, application.Module(),
                      nullptr);
  SkinnedWindow ground(under, &manager, 0, true);
  ground.Data().SetSkinSection("GROUND");
  ground.Data().Initialize(false);
  const HWND box = Button(BS_CHECKBOX, L"Ручей", "TCheckBox", under);
  CacheAt(box, 0, 0);
  const PixelView pixels = Data(box).Cache()->Pixels();
  int inGround = 0, own = 0;
  for (int32_t y = 0; y < pixels.Height; ++y)
    for (int32_t x = 0; x < pixels.Width; ++x) {
      inGround += (pixels.At(x, y) & 0xFFFFFF) == (Swap(16744448) & 0xFFFFFF);
      own += (pixels.At(x, y) & 0xFFFFFF) == (Swap(255) & 0xFFFFFF);
    }
  EXPECT_GT(inGround, 10);
  EXPECT_EQ(own, 0);
  registry.FreeAllItems();
}

int g_drawItems = 0;
LRESULT CALLBACK CountDrawItems(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR, DWORD_PTR) {
  if (message == WM_DRAWITEM) ++g_drawItems;
  return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(Adapters, AnOwnerDrawnButtonKeepsItsOwnersDrawing) {
  SetWindowSubclass(form, CountDrawItems, 1, 0);
  const HWND box = Button(BS_OWNERDRAW);
  g_drawItems = 0;
  SendMessageW(box, BM_SETSTATE, TRUE, 0);
  EXPECT_GT(g_drawItems, 0);
  RemoveWindowSubclass(form, CountDrawItems, 1);
}

uint32_t Face(uint32_t colour) { return Swap(colour) & 0xFFFFFF; }

TEST_F(Adapters, APushButtonReleasedUnderThePointerEndsHot) {
  const HWND button = Button(BS_PUSHBUTTON, L"", "TButton");
  EXPECT_EQ(CacheAt(button, 30, 10), Face(1118481));
  SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(CacheAt(button, 30, 10), Face(3355443));
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(CacheAt(button, 30, 10), Face(2236962));
}

// A hovered push button glows; pressed, it paints its pressed state without the glow.
TEST_F(Adapters, APressedPushButtonDropsItsHoverGlow) {
  const HWND button = Button(BS_PUSHBUTTON, L"", "TButton");
  SendEngineCommand(button, {EngineCommand::MouseEntered});
  ASSERT_GE(Data(button).GlowId, 0);
  ASSERT_NE(FindWindowW(L"TacGlowForm", nullptr), nullptr);
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(CacheAt(button, 30, 10), Face(3355443));
  EXPECT_EQ(Data(button).GlowId, -1);
  EXPECT_EQ(FindWindowW(L"TacGlowForm", nullptr), nullptr);
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(Adapters, ADefaultPushButtonLooksHotWhileIdle) {
  const HWND button = Button(BS_DEFPUSHBUTTON, L"", "TButton");
  EXPECT_EQ(CacheAt(button, 30, 10), Face(2236962));
}

// The cache rebuilt now, every pixel.
std::vector<uint32_t> CachePixels(HWND w) {
  TsCommonData& data = Adapters::Data(w);
  data.CacheStale = true;
  SendEngineCommand(w, {EngineCommand::PrepareCache});
  const PixelView pixels = data.Cache()->Pixels();
  std::vector<uint32_t> all;
  for (int32_t y = 0; y < pixels.Height; ++y)
    for (int32_t x = 0; x < pixels.Width; ++x) all.push_back(pixels.At(x, y));
  return all;
}

TEST_F(Adapters, APushButtonFramesItsFocusAndShiftsItsPressedCaptionAsTheManagerSays) {
  const HWND button = Button(BS_PUSHBUTTON, L"Дождя!", "TButton");
  SetFocus(button);
  const std::vector<uint32_t> framed = CachePixels(button);
  manager.buttons.ShowFocusRect = false;
  const std::vector<uint32_t> plain = CachePixels(button);
  // Only a frame tells them apart: every differing pixel lies on the edges of their box.
  int32_t left = 60, top = 20, right = -1, bottom = -1, differing = 0;
  for (int32_t i = 0; i < 60 * 20; ++i)
    if (framed[size_t(i)] != plain[size_t(i)]) {
      left = std::min(left, i % 60), right = std::max(right, i % 60);
      top = std::min(top, i / 60), bottom = std::max(bottom, i / 60);
      ++differing;
    }
  EXPECT_GT(differing, 20);
  for (int32_t i = 0; i < 60 * 20; ++i)
    if (framed[size_t(i)] != plain[size_t(i)])
      EXPECT_TRUE(i % 60 == left || i % 60 == right || i / 60 == top || i / 60 == bottom) << i;
  // Pressed, the caption moves a pixel right and down only while the manager says so.
  SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  const std::vector<uint32_t> shifted = CachePixels(button);
  manager.buttons.ShiftContentOnClick = false;
  EXPECT_NE(CachePixels(button), shifted);
  SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(CachePixels(button), plain);
}

// The panel's pixels that differ from its top-left pixel (the background, as no caption reaches
// the corner).
int CaptionPixels(HWND panel) {
  TsCommonData& data = Adapters::Data(panel);
  data.CacheStale = true;
  SendEngineCommand(panel, {EngineCommand::PrepareCache});
  const PixelView pixels = data.Cache()->Pixels();
  int count = 0;
  for (int32_t y = 0; y < pixels.Height; ++y)
    for (int32_t x = 0; x < pixels.Width; ++x) count += pixels.At(x, y) != pixels.At(0, 0);
  return count;
}

TEST_F(Adapters, APlainPanelIsSeeThroughAndTag999HidesItsCaption) {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraAdaptersPanel", DefWindowProcW);
  const auto panel = [&](int32_t tag) {
    const HWND w = CreateWindowExW(0, cls, L"Сверчки", WS_CHILD | WS_VISIBLE, 0, 40, 200, 30,
                                   form, nullptr, application.Module(), nullptr);
    facts[w] = {"TPanel", tag};
    registry.AddItem(w, facts[w]);
    return w;
  };
  const HWND shown = panel(0), tagged = panel(999);
  EXPECT_EQ(Data(shown).SectionIndex, skin.Index("TRANSPARENT"));
  EXPECT_GT(CaptionPixels(shown), 20);
  // Tag 999 carries the no-skin bit 0x100: the registry leaves such a panel alone, and an
  // adapter made for it all the same draws no caption.
  EXPECT_EQ(GetPropW(tagged, kAdapterProperty), nullptr);
  const TacPanelWnd adapter(tagged, &manager, 8, 999);
  EXPECT_EQ(CaptionPixels(tagged), 0);
}

// A form that creates and adapts a panel while it is itself being created, and asks the panel to
// paint then.
struct CreatingForm {
  Adapters* test;
  HWND panel = nullptr;
  uint32_t paintedWhileCreating = 0;
};
constexpr uint32_t kUntouched = 0x00123456;

uint32_t PrintedPixel(HWND panel) {
  DibBitmap target = DibBitmap::Make(4, 4);
  target.Pixels().At(1, 1) = kUntouched;
  SendMessageW(panel, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Dc()), PRF_CLIENT);
  return target.Pixels().At(1, 1);
}

LRESULT CALLBACK Creating(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) {
    auto* creating = static_cast<CreatingForm*>(
        reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
    const HWND panel =
        CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraAdaptersPanel", DefWindowProcW), L"",
                        WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, window, nullptr,
                        GetModuleHandleW(nullptr), nullptr);
    creating->test->facts[panel] = {"TPanel", 0};
    creating->test->registry.AddItem(panel, creating->test->facts[panel]);
    creating->panel = panel;
    creating->paintedWhileCreating = PrintedPixel(panel);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(Adapters, APanelPaintsNothingWhileItsParentIsBeingCreated) {
  CreatingForm creating{this};
  const HWND parent = CreateWindowExW(0, ui::RegisterWindowClass(L"VelmoraCreatingForm", Creating),
                                      L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 50, nullptr, nullptr,
                                      application.Module(), &creating);
  ASSERT_NE(creating.panel, nullptr);
  EXPECT_EQ(creating.paintedWhileCreating, kUntouched);
  EXPECT_NE(PrintedPixel(creating.panel), kUntouched);
  DestroyWindow(parent);
}

}  // namespace
}  // namespace velmora::skin
