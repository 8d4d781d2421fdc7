#pragma once
#include "skin/controls/skin_owner.h"
#include "skin/manager/skin_manager.h"

namespace velmora::skin {

// The skin manager component as its skin data objects see it.
class TsSkinManagerLink : public ManagerLink {
 public:
  explicit TsSkinManagerLink(TsSkinManager& manager) : manager_(manager) {}
  const SkinRegistry* Registry() const override { return manager_.Registry(); }
  bool Active() const override { return manager_.Active(); }
  bool BeingDestroyed() const override { return manager_.Destroying(); }
  const TacOptions& Options() const override { return manager_.Options(); }
  const TacSkinEffects& Effects() const override { return manager_.Effects; }
  const TacButtonsSupport& ButtonsOptions() const override { return manager_.ButtonsOptions; }
  intptr_t Identity() const override { return reinterpret_cast<intptr_t>(&manager_); }
  void SetHoveredWindow(HoverTarget* window) override { manager_.SetHoveredWindow(window); }
  void ForgetHover(const HoverTarget* target) override { manager_.Hover().Forget(target); }

 private:
  TsSkinManager& manager_;
};

}  // namespace velmora::skin
