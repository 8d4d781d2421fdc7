#include "skin/manager/skin_manager.h"

#include <algorithm>
#include <charconv>

#include "skin/data/skin_error.h"
#include "skin/data/skin_platform.h"
#include "skin/manager/scale_mode.h"

namespace velmora::skin {
namespace {

TsSkinManager* g_default = nullptr;
bool g_skinIsChanging = false;
bool g_broadcasting = false;
constexpr double kNewestSupportedVersion = 12.99;
constexpr std::string_view kNewerSkinWarning =
    "This version of the skin has not complete support by used Quenlith package release.\r\n"
    "Components must be updated to latest version for using this skin.";
constexpr int kMaxBrightness = 100;

// Runs a notify event unless it is empty.
void Notify(const std::function<void()>& event) {
  if (event) event();
}

// Every line that is neither empty nor a comment loses its blanks.
std::string WithoutBlanks(std::string_view text) {
  std::string out;
  bool lineStart = true;
  bool comment = false;
  for (const char c : text) {
    if (c == '\r' || c == '\n') {
      out += c;
      lineStart = true;
      continue;
    }
    if (lineStart) comment = c == ';';
    lineStart = false;
    if (comment || c != ' ') out += c;
  }
  return out;
}

// The version as the skin wrote it, with "." whatever the user's locale.
std::string FormatVersion(double version) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, version);
  return std::string(text, result.ptr);
}

}  // namespace

TsSkinManager* TsSkinManager::Default() { return g_default; }
bool TsSkinManager::SkinIsChanging() { return g_skinIsChanging; }
void TsSkinManager::SkinChangeReceived() { g_skinIsChanging = false; }
bool TsSkinManager::Broadcasting() { return g_broadcasting; }

TsSkinManager::TsSkinManager(ui::ComponentOwner& owner, std::string name, ManagerHost& host)
    : ui::Component(owner, name),
      host_(host),
      internalSkins_([this] { MarkSkinListOutdated(); }),
      hoverTimer_(owner, name + ".HoverTimer", HoverTracker::kIntervalMs),
      hover_(hoverTimer_, reinterpret_cast<intptr_t>(this), [this] { return destroying_; }) {
  systemScaleIndex_ = SystemScaleIndex(host_.AppliedDpi());
  if (!g_default) {
    g_default = this;
    host_.HookApplicationWindow(*this);
    hookedApplicationWindow_ = true;
  }
  LoadDefaults();
}

TsSkinManager::~TsSkinManager() {
  destroying_ = true;
  if (Applied()) Deactivate();
  if (hooksInstalled_) host_.RemoveHooks();
  registry_.reset();
  // The hook may outlive this manager's time as the default; it points here all the same.
  if (hookedApplicationWindow_) host_.UnhookApplicationWindow();
  if (g_default == this) g_default = nullptr;
}

void TsSkinManager::LoadDefaults() {
  FillThirdPartyDefaults(thirdParty_);
  classLists_ = LoadClassNameLists(thirdParty_);
  if (skinDirectory_.empty()) SetSkinDirectory(kDefaultSkinDirectory);
}

void TsSkinManager::ReadDefinition(const SkinManagerDefinition& definition) {
  loading_ = true;
  for (const StoredSkinDefinition& item : definition.InternalSkins) {
    internalSkins_.Add({.Name = std::string(item.Name),
                        .Data = {item.Data.begin(), item.Data.end()},
                        .OriginName = std::string(item.OriginName),
                        .Shadow1Color = item.Shadow1Color,
                        .Shadow1Offset = item.Shadow1Offset,
                        .Shadow1Transparency = item.Shadow1Transparency});
  }
  SetSkinDirectory(definition.SkinDirectory);
  SetSkinName(definition.SkinName);
  for (size_t i = 0; i < kThirdPartyKinds; ++i)
    thirdParty_.Texts[i] = std::string(definition.ThirdParty[i]);
  Loaded();
}

void TsSkinManager::Loaded() {
  if (options_.ScaleMode != TacScaleMode::smOldMode) host_.DeclareDpiAware();
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = "ICOLINE";
  LoadDefaults();
  loading_ = false;
  const bool wasApplied = Applied();
  if (active_ && !skinName_.empty()) Activate(false);
  if (Applied() && !wasApplied) Notify(OnActivate);
}

int TsSkinManager::ScaleIndex() const {
  return ScaleFor(options_.ScaleMode, systemScaleIndex_).Index;
}

int TsSkinManager::ScaledValue(int value) const {
  return ScaleFor(options_.ScaleMode, systemScaleIndex_).ScaledValue(value);
}

std::string TsSkinManager::SkinInfo() const {
  return Applied() ? FormatVersion(registry_->CommonData().Version) : "N/A";
}

EngineMessage TsSkinManager::Message(EngineCommand command) const {
  return EngineMessage{command, reinterpret_cast<intptr_t>(this)};
}

void TsSkinManager::Send(EngineCommand command) { Broadcast(host_.Receivers(), Message(command)); }

