#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "skin/data/skin_list.h"
#include "skin/data/skin_registry.h"
#include "skin/data/skin_source.h"
#include "skin/manager/command_receivers.h"
#include "skin/manager/hover_tracking.h"
#include "skin/manager/manager_host.h"
#include "skin/manager/manager_options.h"
#include "skin/manager/preview_record.h"
#include "skin/manager/skin_manager_definition.h"
#include "skin/manager/third_party_lists.h"
#include "ui/component.h"
#include "ui/timer.h"

namespace velmora::skin {

inline constexpr std::string_view kEngineVersion = "12.22";
inline constexpr std::string_view kDefaultSkinDirectory = "c:\\Skins";

struct TacScaleChange {
  TacScaleMode OldMode, NewMode;
  int OldPercent, NewPercent;
};

// The component that owns the active skin: it reads the skin named by SkinName from its source,
// has it decoded, and tells every form and control of the application when a skin comes, goes
// or must be repainted. It also keeps the engine-wide settings and hover tracking.
class TsSkinManager : public ui::Component {
 public:
  TsSkinManager(ui::ComponentOwner& owner, std::string name, ManagerHost& host);
  ~TsSkinManager() override;

  // Reads the stored properties in their stored order, then finishes as Loaded.
  void ReadDefinition(const SkinManagerDefinition& definition);

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool active);
  bool IsDefault() const { return Default() == this; }
  void SetIsDefault(bool value);
  bool ExtendedBorders() const { return extendedBorders_; }
  void SetExtendedBorders(bool value);
  bool SkinnedPopups() const { return skinnedPopups_; }
  void SetSkinnedPopups(bool value);
  int Brightness() const { return brightness_; }
  void SetBrightness(int value);
  int HueOffset() const { return hueOffset_; }
  void SetHueOffset(int value);
  int Saturation() const { return saturation_; }
  void SetSaturation(int value);
  const std::string& CommonSections() const { return commonSections_; }
  void SetCommonSections(std::string_view text);
  TsStoredSkins& InternalSkins() { return internalSkins_; }
  const std::string& SkinDirectory() const { return skinDirectory_; }
  void SetSkinDirectory(std::string_view directory);
  uint8_t SkinsFilter() const { return skinsFilter_; }
  void SetSkinsFilter(uint8_t filter);
  const std::string& SkinName() const { return skinName_; }
  void SetSkinName(std::string_view name);
  std::string SkinInfo() const;
  uint8_t SkinningRules() const { return skinningRules_; }
  void SetSkinningRules(uint8_t rules) { skinningRules_ = rules; }
  const TsThirdPartyList& ThirdParty() const { return thirdParty_; }
  const ClassNameLists& ClassLists() const { return classLists_; }
  static std::string_view Version() { return kEngineVersion; }

  TacSkinEffects Effects;
  TacAnimEffects AnimEffects;
  TacButtonsSupport ButtonsOptions;
  TacLabelsSupport LabelsOptions;
  TacMenuSupport MenuSupport;
  TacScrollBarsSupport ScrollsOptions;
  const TacOptions& Options() const { return options_; }
  void SetChangeSysColors(bool value);
  void SetArrowsStyle(TacArrowsStyle style);
  void SetScaleMode(TacScaleMode mode);
  void SetAllowOuterEffects(bool value);
  void SetDiscoloredGlyphs(bool value);

  std::function<void(TsSkinManager&, const TacScaleChange&)> OnScaleModeChange;
  std::function<void()> OnActivate, OnAfterChange, OnBeforeChange, OnDeactivate,
      OnSkinListChanged, OnSkinLoading;

  // The decoded skin; nullptr while none is held.
  const SkinRegistry* Registry() const { return registry_.get(); }
  bool Applied() const { return registry_ && registry_->CommonData().Applied; }
  bool PackageSkin() const { return packageSkin_; }
  int ScaleIndex() const;
  int ScaledValue(int value) const;
  std::string GetSkinNames(std::vector<std::string>& names, int kind);

  void UpdateSkin(bool repaintAnimation);
  void RepaintForms(bool animate);

  void SetHoveredWindow(HoverTarget* window) { hover_.SetHoveredWindow(window); }
  void SetHoveredControl(HoverTarget* control) { hover_.SetHoveredControl(control); }
  HoverTracker& Hover() { return hover_; }
  ui::Timer& HoverTimer() { return hoverTimer_; }

  // The preview interface: a record arrives by copy-data and is kept; false when refused or
  // while one is being handled. The platform then posts the load command.
  bool ReceiveSkinRecord(std::span<const uint8_t> bytes);
  void LoadReceivedSkin();

  static TsSkinManager* Default();
  // Set while a skin is loaded and broadcast: controls skip drawing meanwhile.
  static bool SkinIsChanging();
  // A receiver has taken the new skin in.
  static void SkinChangeReceived();
  static bool Broadcasting();
  bool Destroying() const { return destroying_; }

 private:
  void Loaded();
  void LoadDefaults();
  // The new-skin broadcast; with `repaint` everything repaints after it, with `fade` through the
  // skin-changing fade.
  void Activate(bool repaint, bool fade = true);
  void Deactivate();
  // Loads the skin SkinName names; a failure restores `previousName` and is reported.
  void LoadGuarded(const std::string& previousName);
  void LoadFromSource();
  void Reload();
  void Send(EngineCommand command);
  SkinLoadSettings LoadSettings() const;
  EngineMessage Message(EngineCommand command) const;
  void MarkSkinListOutdated() { skinListOutdated_ = true; }
  std::optional<std::string> PreviewOptionsFor(const SkinSourceChoice& choice) const;

  ManagerHost& host_;
  bool loading_ = false;
  bool destroying_ = false;
  bool active_ = true;
  bool extendedBorders_ = false;
  bool skinnedPopups_ = true;
  int brightness_ = 0, hueOffset_ = 0, saturation_ = 0;
  std::string commonSections_;
  TsStoredSkins internalSkins_;
  std::string skinDirectory_;
  std::string skinPath_;  // the directory resolved
  std::string skinName_;
  uint8_t skinsFilter_ = sfiInternal | sfiExternal;
  uint8_t skinningRules_ = srStdForms | srStdDialogs | srThirdParty;
  TsThirdPartyList thirdParty_;
  ClassNameLists classLists_;
  TacOptions options_;
  int systemScaleIndex_ = 0;

  std::unique_ptr<SkinRegistry> registry_;
  bool packageSkin_ = false;
  bool hooksInstalled_ = false;
  bool hookedApplicationWindow_ = false;
  bool activationPending_ = false;
  std::optional<PreviewRecord> received_;
  bool handlingReceived_ = false;
  // The last preview: its options text replaces that folder skin's options file.
  std::optional<PreviewRecord> preview_;
  SkinList skinList_;
  bool skinListOutdated_ = true;
  ui::Timer hoverTimer_;
  HoverTracker hover_;
};

}  // namespace velmora::skin
