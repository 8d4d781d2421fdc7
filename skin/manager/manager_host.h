#pragma once
#include <optional>

namespace velmora::skin {

class SkinPlatform;
class ReceiverDirectory;
class TsSkinManager;

// What the manager needs of the desktop beyond skin data's own questions.
class ManagerHost {
 public:
  virtual SkinPlatform& Platform() = 0;
  virtual ReceiverDirectory& Receivers() = 0;
  // The per-user "AppliedDPI" value, when there is one.
  virtual std::optional<long long> AppliedDpi() = 0;
  virtual void DeclareDpiAware() = 0;
  // The default manager's process-wide hooks; the colour redirection only when asked.
  virtual void InstallHooks(const TsSkinManager& manager, bool redirectSystemColours) = 0;
  virtual void RemoveHooks() = 0;
  virtual void SetSystemColourRedirection(const TsSkinManager& manager, bool on) = 0;
  // The application window's messages reach the manager from the first manager's creation.
  virtual void HookApplicationWindow(TsSkinManager& manager) = 0;
  virtual void UnhookApplicationWindow() = 0;
  // The skin change's fade: the shown forms keep their look over themselves before a new skin
  // reaches them, and let it fade out once they have repainted.
  virtual void PrepareSkinChangeFade() = 0;
  virtual void EndSkinChangeFade() = 0;
  // Removes every control's glow window (they belong to the skin that is going).
  virtual void FreeAllGlows() = 0;

 protected:
  ~ManagerHost() = default;
};

}  // namespace velmora::skin
