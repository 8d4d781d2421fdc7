#pragma once
// A desktop of the tests' own for the skin manager: receivers that record every command they
// get, in one shared log, and a host that records what the manager asks of the platform.
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "skin/manager/command_receivers.h"
#include "skin/manager/manager_host.h"
#include "tests/skin/fake_platform.h"

namespace velmora::skin::test {

struct Delivered {
  std::string Receiver;
  EngineCommand Command;
  Delivery How;
  bool operator==(const Delivered&) const = default;
  friend void PrintTo(const Delivered& d, std::ostream* out) {
    *out << d.Receiver << ":" << int(d.Command) << (d.How == Delivery::Sent ? "" : " direct");
  }
};

class RecordingReceiver : public CommandReceiver {
 public:
  RecordingReceiver(std::string name, std::vector<Delivered>& log) : name_(std::move(name)),
                                                                     log_(log) {}
  State Describe() const override { return state; }
  std::vector<CommandReceiver*> Children() const override {
    std::vector<CommandReceiver*> out;
    for (const auto& child : children) out.push_back(child.get());
    return out;
  }
  CommandReceiver* MdiClient() const override { return mdiClient.get(); }
  intptr_t Deliver(const EngineMessage& message, Delivery how) override {
    log_.push_back({name_, message.Command, how});
    return message.Command == EngineCommand::GetScale ? scalePercent : 0;
  }
  void Redraw() override { log_.push_back({name_ + " redrawn", EngineCommand{}, Delivery::Sent}); }

  RecordingReceiver& Add(std::string name) {
    children.push_back(std::make_unique<RecordingReceiver>(std::move(name), log_));
    return *children.back();
  }

  State state;
  std::vector<std::unique_ptr<RecordingReceiver>> children;
  std::unique_ptr<RecordingReceiver> mdiClient;
  intptr_t scalePercent = 100;

 private:
  std::string name_;
  std::vector<Delivered>& log_;
};

class RecordingDirectory : public ReceiverDirectory {
 public:
  std::vector<CommandReceiver*> ApplicationForms() const override { return forms; }
  std::vector<CommandReceiver*> SkinnedForms() const override { return skinnedForms; }
  std::vector<CommandReceiver*> Providers() const override { return providers; }
  void FreeProviders() override {
    providers.clear();
    ++providerFrees;
  }

  std::vector<CommandReceiver*> forms, skinnedForms, providers;
  int providerFrees = 0;
};

// A platform that lets a test look at the moment a message box opens.
class WatchedPlatform : public FakePlatform {
 public:
  void ShowMessage(std::string_view text, MessageKind kind) override {
    if (OnMessage) OnMessage();
    FakePlatform::ShowMessage(text, kind);
  }
  std::function<void()> OnMessage;
};

class FakeManagerHost : public ManagerHost {
 public:
  SkinPlatform& Platform() override { return platform; }
  ReceiverDirectory& Receivers() override { return directory; }
  std::optional<long long> AppliedDpi() override { return appliedDpi; }
  void DeclareDpiAware() override { ++dpiAwareCalls; }
  void InstallHooks(const TsSkinManager&, bool redirectColours) override {
    ++hookInstalls;
    colourRedirection = redirectColours;
  }
  void RemoveHooks() override {
    ++hookRemovals;
    colourRedirection = false;
  }
  void SetSystemColourRedirection(const TsSkinManager&, bool on) override {
    colourRedirection = on;
  }
  void HookApplicationWindow(TsSkinManager&) override { applicationWindowHooked = true; }
  void UnhookApplicationWindow() override { applicationWindowHooked = false; }
  void PrepareSkinChangeFade() override {
    if (OnFade) OnFade("fade prepared");
  }
  void EndSkinChangeFade() override {
    if (OnFade) OnFade("fade ended");
  }
  void FreeAllGlows() override { ++glowFrees; }

  WatchedPlatform platform;
  RecordingDirectory directory;
  std::optional<long long> appliedDpi;
  int dpiAwareCalls = 0, hookInstalls = 0, hookRemovals = 0, glowFrees = 0;
  bool colourRedirection = false;
  bool applicationWindowHooked = false;
  std::function<void(const char* step)> OnFade;
};

}  // namespace velmora::skin::test