SkinLoadSettings TsSkinManager::LoadSettings() const {
  return SkinLoadSettings{.Scale = ScaleFor(options_.ScaleMode, systemScaleIndex_),
                          .Brightness = brightness_,
                          .HueOffset = hueOffset_,
                          .Saturation = saturation_,
                          .ExtendedBorders = extendedBorders_,
                          .CommonSections = commonSections_};
}

void TsSkinManager::LoadFromSource() {
  SkinPlatform& platform = host_.Platform();
  const SkinSourceChoice choice =
      ChooseSkinSource(skinName_, skinDirectory_, internalSkins_, platform);
  if (choice.Source == SkinSourceChoice::Kind::None) {
    active_ = false;
    return;
  }
  skinName_ = choice.SkinName;
  const LoadedSkinSource source =
      ReadSkinSource(choice, internalSkins_, platform, PreviewOptionsFor(choice));
  auto registry =
      SkinRegistry::Load(source.Options, ImagesOf(source, platform), LoadSettings(), platform);
  // The previous skin stays in force until the new one is whole.
  registry_ = std::move(registry);
  packageSkin_ = source.Package.has_value();
  if (registry_->CommonData().Version > kNewestSupportedVersion) {
    // The warning box itself must not be skinned.
    const uint8_t rules = skinningRules_;
    skinningRules_ &= uint8_t(~srStdDialogs);
    platform.ShowMessage(kNewerSkinWarning, MessageKind::Warning);
    skinningRules_ = rules;
  }
  Notify(OnSkinLoading);
}

// Only the folder skin the preview named takes its options text; other skins read their own, and
// so does that one when the record carried no text.
std::optional<std::string> TsSkinManager::PreviewOptionsFor(const SkinSourceChoice& choice) const {
  if (!preview_ || preview_->Options.empty() || choice.SkinName != preview_->SkinName ||
      skinDirectory_ != preview_->SkinDirectory) {
    return std::nullopt;
  }
  return preview_->Options;
}

void TsSkinManager::LoadGuarded(const std::string& previousName) {
  try {
    LoadFromSource();
  } catch (const SkinError& e) {
    skinName_ = previousName;
    if (!e.AlreadyReported()) host_.Platform().ShowMessage(e.what(), MessageKind::Error);
  } catch (const std::exception& e) {
    skinName_ = previousName;
    host_.Platform().ShowMessage(e.what(), MessageKind::Error);
  }
}

void TsSkinManager::SetSkinName(std::string_view name) {
  const std::string previous = skinName_;
  skinName_ = std::string(name);
  if (!active_) return;
  Notify(OnBeforeChange);
  g_skinIsChanging = true;
  if (registry_) registry_->CommonData().Applied = false;
  LoadGuarded(previous);
  if (!active_) {
    Deactivate();
  } else if (!activationPending_) {
    Activate(true);
  }
  if (Applied() && !loading_) Notify(OnActivate);
  g_skinIsChanging = false;
  if (!activationPending_) Notify(OnAfterChange);
}

void TsSkinManager::Activate(bool repaint, bool fade) {
  // Without a decoded skin there is nothing to apply.
  if (loading_ || !registry_) return;
  if (IsDefault()) host_.FreeAllGlows();
  fade = repaint && fade;
  if (fade) host_.PrepareSkinChangeFade();
  registry_->CommonData().Applied = false;
  g_broadcasting = true;
  Send(EngineCommand::NewSkin);
  g_broadcasting = false;
  registry_->CommonData().Applied = true;
  if (IsDefault() && !hooksInstalled_) {
    host_.InstallHooks(*this, options_.ChangeSysColors);
    hooksInstalled_ = true;
  }
  if (!repaint) return;
  RepaintForms(false);
  if (fade) host_.EndSkinChangeFade();
}

void TsSkinManager::RepaintForms(bool animate) {
  Send(EngineCommand::StopAnimation);
  if (animate) host_.PrepareSkinChangeFade();
  Send(EngineCommand::Refresh);
  for (CommandReceiver* provider : host_.Receivers().Providers()) {
    if (provider->Describe().Visible) provider->Redraw();
  }
  if (animate) host_.EndSkinChangeFade();
}

void TsSkinManager::Deactivate() {
  host_.FreeAllGlows();
  if (hooksInstalled_) {
    host_.RemoveHooks();
    hooksInstalled_ = false;
  }
  if (IsDefault()) host_.Receivers().FreeProviders();
  if (registry_) registry_->CommonData().Applied = false;
  Send(EngineCommand::RemoveSkin);
  registry_.reset();
}

void TsSkinManager::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  if (active) {
    SetSkinName(skinName_);
  } else if (!skinName_.empty()) {
    if (!loading_) Deactivate();
    Notify(OnDeactivate);
  }
}

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && g_default) return;
  g_default = this;
  if (active_) {
    Activate(true);
  } else {
    Deactivate();
  }
}

