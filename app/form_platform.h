#pragma once
#include <string>

namespace velmora::app {

// What the main window's logic asks of the desktop at start-up, kept behind an interface so the
// start-up order can be checked natively.
class FormPlatform {
 public:
  // Claims the process-wide instance marker; false when another copy of the program holds it.
  virtual bool ClaimSingleInstance() = 0;
  // A modal error box with no owner, the error icon and one OK button; `text` is UTF-8.
  virtual void ShowErrorBox(const std::string& text) = 0;
  // Ends the process at once, with the normal process shutdown.
  [[noreturn]] virtual void EndProcess(int exitCode) = 0;
  // The main window's handle, given to the audio engine.
  virtual void* WindowHandle() const = 0;

 protected:
  ~FormPlatform() = default;
};

}  // namespace velmora::app
