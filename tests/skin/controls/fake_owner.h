#pragma once
// An owner and a manager of the tests' own for skin data: the owner records every call the skin
// data makes of it, in order, and answers commands to itself with the default handling.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/common_data.h"
#include "skin/controls/engine_commands.h"
#include "skin/data/skin_registry.h"
#include "tests/skin/animation/simulated_carriers.h"

namespace velmora::skin::test {

class FakeManager : public ManagerLink {
 public:
  explicit FakeManager(const SkinRegistry* skin) : registry(skin) {}
  const SkinRegistry* Registry() const override { return registry; }
  bool Active() const override { return active; }
  bool BeingDestroyed() const override { return destroying; }
  const TacOptions& Options() const override { return options; }
  const TacSkinEffects& Effects() const override { return effects; }
  const TacButtonsSupport& ButtonsOptions() const override { return buttons; }
  intptr_t Identity() const override { return reinterpret_cast<intptr_t>(this); }

  const SkinRegistry* registry;
  bool active = true, destroying = false;
  TacOptions options;
  TacSkinEffects effects;
  TacButtonsSupport buttons;
};

class ImageCache : public CacheSurface {
 public:
  PixelView Pixels() const override { return PixelRows(const_cast<Image32&>(image)); }
  void Resize(int32_t width, int32_t height) override { image = MakeImage(width, height); }
  Image32 image;
};

class FakeOwner : public SkinOwner {
 public:
  OwnerFacts Facts() const override { return facts; }
  bool HasKeyboardFocus() const override { return focused; }
  intptr_t SendToSelf(const EngineMessage& message) override {
    Log("self", message);
    if (message.Command == EngineCommand::DefaultSectionIndex) return defaultSection + 1;
    if (message.Command == EngineCommand::PrepareCache && prepareCache) return prepareCache(), 0;
    return data ? HandleEngineCommand(*data, message).value_or(0) : 0;
  }
  intptr_t SendToParent(const EngineMessage& message) override {
    Log("parent", message);
    if (message.Command == EngineCommand::GetColor) return intptr_t(parentAnswer);
    if (message.Command == EngineCommand::HasOwnSurface) return parentHasSurface;
    if (message.Command == EngineCommand::GetSectionUnder && parentData)
      return HandleEngineCommand(*parentData, message).value_or(0);
    return 0;
  }
  bool ParentEngineHandled() const override { return parentHandled; }
  uint32_t ParentColour() const override { return parentColour; }
  void QueryParent(TacBgQuery& query, bool) override {
    calls.push_back("query parent");
    if (parentData) return AnswerParent(query);
    query.Kind = kBgColour;
    query.Color = parentColour;
  }
  void SendToChildren(const EngineMessage& message) override { Log("children", message); }
  void Redraw(bool updateNow) override { calls.push_back(updateNow ? "redraw now" : "redraw"); }
  void InvalidateAll() override { calls.push_back("invalidate"); }
  void RepaintFrame() override { calls.push_back("frame paint"); }
  void RecomputeFrame() override { calls.push_back("frame"); }
  void SetColours(uint32_t colour, uint32_t font) override {
    calls.push_back("colours");
    facts.Colour = colour, facts.FontColour = font;
  }
  void UseSkinBrush(bool skinned) override {
    calls.push_back(skinned ? "skin brush" : "face brush");
  }
  std::unique_ptr<CacheSurface> MakeCache() override { return std::make_unique<ImageCache>(); }
  void DrawCacheInto(const TacBgQuery&) override { calls.push_back("draw cache"); }
  void FillQueryDc(const TacBgQuery&, uint32_t) override { calls.push_back("fill dc"); }
  std::string ClassName() const override { return className; }
  void ShowImage(const SourceView& image) override {
    shown.push_back(MakeImage(image.Width, image.Height));
    for (int32_t y = 0; y < image.Height; ++y)
      std::copy_n(image.Row(y), image.Width, &shown.back().At(0, y));
  }
  // Without timers a fade never starts (tests that fade give their own).
  TimerCarriers Timers() override { return timers; }
  std::optional<Rect> ScreenBounds() const override {
    if (!facts.HasWindow) return std::nullopt;
    return screenBounds;
  }
  bool GlowPossible() const override { return glowPossible; }
  // A glow window that keeps what was pushed to it, in order.
  struct GlowRecord {
    std::vector<uint8_t> alphas;
    Rect place;
    Image32 image;
    bool released = false;
  };
  class RecordingGlow : public GlowWindow {
   public:
    explicit RecordingGlow(std::shared_ptr<GlowRecord> record) : record_(std::move(record)) {}
    ~RecordingGlow() override { record_->released = true; }
    void UpdateLayer(const SourceView& image, uint8_t alpha, int32_t left, int32_t top) override {
      record_->alphas.push_back(alpha);
      record_->place = {left, top, left + image.Width, top + image.Height};
      record_->image = MakeImage(image.Width, image.Height);
      for (int32_t y = 0; y < image.Height; ++y)
        std::copy_n(image.Row(y), image.Width, &record_->image.At(0, y));
    }

   private:
    std::shared_ptr<GlowRecord> record_;
  };
  std::unique_ptr<GlowWindow> MakeGlowWindow() override {
    glows.push_back(std::make_shared<GlowRecord>());
    return std::make_unique<RecordingGlow>(glows.back());
  }

  void AnswerParent(TacBgQuery& query);

  OwnerFacts facts{.Bounds = {4, 6, 20, 20}};
  TsCommonData* data = nullptr;
  TsCommonData* parentData = nullptr;
  std::function<void()> prepareCache;
  int32_t defaultSection = -1;
  std::string className = "TSPANEL";
  bool parentHandled = false;
  bool focused = false;
  intptr_t parentHasSurface = 1;
  uint32_t parentColour = 0x00102030, parentAnswer = 0x00405060;
  std::vector<std::string> calls;
  std::vector<Image32> shown;
  TimerCarriers timers;
  Rect screenBounds{104, 206, 120, 220};
  bool glowPossible = true;
  std::vector<std::shared_ptr<GlowRecord>> glows;  // every glow window made, in order

 private:
  void Log(const std::string& to, const EngineMessage& message) {
    calls.push_back(to + " " + std::to_string(int(message.Command)));
  }
};

inline void FakeOwner::AnswerParent(TacBgQuery& query) {
  if (auto answer = HandleEngineCommand(
          *parentData, {EngineCommand::GetBackground, reinterpret_cast<intptr_t>(&query)}))
    (void)answer;
}

// A fade running on the skin data, going nowhere.
inline void StartAnyFade(TsCommonData& data) {
  static SimulatedCarriers time;
  data.FadeTimer = std::make_unique<TacFadeTimer>(time.Maker());
  data.FadeTimer->StartSteps(5, 0, 12, [](int32_t) { return true; });
}

// An owner with its skin data, bound to a manager.
struct Owned {
  FakeOwner owner;
  TsCommonData data;
  Owned(ManagerLink& manager, bool cache = false) : data(owner, cache) {
    owner.data = &data;
    data.SetSkinManager(&manager);
  }
};

}  // namespace velmora::skin::test
