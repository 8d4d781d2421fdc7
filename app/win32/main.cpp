#include <windows.h>

#include "app/win32/main_window.h"
#include "ui/win32/application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  velmora::ui::Application application;
  try {
    velmora::app::MainWindow mainWindow;
    return application.Run(mainWindow);
  } catch (...) {
    application.ShowException(std::current_exception());
    return 1;
  }
}
