#pragma once
// The forms and controls that the manager's broadcasts reach, and the broadcast itself.
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/manager/engine_message.h"

namespace velmora::skin {

struct EngineMessage {
  EngineCommand Command;
  intptr_t Argument = 0;
  uint16_t Flag = 0;
};

// What the "ACSDATA" property of a window points to: while a procedure is saved, commands to
// that window call it directly instead of going through the platform's message sending.
struct EngineFastPath {
  std::function<intptr_t(const EngineMessage&)> SavedProcedure;
};

// Through the control's window, or by calling its handler directly.
enum class Delivery { Sent, Direct };

class CommandReceiver {
 public:
  struct State {
    bool Windowed = true;  // forms are; labels of some frameworks are not
    bool HasWindow = true;
    bool BeingDestroyed = false;
    bool Loading = false;
    bool MdiChild = false;
    bool EngineHandled = false;  // has skin data or an adapter, or answers the handled query
    bool Excluded = false;       // a registered filter keeps the walk out of its children
    bool Visible = true;
  };

  virtual State Describe() const = 0;
  virtual std::vector<CommandReceiver*> Children() const = 0;  // in index order
  virtual CommandReceiver* MdiClient() const { return nullptr; }
  virtual intptr_t Deliver(const EngineMessage& message, Delivery how) = 0;
  // Redraws frame, children and background of a visible window.
  virtual void Redraw() = 0;

 protected:
  ~CommandReceiver() = default;
};

// Where the receivers of a broadcast are found.
class ReceiverDirectory {
 public:
  // The application object's components that are forms, first to last.
  virtual std::vector<CommandReceiver*> ApplicationForms() const = 0;
  // Forms that carry a frame skinning component.
  virtual std::vector<CommandReceiver*> SkinnedForms() const = 0;
  // The attachment components of forms and dialogs.
  virtual std::vector<CommandReceiver*> Providers() const = 0;
  virtual void FreeProviders() = 0;

 protected:
  ~ReceiverDirectory() = default;
};

// Application forms from the last to the first with their controls, the skinned forms with
// theirs, then the visible providers. The order is part of the engine's contract.
void Broadcast(const ReceiverDirectory& receivers, const EngineMessage& message);

}  // namespace velmora::skin
