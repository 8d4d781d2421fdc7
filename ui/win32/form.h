#pragma once
#include <windows.h>

namespace velmora::ui {

// What a form's definition fixes about its window. Sizes are design pixels (120 dpi).
struct FormDefinition {
  const wchar_t* className;
  const wchar_t* caption;
  int clientWidth;
  int clientHeight;
};

// A top-level window with a fixed single border, the system menu and a minimise box, centred
// on the desktop and scaled to the screen's resolution. Subclasses handle its messages.
class Form {
 public:
  explicit Form(const FormDefinition& definition);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND Handle() const { return handle_; }
  int ScreenDpi() const { return screenDpi_; }
  int Scale(int designPixels) const;

  void Show();
  // Asks the form to close, as its close box does.
  void Close();

 protected:
  // Runs on every close request; returning false keeps the form open.
  virtual bool CloseQuery() { return true; }
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void RegisterWindowClass(const wchar_t* className) const;
  RECT CentredWindowRect(int clientWidth, int clientHeight) const;

  HWND handle_ = nullptr;
  int screenDpi_;
};

}  // namespace velmora::ui
