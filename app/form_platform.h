#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::skin {
class ManagerHost;
}

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
  // A plain modal message box with no icon, captioned with the application's title.
  virtual void ShowMessage(const std::string& text) = 0;
  // The settings file's whole content; nothing when it cannot be read.
  virtual std::optional<std::string> ReadSettingsFile() = 0;
  // Replaces the settings file's content in one step, or throws an error that names the file
  // and the reason, leaving the old file as it was.
  virtual void WriteSettingsFile(std::string_view content) = 0;
  // The default wave output device's volume (low half left, high half right); nothing happens
  // where the device has no volume control.
  virtual void SetDeviceVolume(std::uint32_t volume) = 0;
  // The picture of the notification-area icon: 0 the sound off, 1 the sound on.
  virtual void SetTrayIconIndex(int index) = 0;
  // What the skin manager needs of the desktop.
  virtual skin::ManagerHost& SkinManagerHost() = 0;

 protected:
  ~FormPlatform() = default;
};

}  // namespace velmora::app
