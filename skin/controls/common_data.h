#pragma once
// The skin data every skinned object owns: its section, its visual state, its cache image and the
// default handling of the engine's commands.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "skin/controls/fade_timer.h"
#include "skin/controls/skin_owner.h"

namespace velmora::skin {

struct TsGeneralData;
struct TsGenState;

enum StateFlag : uint32_t {
  kAllowedDcSet = 0x200,
  kInUpdate = 0x800,
  kEngineFontChange = 0x2000,
  kWidthChanging = 0x8000,
  kHeightChanging = 0x10000,
};

enum class TacOuterVisibility : uint8_t { ovNone, ovAlways };

class TsCommonData : public EngineFastPath {
 public:
  // The default (first created) manager, for owners that name none.
  static void SetDefaultManager(ManagerLink* manager);

  TsCommonData(SkinOwner& owner, bool cacheWanted);
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;
  ~TsCommonData();

  // Published.
  bool CustomColor = false;
  bool CustomFont = false;
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(std::string_view name);
  ManagerLink* SkinManager() const;
  void SetSkinManager(ManagerLink* manager);
  // The manager's button options, their defaults without a manager.
  const TacButtonsSupport& ButtonsOptions() const;
  TacOuterVisibility OuterVisibility = TacOuterVisibility::ovNone;

  // Rendering adjustments of the control kinds that publish them.
  uint32_t ColorTone = 0x1FFFFFFF;
  int32_t HUEOffset = 0;
  int32_t Saturation = 0;

  // State.
  bool HasFocus = false;
  bool Updating = false;
  bool MouseOver = false;
  bool PartlyVisible = false;
  bool Loading = true;
  bool CacheStale = true;
  uint8_t ControlKind = 0;
  int32_t BorderMaskIndex = -1;
  int32_t ScalePercent = 100;
  int32_t UpdateCount = 0;
  intptr_t AllowedDC = 0;
  uint16_t SectionTraits = 0;
  uint32_t StateFlags = 0;
  int32_t SectionIndex = -1;
  int32_t GlowId = -1;  // the index of the control's glow, -1 for none
  std::unique_ptr<TacFadeTimer> FadeTimer;  // made on the first animated change

  SkinOwner& Owner() const { return owner_; }
  CacheSurface* Cache() const { return cache_.get(); }
  bool CacheEmpty() const { return !cache_ || cache_->Pixels().Empty(); }
  void EmptyCache();

  void Initialize(bool applyColours);
  void ResolveSectionIndex(bool lookUp);
  bool IsSkinned(bool activeRequired = false) const;
  int32_t CurrentState() const;
  void RequestRepaint(bool immediate);
  void BeginUpdate();
  void EndUpdate(bool repaint);
  bool IsUpdating() const;
  bool RefreshUpdating(bool reset);
  void ApplyColours(bool repaint);
  void ApplySectionColours(int32_t state);
  uint32_t ControlColour(int32_t state) const;
  void PrepareCacheImage();
  int32_t BorderWidthMax() const;
  TacParentBg ParentBackground();
  void NotifyParentResized();
  bool FadeRunning() const { return FadeTimer && FadeTimer->Ticking(); }
  // Ends a running fade where it was going: the owner's next paint shows its new state whole.
  void StopFade();

  // The skin this data is bound to and its section; nullptr when not skinned.
  const SkinRegistry* Skin() const;
  const TsGeneralData* Section() const;
  // The section's state block for a visual state, limited to the state count and to 2.
  const TsGenState* StateBlock(int32_t state) const;
  int32_t StateCount() const;
  // Whether the normal and hot states are both fully transparent.
  bool TransparentNormalAndHot() const;

 private:
  int32_t DefaultSectionIndex();
  void SetColoursOf(int32_t state);

  SkinOwner& owner_;
  std::string skinSection_;
  ManagerLink* manager_ = nullptr;
  std::unique_ptr<CacheSurface> cache_;
};

}  // namespace velmora::skin
