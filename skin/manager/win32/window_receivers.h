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

// The application's forms. Forms with a frame component and the providers come with the
// window frame; until then those lists are empty.
class FormDirectory : public ReceiverDirectory {
 public:
  void AddForm(HWND form, int32_t tag = 0) {
    forms_.push_back({std::make_unique<WindowReceiver>(form), tag});
  }
  void RemoveForm(HWND form);
  // The form's tag, or nullopt when the window is not a form of the application.
  std::optional<int32_t> TagOf(HWND window) const;
  std::vector<HWND> Handles() const;
  std::vector<CommandReceiver*> ApplicationForms() const override;
  std::vector<CommandReceiver*> SkinnedForms() const override { return {}; }
  std::vector<CommandReceiver*> Providers() const override { return {}; }
  void FreeProviders() override {}

 private:
  struct Form {
    std::unique_ptr<WindowReceiver> Receiver;
    int32_t Tag = 0;
  };
  std::vector<Form> forms_;
};

}  // namespace velmora::skin
