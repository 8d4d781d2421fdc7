#include <windows.h>

#include <memory>

#include "app/win32/main_window.h"
#include "ui/win32/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velmora::ui::Application application;
  try {
    auto mainWindow = std::make_unique<velmora::app::TForm_player>();
    return application.Run(*mainWindow);
  } catch (...) {
    application.ShowException(std::current_exception());
    return 1;
  }
}
