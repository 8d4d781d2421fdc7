#include "skin/manager/command_receivers.h"

namespace velmora::skin {
namespace {

void SendToChildren(const CommandReceiver& parent, const EngineMessage& message) {
  for (CommandReceiver* child : parent.Children()) {
    const CommandReceiver::State state = child->Describe();
    if (state.BeingDestroyed) return;
    if (!state.Windowed || !state.HasWindow) {
      child->Deliver(message, Delivery::Direct);
      continue;
    }
    child->Deliver(message, Delivery::Sent);
    if (!state.EngineHandled && !state.Excluded) SendToChildren(*child, message);
  }
}

void SendToForm(CommandReceiver& form, const EngineMessage& message) {
  form.Deliver(message, Delivery::Sent);
  SendToChildren(form, message);
  if (CommandReceiver* client = form.MdiClient()) client->Deliver(message, Delivery::Sent);
}

}  // namespace

void Broadcast(const ReceiverDirectory& receivers, const EngineMessage& message) {
  const std::vector<CommandReceiver*> forms = receivers.ApplicationForms();
  for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
    const CommandReceiver::State state = (*form)->Describe();
    if (state.MdiChild || state.Loading || state.BeingDestroyed || state.EngineHandled) continue;
    SendToForm(**form, message);
  }
  for (CommandReceiver* form : receivers.SkinnedForms()) {
    if (!form->Describe().BeingDestroyed) SendToForm(*form, message);
  }
  for (CommandReceiver* provider : receivers.Providers()) {
    if (provider->Describe().Visible) provider->Deliver(message, Delivery::Sent);
  }
}

}  // namespace velmora::skin
