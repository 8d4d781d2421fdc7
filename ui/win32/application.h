#pragma once
#include <windows.h>

#include <exception>
#include <string>
#include <vector>

namespace velmora::ui {

class Form;

// The application object: one per process, owns the message loop. Exceptions that escape an
// event handler end up here and are shown in a box, after which the program carries on.
class Application {
 public:
  Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;
  ~Application();

  static Application& Instance();

  const std::wstring& Title() const { return title_; }
  HINSTANCE Module() const { return module_; }

  // Shows the main form and runs the message loop until that form is destroyed; returns the
  // process exit code.
  int Run(Form& mainForm);
  void FormDestroyed(const Form* form);
  void ShowException(std::exception_ptr error) const;

  // The application's hint display: every registered hint window shows hints only while it is on.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on);
  void AddHintWindow(HWND hints);
  void RemoveHintWindow(HWND hints);

 private:
  HINSTANCE module_;
  const Form* mainForm_ = nullptr;
  std::wstring title_;
  bool showHint_ = true;
  std::vector<HWND> hintWindows_;
};

}  // namespace velmora::ui
