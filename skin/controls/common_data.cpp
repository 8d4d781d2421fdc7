#include "skin/controls/common_data.h"

#include <algorithm>
#include <cctype>

#include "skin/controls/control_kinds.h"
#include "skin/controls/engine_answers.h"
#include "skin/controls/glow_effect.h"
#include "skin/controls/section_traits.h"
#include "skin/data/skin_registry.h"

namespace velmora::skin {
namespace {

ManagerLink* g_defaultManager = nullptr;

constexpr uint32_t kButtonFace = 0xFF00000F;

std::string UpperCased(std::string_view name) {
  std::string out(name);
  for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

void TsCommonData::SetDefaultManager(ManagerLink* manager) { g_defaultManager = manager; }

TsCommonData::TsCommonData(SkinOwner& owner, bool cacheWanted) : owner_(owner) {
  if (cacheWanted) cache_ = owner.MakeCache();
}

TsCommonData::~TsCommonData() { HideGlow(*this, false); }

ManagerLink* TsCommonData::SkinManager() const { return manager_ ? manager_ : g_defaultManager; }

const TacButtonsSupport& TsCommonData::ButtonsOptions() const {
  static const TacButtonsSupport defaults;
  const ManagerLink* manager = SkinManager();
  return manager ? manager->ButtonsOptions() : defaults;
}

void TsCommonData::SetSkinManager(ManagerLink* manager) {
  manager_ = manager == g_defaultManager ? nullptr : manager;
  if (Loading) return;
  ResolveSectionIndex(true);
  const OwnerFacts facts = owner_.Facts();
  if (!facts.IsControl || !facts.HasParent || facts.Destroying) return;
  ManagerLink* current = SkinManager();
  const intptr_t id = current ? current->Identity() : 0;
  owner_.SendToSelf(Message(SectionIndex >= 0 ? EngineCommand::Refresh : EngineCommand::RemoveSkin,
                            id));
}

const SkinRegistry* TsCommonData::Skin() const {
  const ManagerLink* manager = SkinManager();
  return manager ? manager->Registry() : nullptr;
}

const TsGeneralData* TsCommonData::Section() const {
  const SkinRegistry* skin = Skin();
  if (!skin || !skin->IsValidSkinIndex(SectionIndex)) return nullptr;
  return &skin->Sections()[size_t(SectionIndex)];
}

int32_t TsCommonData::StateCount() const {
  const TsGeneralData* section = Section();
  return section ? std::max(section->StateCount, 1) : 1;
}

const TsGenState* TsCommonData::StateBlock(int32_t state) const {
  const TsGeneralData* section = Section();
  if (!section) return nullptr;
  return &section->Props[size_t(std::clamp(std::min(state, StateCount() - 1), 0, 2))];
}

bool TsCommonData::TransparentNormalAndHot() const {
  const TsGenState* normal = StateBlock(0);
  const TsGenState* hot = StateBlock(1);
  return normal && hot && normal->Transparency == 100 && hot->Transparency == 100;
}

void TsCommonData::StopFade() {
  if (!FadeRunning()) return;
  FadeTimer->SetEnabled(false);
  if (FadeTimer->GlowOnly) {
    FadeTimer->GlowOnly = false;
    return HideGlow(*this, false);
  }
  FadeTimer->Value = FadeTimer->Kind == kFadeToHot ? 255 : 0;
  FadeTimer->Kind = kFadeIdle;
}

void TsCommonData::EmptyCache() {
  if (cache_) cache_->Resize(0, 0);
}

void TsCommonData::SetSkinSection(std::string_view name) {
  const std::string upper = UpperCased(name);
  if (upper == skinSection_) return;
  HideGlow(*this, false);
  skinSection_ = upper;
  ResolveSectionIndex(true);
  const OwnerFacts facts = owner_.Facts();
  if (!facts.HasParent || facts.Loading || facts.Destroying) {
    if (facts.IsFormProvider) CacheStale = true;
    return;
  }
  if (facts.IsWindowControl) {
    EmptyCache();
    owner_.SendToChildren(Message(EngineCommand::MarkStale, 0, 1));
  }
  if (Updating || Loading || facts.Loading) {
    if (!Loading) ApplySectionColours(CurrentState());
    return;
  }
  ManagerLink* manager = SkinManager();
  const intptr_t id = manager ? manager->Identity() : 0;
  owner_.SendToSelf(SectionIndex >= 0 ? Message(EngineCommand::Refresh, id, 1)
                                      : Message(EngineCommand::RemoveSkin, id));
}

int32_t TsCommonData::DefaultSectionIndex() {
  const SkinRegistry* skin = Skin();
  const DefaultSection source = DefaultSectionFor(ControlKind);
  switch (source.From) {
    case DefaultSection::Named: return skin->GetSkinIndex(source.Name);
    case DefaultSection::AskOwner:
      return int32_t(owner_.SendToSelf(Message(EngineCommand::DefaultSectionIndex))) - 1;
    case DefaultSection::ClassName: return skin->GetSkinIndex(UpperCased(owner_.ClassName()));
  }
  return -1;
}

void TsCommonData::ResolveSectionIndex(bool lookUp) {
  CacheStale = true;
  if (!lookUp) return;
  const ManagerLink* manager = SkinManager();
  const SkinRegistry* skin = manager ? manager->Registry() : nullptr;
  if (!skin || !manager->Active()) {
    SectionIndex = -1;
  } else {
    SectionIndex = skinSection_.empty() ? DefaultSectionIndex() : skin->GetSkinIndex(skinSection_);
  }
  const TsGeneralData* section = Section();
  SectionTraits = section ? ComputeSectionTraits(*skin, SectionIndex) : 0;
  BorderMaskIndex = section ? section->BorderIndex : -1;
}

bool TsCommonData::IsSkinned(bool activeRequired) const {
  const ManagerLink* manager = SkinManager();
  if (!manager || manager->BeingDestroyed() || owner_.Facts().Destroying) return false;
  const SkinRegistry* skin = manager->Registry();
  if (!skin || !skin->IsValidSkinIndex(SectionIndex)) return false;
  return !activeRequired || manager->Active();
}

int32_t TsCommonData::CurrentState() const {
  const OwnerFacts facts = owner_.Facts();
  if (!facts.IsControl || facts.Destroying || !facts.Enabled) return 0;
  if (HasFocus) return 1;
  if (!facts.IsPanel && owner_.HasKeyboardFocus()) return 1;
  const ManagerLink* manager = SkinManager();
  if (!MouseOver || (manager && manager->Options().NoMouseHover)) return 0;
  if (InKindSet(KindSet::NoHover, ControlKind)) return 0;
  return !InKindSet(KindSet::EditLike, ControlKind) || kEditHover ? 1 : 0;
}

void TsCommonData::RequestRepaint(bool immediate) {
  CacheStale = true;
  const OwnerFacts facts = owner_.Facts();
  if (Loading || facts.Loading || facts.Destroying) return;
  if (facts.IsFormProvider) return owner_.Redraw(immediate);
  if (!facts.HasParent) return;
  if (facts.IsWindowControl) {
    if (facts.HasWindow) owner_.Redraw(immediate);
    return;
  }
  if (ControlKind == 92) {
    owner_.SendToSelf(Message(EngineCommand::Repaint));
    return;
  }
  owner_.Redraw(immediate);
}

void TsCommonData::BeginUpdate() {
  ++UpdateCount;
  Updating = true;
  StateFlags |= kInUpdate;
  owner_.SendToSelf(Message(EngineCommand::BeginUpdateNotify));
}

void TsCommonData::EndUpdate(bool repaint) {
  UpdateCount = std::max(UpdateCount - 1, 0);
  Updating = false;
  StateFlags &= ~uint32_t(kInUpdate);
  if (UpdateCount > 0) return;
  owner_.SendToSelf(Message(EngineCommand::EndUpdateNotify));
  if (repaint) RequestRepaint(true);
}

bool TsCommonData::IsUpdating() const {
  if (!SkinManager()) return false;
  if (Updating) return true;
  const OwnerFacts facts = owner_.Facts();
  if (facts.Destroying) return false;
  if (facts.IsFormProvider) return owner_.SendToSelf(Message(EngineCommand::IsPreparing)) != 0;
  return facts.IsControl && owner_.SendToParent(Message(EngineCommand::IsPreparing)) != 0;
}

bool TsCommonData::RefreshUpdating(bool reset) {
  if (reset) Updating = false;
  if (!IsUpdating()) return false;
  Updating = true;
  return true;
}

void TsCommonData::SetColoursOf(int32_t state) {
  const TsGenState* block = StateBlock(state);
  if (!block) return;
  const OwnerFacts facts = owner_.Facts();
  const uint32_t colour = CustomColor ? facts.Colour : uint32_t(block->Color);
  const uint32_t font = CustomFont ? facts.FontColour : uint32_t(block->FontColor);
  if (colour == facts.Colour && font == facts.FontColour) return;
  StateFlags |= kEngineFontChange;
  owner_.SetColours(colour, font);
  StateFlags &= ~uint32_t(kEngineFontChange);
}

void TsCommonData::ApplyColours(bool repaint) {
  const OwnerFacts facts = owner_.Facts();
  if (facts.IsWindowControl && !facts.HasWindow) return;
  if (IsSkinned()) {
    if (InKindSet(KindSet::FocusColours, ControlKind) && !TransparentNormalAndHot())
      SetColoursOf(0);
    owner_.UseSkinBrush(true);
  } else if (ControlKind != 142) {
    owner_.UseSkinBrush(false);
  }
  if (repaint) RequestRepaint(true);
}

void TsCommonData::ApplySectionColours(int32_t state) { SetColoursOf(state); }

uint32_t TsCommonData::ControlColour(int32_t state) const {
  const OwnerFacts facts = owner_.Facts();
  if (!IsSkinned()) return facts.IsControl || facts.IsFormProvider ? facts.Colour : kButtonFace;
  const TsGenState* block = StateBlock(state > 0 && StateCount() > 1 ? 1 : 0);
  const uint32_t own = CustomColor ? facts.Colour : uint32_t(block->Color);
  if (block->Transparency == 0) return own;
  if (!facts.HasParent) return block->Transparency == 100 ? own : kButtonFace;
  const uint32_t parent = owner_.ParentEngineHandled()
                              ? uint32_t(owner_.SendToParent(Message(EngineCommand::GetColor)))
                              : owner_.ParentColour();
  if (block->Transparency == 100) return parent;
  return MixWithParent(ResolveColour(own), ResolveColour(parent), block->Transparency);
}

void TsCommonData::PrepareCacheImage() {
  if (!cache_) cache_ = owner_.MakeCache();
  const OwnerFacts facts = owner_.Facts();
  if (!facts.IsControl) return;
  const int32_t width = std::max(facts.Bounds.Right - facts.Bounds.Left, 0);
  const int32_t height = std::max(facts.Bounds.Bottom - facts.Bounds.Top, 0);
  const PixelView pixels = cache_->Pixels();
  if (pixels.Width != width || pixels.Height != height) cache_->Resize(width, height);
}

int32_t TsCommonData::BorderWidthMax() const {
  const SkinRegistry* skin = Skin();
  if (!skin || !skin->IsValidMaskIndex(BorderMaskIndex)) return 0;
  const TsMaskData& mask = skin->Masks()[size_t(BorderMaskIndex)];
  if (mask.DrawMode & 2) return 0;
  return std::max({mask.LeftWidth, mask.TopWidth, mask.RightWidth, mask.BottomWidth});
}

TacParentBg TsCommonData::ParentBackground() {
  const OwnerFacts facts = owner_.Facts();
  if (!IsSkinned() || !facts.IsControl || !facts.HasParent) {
    TacParentBg plain;
    plain.FillColor = ResolveColour(ControlColour(0));
    return plain;
  }
  TacBgQuery query;
  query.R = {0, 0, facts.Bounds.Right - facts.Bounds.Left, facts.Bounds.Bottom - facts.Bounds.Top};
  owner_.QueryParent(query, false);
  if (query.Kind == kBgDoNotPaint) query.Color = 0xFF00FF;
  return ParentFromQuery(query);
}

void TsCommonData::NotifyParentResized() {
  if (IsUpdating()) return;
  owner_.SendToParent(Message(EngineCommand::MarkStale));
  owner_.SendToParent(Message(EngineCommand::PrepareCache));
}

void TsCommonData::Initialize(bool applyColours) {
  Loading = false;
  ResolveSectionIndex(true);
  const OwnerFacts facts = owner_.Facts();
  if (IsSkinned() && facts.IsControl && facts.HasParent && !facts.Loading) {
    if (facts.IsWindowControl) owner_.SendToParent(Message(EngineCommand::AdaptChildren));
    if (applyColours) ApplyColours(false);
  }
}

}  // namespace velmora::skin
