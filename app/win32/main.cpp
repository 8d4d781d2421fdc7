#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "skin/data/win32/win32_skin_platform.h"
#include "skin/manager/engine_start.h"
#include "skin/paint/win32/dib_bitmap.h"
#include "ui/win32/application.h"
#include "ui/win32/handles.h"
#include "ui/win32/text.h"

namespace {

std::vector<std::string> CommandLineArguments() {
  int count = 0;
  const velmora::ui::UniqueHandle<LPWSTR*, LocalFree> arguments(
      CommandLineToArgvW(GetCommandLineW(), &count));
  std::vector<std::string> out;
  for (int i = 1; arguments && i < count; ++i)
    out.push_back(velmora::ui::Utf8FromWide(arguments.get()[i]));
  return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velmora::ui::Application application;
  try {
    velmora::skin::Win32SkinPlatform platform(application.Title());
    velmora::skin::StartEngine(CommandLineArguments(), platform);
    // Without it every system colour falls back to one grey: captions in the button-text colour
    // vanish on a button-face background.
    velmora::skin::UsePlatformSystemColours();
    velmora::app::MainWindow mainWindow;
    return application.Run(mainWindow);
  } catch (...) {
    application.ShowException(std::current_exception());
    return 1;
  }
}
