#include "ui/win32/application.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "ui/app_title.h"
#include "ui/win32/executable.h"
#include "ui/win32/form.h"
#include "ui/win32/message_box.h"
#include "ui/win32/text.h"

namespace velmora::ui {
namespace {

Application* g_instance = nullptr;

}  // namespace

Application::Application()
    : module_(GetModuleHandleW(nullptr)), title_(ApplicationTitleFromPath(ExecutablePath())) {
  if (g_instance) throw std::logic_error("only one application object may exist");
  g_instance = this;
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                      ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

Application::~Application() { g_instance = nullptr; }

Application& Application::Instance() { return *g_instance; }

int Application::Run(Form& mainForm) {
  mainForm_ = &mainForm;
  mainForm.Show();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab and arrow keys move between the main form's controls.
    if (mainForm_ && IsDialogMessageW(mainForm.Handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

void Application::FormDestroyed(const Form* form) {
  if (form != mainForm_) return;
  mainForm_ = nullptr;
  PostQuitMessage(0);
}

void Application::SetShowHint(bool on) {
  showHint_ = on;
  for (HWND hints : hintWindows_) SendMessageW(hints, TTM_ACTIVATE, on, 0);
}

void Application::AddHintWindow(HWND hints) {
  hintWindows_.push_back(hints);
  SendMessageW(hints, TTM_ACTIVATE, showHint_, 0);
}

void Application::RemoveHintWindow(HWND hints) { std::erase(hintWindows_, hints); }

void Application::ShowException(std::exception_ptr error) const {
  std::wstring text = L"Unknown error";
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    text = WideFromUtf8(e.what());
  } catch (...) {
  }
  ShowMessageBox(nullptr, text, title_.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace velmora::ui
