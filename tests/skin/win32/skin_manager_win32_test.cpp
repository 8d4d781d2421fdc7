// The skin manager on the desktop: broadcasts reach real windows in order, a skin record sent
// by copy-data is shown, and the system colour redirection answers from the skin.
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "skin/manager/skin_manager.h"
#include "skin/manager/win32/win32_manager_host.h"
#include "tests/skin/fake_platform.h"
#include "tests/skin/package_builder.h"
#include "ui/win32/application.h"
#include "ui/win32/window_class.h"

namespace velmora::skin {
namespace {

// Each window of this class logs the engine commands it is sent.
std::vector<std::pair<std::string, int>> g_heard;
std::map<HWND, std::string> g_names;

LRESULT CALLBACK Listener(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kEngineMessage) {
    if (HIWORD(wParam) == 7) return 0;  // the handled query is no command
    g_heard.emplace_back(g_names[window], HIWORD(wParam));
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND Window(const char* name, HWND parent) {
  const wchar_t* cls = ui::RegisterWindowClass(L"VelmoraListener", Listener);
  const HWND window = CreateWindowExW(0, cls, L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                                      parent, nullptr, ui::Application::Instance().Module(),
                                      nullptr);
  g_names[window] = name;
  return window;
}

// A function's address is a constant to the compiler, which may read an import slot once per
// function: the queries go through a function of their own so that each reads it anew.
[[gnu::noinline]] DWORD SystemColour(int index) { return GetSysColor(index); }

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

constexpr const char* kSkin =
    "[GLOBALINFO]\nVERSION=10.25\nCOLOR=8421504\n"
    "[EDIT]\nCOLOR=1193046\nFONTCOLOR=65793\n";  // background 0x123456, text 0x010101

class DesktopManager : public ::testing::Test {
 protected:
  DesktopManager() {
    g_heard.clear();
    form = Window("form", nullptr);
    first = Window("first", form);
    handled = Window("handled", form);
    Window("inner", handled);
    last = Window("last", form);
    SetPropW(handled, kSkinDataProperty, &handledData);  // no saved procedure: sent
    host.AddForm(form);
    package = test::PackageBuilder().Member("OPTIONS.DAT", kSkin).Build();
    definition.InternalSkins = {{.Name = "Stored", .Data = package}};
    definition.SkinName = "Stored";
  }
  ~DesktopManager() override {
    RemovePropW(handled, kSkinDataProperty);
    DestroyWindow(form);
  }

  ui::Application application;
  test::FakePlatform platform;
  Win32ManagerHost host{platform};
  ui::ComponentOwner owner;
  TsSkinManager manager{owner, "sknmngr1", host};
  HWND form, first, handled, last;
  EngineFastPath handledData;
  test::Bytes package;
  SkinManagerDefinition definition;
};

TEST_F(DesktopManager, TheNewSkinReachesTheFormAndItsControlsInOrder) {
  manager.ReadDefinition(definition);
  const std::vector<std::pair<std::string, int>> expected = {
      {"form", 1}, {"first", 1}, {"handled", 1}, {"last", 1}};
  EXPECT_EQ(g_heard, expected);  // the engine-handled control passes it on itself
}

TEST_F(DesktopManager, ASkinRecordSentByCopyDataIsShown) {
  manager.ReadDefinition(definition);
  platform.Files["c:\\Preview\\Night\\Options.dat"] = test::ToBytes("[GLOBALINFO]\n");
  std::vector<uint8_t> record(30645, 0);
  record[1] = 0xA4;
  const std::string name = "Night", directory = "c:\\Preview",
                    options = "[GLOBALINFO]\nVERSION=11.5\n";
  std::copy(name.begin(), name.end(), record.begin() + 4);
  std::copy(directory.begin(), directory.end(), record.begin() + 132);
  std::copy(options.begin(), options.end(), record.begin() + 644);
  const HWND applicationWindow = FindWindowW(L"TApplication", nullptr);
  ASSERT_NE(applicationWindow, nullptr);

  EXPECT_EQ(SendMessageW(applicationWindow, WM_COPYDATA, 7, 0), 0);  // no record at all
  COPYDATASTRUCT hostile{0, 3, record.data()};  // shorter than the marker
  EXPECT_EQ(SendMessageW(applicationWindow, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&hostile)), 0);
  COPYDATASTRUCT sent{0, DWORD(record.size()), record.data()};
  EXPECT_EQ(SendMessageW(applicationWindow, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&sent)), TRUE);
  EXPECT_EQ(manager.SkinName(), "Stored");  // loaded when the posted command arrives
  PumpMessages();
  EXPECT_EQ(manager.SkinName(), "Night");
  EXPECT_EQ(manager.SkinInfo(), "11.5");
}

TEST_F(DesktopManager, RedirectedSystemColoursComeFromTheSkinWithOneBrushEach) {
  manager.ReadDefinition(definition);
  const DWORD systemWindow = SystemColour(COLOR_WINDOW);
  manager.SetChangeSysColors(true);
  EXPECT_EQ(SystemColour(COLOR_WINDOW), 0x123456u);
  EXPECT_EQ(SystemColour(COLOR_WINDOWTEXT), 0x010101u);
  const HBRUSH brush = GetSysColorBrush(COLOR_WINDOW);
  EXPECT_EQ(GetSysColorBrush(COLOR_WINDOW), brush);
  LOGBRUSH described{};
  ASSERT_EQ(GetObjectW(brush, sizeof described, &described), int(sizeof described));
  EXPECT_EQ(described.lbColor, 0x123456u);
  // A grey pen takes the edit text mixed with the edit background at weight 38:
  // (0x01 * 38 + c * 217) >> 8 for c = 0x56, 0x34, 0x12.
  const HPEN pen = CreatePen(PS_SOLID, 1, 0xC0C0C0);
  LOGPEN line{};
  ASSERT_EQ(GetObjectW(pen, sizeof line, &line), int(sizeof line));
  EXPECT_EQ(line.lopnColor, 0x0F2C49u);
  DeleteObject(pen);
  manager.SetChangeSysColors(false);
  EXPECT_EQ(SystemColour(COLOR_WINDOW), systemWindow);
}

// The per-user display scale, set for the test and put back after it.
class AppliedDpiValue {
 public:
  explicit AppliedDpiValue(DWORD value) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    hadOld_ = RegQueryValueExW(key_, L"AppliedDPI", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&old_), &size) == ERROR_SUCCESS;
    RegSetValueExW(key_, L"AppliedDPI", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                   sizeof value);
  }
  ~AppliedDpiValue() {
    if (hadOld_) {
      RegSetValueExW(key_, L"AppliedDPI", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_),
                     sizeof old_);
    } else {
      RegDeleteValueW(key_, L"AppliedDPI");
    }
    RegCloseKey(key_);
  }

 private:
  static constexpr const wchar_t* kKey = L"Control Panel\\Desktop\\WindowMetrics";
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool hadOld_ = false;
};

TEST_F(DesktopManager, TheSystemScaleFollowsTheUsersDisplaySetting) {
  const AppliedDpiValue dpi(144);
  EXPECT_EQ(host.AppliedDpi(), 144);
  ui::ComponentOwner scaledOwner;
  TsSkinManager scaled(scaledOwner, "scaled", host);
  scaled.SetScaleMode(TacScaleMode::smAuto);
  EXPECT_EQ(scaled.ScaleIndex(), 2);
  host.DeclareDpiAware();
  EXPECT_TRUE(IsProcessDPIAware());
}

}  // namespace
}  // namespace velmora::skin
