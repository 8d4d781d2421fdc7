#include "skin/manager/win32/window_receivers.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace velmora::skin {
namespace {

constexpr uint16_t kIsHandled = 7;

// The command this thread is sending through the platform right now, innermost first.
struct Sending {
  const EngineMessage* Message;
  // Whether the thread was handling another thread's sent message when it sent ours. A command
  // from elsewhere that arrives while ours is under way is handled in that state, so one sent
  // outside it is told apart by the state; inside it, by the exact command and argument.
  bool InForeignSend;
};
thread_local Sending t_sending{};

class SendingMark {
 public:
  explicit SendingMark(const EngineMessage& message)
      : outer_(std::exchange(t_sending, Sending{&message, InSendMessage() != FALSE})) {}
  SendingMark(const SendingMark&) = delete;
  SendingMark& operator=(const SendingMark&) = delete;
  ~SendingMark() { t_sending = outer_; }

 private:
  Sending outer_;
};

bool SentByThisThread(const EngineMessage& message) {
  const EngineMessage* sending = t_sending.Message;
  return sending && (InSendMessage() != FALSE) == t_sending.InForeignSend &&
         sending->Command == message.Command && sending->Argument == message.Argument;
}

std::unordered_map<HWND, EngineFastPath*>& SkinDataByWindow() {
  static std::unordered_map<HWND, EngineFastPath*> windows;
  return windows;
}

bool IsEngineHandled(HWND window) {
  if (SkinDataOf(window) || GetPropW(window, kSkinDataProperty) ||
      GetPropW(window, kAdapterProperty))
    return true;
  return SendMessageW(window, kEngineMessage, WPARAM(kIsHandled) << 16, 0) == 1;
}

}  // namespace

void RegisterSkinData(HWND window, EngineFastPath* data) { SkinDataByWindow()[window] = data; }

void UnregisterSkinData(HWND window, EngineFastPath* data) {
  const auto found = SkinDataByWindow().find(window);
  if (found != SkinDataByWindow().end() && found->second == data) SkinDataByWindow().erase(found);
}

EngineFastPath* SkinDataOf(HWND window) {
  const auto found = SkinDataByWindow().find(window);
  return found == SkinDataByWindow().end() ? nullptr : found->second;
}

LRESULT SendEngineCommand(HWND window, const EngineMessage& message) {
  // Windows with skin data are called through their saved procedure, past the message queue.
  const EngineFastPath* fastPath = SkinDataOf(window);
  if (fastPath && fastPath->SavedProcedure) return fastPath->SavedProcedure(message);
  const SendingMark mark(message);
  return SendMessageW(window, kEngineMessage, EngineWParam(message.Command, message.Flag),
                      LPARAM(message.Argument));
}

EngineMessage ReceivedEngineCommand(WPARAM wParam, LPARAM lParam) {
  EngineMessage message{EngineCommand(HIWORD(wParam)), intptr_t(lParam), LOWORD(wParam)};
  if (CarriesPointer(message.Command) && !SentByThisThread(message)) message.Argument = 0;
  return message;
}

CommandReceiver::State WindowReceiver::Describe() const {
  const bool exists = IsWindow(window_);
  return State{.Windowed = true,
               .HasWindow = exists,
               .BeingDestroyed = !exists,
               .EngineHandled = exists && IsEngineHandled(window_),
               .Visible = exists && IsWindowVisible(window_)};
}

// Child windows are created at the bottom of their siblings' order, so this is creation order.
std::vector<CommandReceiver*> WindowReceiver::Children() const {
  children_.clear();
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children_.push_back(std::make_unique<WindowReceiver>(child));
  std::vector<CommandReceiver*> out;
  for (const auto& child : children_) out.push_back(child.get());
  return out;
}

intptr_t WindowReceiver::Deliver(const EngineMessage& message, Delivery) {
  return SendEngineCommand(window_, message);
}

void WindowReceiver::Redraw() {
  RedrawWindow(window_, nullptr, nullptr,
               RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

void FormDirectory::RemoveForm(HWND form) {
  std::erase_if(forms_, [form](const Form& f) { return f.Receiver->Handle() == form; });
}

std::optional<int32_t> FormDirectory::TagOf(HWND window) const {
  for (const Form& form : forms_)
    if (form.Receiver->Handle() == window) return form.Tag;
  return std::nullopt;
}

std::vector<HWND> FormDirectory::Handles() const {
  std::vector<HWND> out;
  for (const Form& form : forms_) out.push_back(form.Receiver->Handle());
  return out;
}

std::vector<CommandReceiver*> FormDirectory::ApplicationForms() const {
  std::vector<CommandReceiver*> out;
  for (const Form& form : forms_) out.push_back(form.Receiver.get());
  return out;
}

void FormDirectory::SetFrames(const FramedWindows* frames) {
  frames_ = frames;
  dialogs_.clear();
}

std::vector<CommandReceiver*> FormDirectory::SkinnedForms() const {
  std::vector<CommandReceiver*> out;
  if (!frames_) return out;
  const std::vector<HWND> framed = frames_->FramedForms();
  for (const Form& form : forms_) {
    if (std::find(framed.begin(), framed.end(), form.Receiver->Handle()) != framed.end())
      out.push_back(form.Receiver.get());
  }
  return out;
}

std::vector<CommandReceiver*> FormDirectory::Providers() const {
  std::vector<CommandReceiver*> out;
  if (!frames_) return out;
  for (const HWND dialog : frames_->FramedDialogs()) {
    auto known = std::find_if(dialogs_.begin(), dialogs_.end(),
                              [dialog](const auto& r) { return r->Handle() == dialog; });
    if (known == dialogs_.end()) {
      dialogs_.push_back(std::make_unique<WindowReceiver>(dialog));
      known = dialogs_.end() - 1;
    }
    out.push_back(known->get());
  }
  return out;
}

}  // namespace velmora::skin
