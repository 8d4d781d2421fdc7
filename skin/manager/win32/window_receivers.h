#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "skin/manager/command_receivers.h"

namespace velmora::skin {

// The properties that mark engine-handled windows: the skin data (an EngineFastPath) and the
// adapter.
inline constexpr const wchar_t* kSkinDataProperty = L"ACSDATA";
inline constexpr const wchar_t* kAdapterProperty = L"ACSBSC";

// The skin data of windows that carry the "ACSDATA" property, kept in the process as well:
// reading a property can cost a round trip to the window server, and commands are frequent.
// The property's owner registers and unregisters with it.
void RegisterSkinData(HWND window, EngineFastPath* data);
void UnregisterSkinData(HWND window, EngineFastPath* data);
EngineFastPath* SkinDataOf(HWND window);

// Sends an engine command to a window; the answer is the message's result.
LRESULT SendEngineCommand(HWND window, const EngineMessage& message);

// The command a window procedure received in the engine message. A command that carries a
// pointer keeps its argument only when this thread sent it through SendEngineCommand; from
// anywhere else (another thread or process, or a posted message) it arrives without one.
EngineMessage ReceivedEngineCommand(WPARAM wParam, LPARAM lParam);

// A window as the manager's broadcasts see it: its child windows are its controls, in creation
// order.
class WindowReceiver : public CommandReceiver {
 public:
  explicit WindowReceiver(HWND window) : window_(window) {}

  HWND Handle() const { return window_; }
  State Describe() const override;
  std::vector<CommandReceiver*> Children() const override;
  intptr_t Deliver(const EngineMessage& message, Delivery how) override;
  void Redraw() override;

 private:
  HWND window_;
  mutable std::vector<std::unique_ptr<WindowReceiver>> children_;
};

// The windows the window frame serves while the default manager's hooks are in: forms with a
// frame component, and system dialogs with a dialog frame.
class FramedWindows {
 public:
  virtual std::vector<HWND> FramedForms() const = 0;
  virtual std::vector<HWND> FramedDialogs() const = 0;

 protected:
  ~FramedWindows() = default;
};

// The application's forms; with the window frame's hooks in, also the forms that carry a frame
// component and the dialogs' frames (the providers).
class FormDirectory : public ReceiverDirectory {
 public:
  void AddForm(HWND form, int32_t tag = 0) {
    forms_.push_back({std::make_unique<WindowReceiver>(form), tag});
  }
  // nullptr while no hooks are in.
  void SetFrames(const FramedWindows* frames);
  void RemoveForm(HWND form);
  // The form's tag, or nullopt when the window is not a form of the application.
  std::optional<int32_t> TagOf(HWND window) const;
  std::vector<HWND> Handles() const;
  std::vector<CommandReceiver*> ApplicationForms() const override;
  std::vector<CommandReceiver*> SkinnedForms() const override;
  // The dialogs' frames: only dialogs get one of their own beside the forms.
  std::vector<CommandReceiver*> Providers() const override;
  // The frames go with the hooks that made them.
  void FreeProviders() override {}

 private:
  struct Form {
    std::unique_ptr<WindowReceiver> Receiver;
    int32_t Tag = 0;
  };
  std::vector<Form> forms_;
  const FramedWindows* frames_ = nullptr;
  // A receiver per dialog seen while the hooks are in: a broadcast may still hold one of them
  // when a dialog goes, so they are dropped only with the hooks.
  mutable std::vector<std::unique_ptr<WindowReceiver>> dialogs_;
};

}  // namespace velmora::skin
