#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "ui/button.h"
#include "ui/static_controls.h"
#include "ui/win32/form.h"

namespace velmora::ui {

// The framework's message form: a text and an OK button in a small dialog. It is a form of the
// application like any other, so the skin gives it its frame and its controls their adapters.
class MessageForm : public Form {
 public:
  static constexpr std::string_view kClassName = "TMessageForm";

  // Texts are UTF-8.
  MessageForm(std::string_view caption, std::string_view text);

  // Shows the form over the thread's other windows, which take no input until it closes.
  void ShowModal();

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  MessageForm(std::string_view caption, std::string_view text, SIZE textSize);

  std::string text_;
  ControlDefinition labelDefinition_;
  ControlDefinition buttonDefinition_;
  ComponentOwner owner_;
  Label label_;
  Button ok_;
  bool closed_ = false;
};

}  // namespace velmora::ui