void TsSkinManager::Reload() {
  if (!active_ || loading_) return;
  LoadGuarded(skinName_);
  Activate(true);
  if (!activationPending_) {
    Notify(OnAfterChange);
    RepaintForms(true);
  }
}

void TsSkinManager::UpdateSkin(bool repaintAnimation) {
  LoadGuarded(skinName_);
  Activate(false);
  RepaintForms(repaintAnimation);
}

void TsSkinManager::SetBrightness(int value) {
  value = std::clamp(value, -kMaxBrightness, kMaxBrightness);
  if (value == brightness_) return;
  brightness_ = value;
  Reload();
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == hueOffset_) return;
  hueOffset_ = value;
  Reload();
}

void TsSkinManager::SetSaturation(int value) {
  if (value == saturation_) return;
  saturation_ = value;
  Reload();
}

void TsSkinManager::SetCommonSections(std::string_view text) {
  commonSections_ = WithoutBlanks(text);
  SetSkinName(skinName_);
}

void TsSkinManager::SetExtendedBorders(bool value) {
  if (value == extendedBorders_) return;
  extendedBorders_ = value;
  if (!Applied()) return;
  LoadGuarded(skinName_);
  Activate(false);
  if (!loading_) RepaintForms(true);
}

void TsSkinManager::SetSkinnedPopups(bool value) { skinnedPopups_ = value; }

void TsSkinManager::SetSkinDirectory(std::string_view directory) {
  if (directory == skinDirectory_) return;
  skinDirectory_ = std::string(directory);
  skinPath_ = ResolveSkinDirectory(skinDirectory_, host_.Platform().ApplicationDirectory());
  MarkSkinListOutdated();
  Notify(OnSkinListChanged);
}

void TsSkinManager::SetSkinsFilter(uint8_t filter) {
  if (filter == skinsFilter_) return;
  skinsFilter_ = filter;
  MarkSkinListOutdated();
  Notify(OnSkinListChanged);
}

std::string TsSkinManager::GetSkinNames(std::vector<std::string>& names, int kind) {
  if (skinListOutdated_) {
    skinList_ = BuildSkinList(internalSkins_, skinPath_, skinsFilter_ & sfiInternal,
                              skinsFilter_ & sfiExternal, host_.Platform());
    skinListOutdated_ = false;
  }
  return skin::GetSkinNames(skinList_, kind, names);
}

void TsSkinManager::SetChangeSysColors(bool value) {
  if (value == options_.ChangeSysColors) return;
  options_.ChangeSysColors = value;
  if (hooksInstalled_) host_.SetSystemColourRedirection(*this, value);
}

void TsSkinManager::SetArrowsStyle(TacArrowsStyle style) {
  if (style == options_.ArrowsStyle) return;
  options_.ArrowsStyle = style;
  if (active_) Activate(true);
}

void TsSkinManager::SetAllowOuterEffects(bool value) {
  if (value == Effects.AllowOuterEffects) return;
  Effects.AllowOuterEffects = value;
  if (!loading_ && !g_skinIsChanging) RepaintForms(false);
}

void TsSkinManager::SetDiscoloredGlyphs(bool value) {
  if (value == Effects.DiscoloredGlyphs) return;
  Effects.DiscoloredGlyphs = value;
  if (!loading_ && !g_skinIsChanging) RepaintForms(false);
}

void TsSkinManager::SetScaleMode(TacScaleMode mode) {
  if (mode == options_.ScaleMode) return;
  const int oldPercent = ScaleFor(options_.ScaleMode, systemScaleIndex_).Percent();
  const int newPercent = ScaleFor(mode, systemScaleIndex_).Percent();
  if (OnScaleModeChange)
    OnScaleModeChange(*this, {options_.ScaleMode, mode, oldPercent, newPercent});
  options_.ScaleMode = mode;
  if (loading_ || !Applied()) return;
  for (CommandReceiver* form : host_.Receivers().ApplicationForms()) {
    const intptr_t current = form->Deliver(Message(EngineCommand::GetScale), Delivery::Sent);
    if (current != newPercent)
      form->Deliver({EngineCommand::SetScale, newPercent}, Delivery::Sent);
  }
  LoadGuarded(skinName_);
  Activate(true);
  Notify(OnAfterChange);
}

// A refused record leaves a valid one that is still waiting in place.
bool TsSkinManager::ReceiveSkinRecord(std::span<const uint8_t> bytes) {
  if (handlingReceived_) return false;
  std::optional<PreviewRecord> record = ParsePreviewRecord(bytes);
  if (!record) return false;
  received_ = std::move(record);
  return true;
}

void TsSkinManager::LoadReceivedSkin() {
  if (!received_ || handlingReceived_) return;
  handlingReceived_ = true;
  preview_ = std::move(received_);
  received_.reset();
  activationPending_ = true;
  SetSkinDirectory(preview_->SkinDirectory);
  SetSkinName(preview_->SkinName);
  activationPending_ = false;
  Activate(true, false);
  Notify(OnAfterChange);
  handlingReceived_ = false;
}

}  // namespace velmora::skin
