// The order in which a skin's options text and images become a registry.
#include <algorithm>
#include <set>

#include "skin/data/colour_adjustments.h"
#include "skin/data/limits.h"
#include "skin/data/number_text.h"
#include "skin/data/options_reader.h"
#include "skin/data/outer_effect_mask.h"
#include "skin/data/skin_error.h"
#include "skin/data/skin_platform.h"
#include "skin/data/skin_registry.h"

namespace velmora::skin {
namespace {

constexpr int kMaxGlowFrames = 64;  // BICONCLOSEGLOW beyond this is hostile, not a skin
constexpr int kBuiltinBorderWidth = 9;

// Slots 39 to 52 stand in for another slot when their section is missing (-1: none).
constexpr std::array<int, 14> kSlotFallbacks = {12, 32, 2,  -1, -1, 4,  -1,
                                                36, 9,  47, 47, 47, 18, 18};
constexpr int kFirstFallbackSlot = 39;

Image32 Crop(const Image32& source, int64_t left, int64_t top, int64_t width, int64_t height) {
  const int64_t x0 = std::clamp<int64_t>(left, 0, source.Width);
  const int64_t y0 = std::clamp<int64_t>(top, 0, source.Height);
  const int64_t x1 = std::clamp<int64_t>(left + width, x0, source.Width);
  const int64_t y1 = std::clamp<int64_t>(top + height, y0, source.Height);
  Image32 out = MakeImage(x1 - x0, y1 - y0);
  for (int64_t y = y0; y < y1; ++y)
    for (int64_t x = x0; x < x1; ++x)
      out.At(int32_t(x - x0), int32_t(y - y0)) = source.At(int32_t(x), int32_t(y));
  return out;
}

}  // namespace

class SkinRegistry::Loader {
 public:
  Loader(SkinRegistry& registry, const OptionsText& text, const ImageSource& source,
         const SkinLoadSettings& settings, SkinPlatform& platform)
      : r_(registry),
        text_(text),
        reader_(text, settings.Scale),
        settings_(settings),
        platform_(platform),
        images_(source, text.ReadReal(kGlobalInfo, "VERSION") > 7.45 && settings.Brightness <= 0),
        common_(OptionsText::Parse(settings.CommonSections)),
        merged_(settings.CommonSections.empty() ? OptionsText() : text.Overlaid(common_)),
        sectionsText_(settings.CommonSections.empty() ? text : merged_) {
    r_.scale_ = settings.Scale;
    r_.common_.SkinPath = source.SkinPath;
  }

  void Run() {
    r_.master_ = images_.LoadMaster(text_.ReadString(kGlobalInfo, "MASTERBITMAP", ""));
    RegisterMasks();
    RegisterCommonSectionImages();
    ReadCommonData();
    DecodeSections();
    r_.palette_ = ReadPalette(
        reader_, r_.sections_, [&](std::string_view name) { return r_.GetSkinIndex(name); },
        platform_);
    AddMissingSections();
    r_.external_ = images_.TakeExternal();
    AdjustColours({r_.master_, r_.external_, r_.masks_, r_.sections_, r_.palette_,
                   r_.common_.ShadowColor, r_.common_.TitleButtonKeepHue},
                  {settings_.HueOffset, settings_.Saturation, settings_.Brightness});
    ResolveIndexes();
    if (settings_.ExtendedBorders) PrepareExtendedBorders();
  }

 private:
  void RegisterMasks();
  void RegisterMask(MaskText text, int section, const std::string& sectionName, std::string key);
  void RegisterCommonSectionImages();
  void ReadCommonData();
  void MakeOuterEffectMask(OuterEffect which, const char* key);
  void DecodeSections();
  void AddMissingSections();
  void AddPlainSection(const char* name, int32_t colour, int32_t transparency);
  void ResolveIndexes();
  TacConstElementData Element(std::initializer_list<const char*> names, bool scaledGlyph) const;
  TrackBarIndexes TrackBar(const char* slider, const char* tick, const char* progress) const;
  void ResolveTitleButtons();
  void SectionPostPass();
  void SlotFallbacks();
  void PrepareExtendedBorders();
  int MaskIn(int index, const char* section, const char* key) const {
    return r_.GetMaskIndex(index, section, key);
  }

  SkinRegistry& r_;
  const OptionsText& text_;
  OptionsReader reader_;
  const SkinLoadSettings& settings_;
  SkinPlatform& platform_;
  SkinImages images_;
  OptionsText common_;
  OptionsText merged_;
  const OptionsText& sectionsText_;  // the skin's text, or the common sections laid over it
};

void SkinRegistry::Loader::RegisterMasks() {
  const std::string_view suffix = settings_.Scale.Suffix();
  const auto& sections = text_.Sections();
  for (size_t i = 0; i < sections.size(); ++i) {
    const int first = text_.FindSection(sections[i].Name);
    const bool global = sections[i].Name == kGlobalInfo;
    std::set<std::string_view> seen;
    for (const OptionsText::Line& line : sections[size_t(first)].Lines) {
      if (!line.HasKey || !seen.insert(line.Key).second) continue;
      if (global && line.Key == "MASTERBITMAP") continue;
      std::string value = UpperCase(line.Value);
      const char form = MaskFormOf(value);
      if (form == 0) continue;
      std::string key = line.Key;
      if (form == '^' || form == '!') {
        if (HasScaleSuffix(key)) continue;  // read in place of its base key
        const std::string scaledKey = key + std::string(suffix);
        if (const std::string* scaled = suffix.empty() ? nullptr : text_.FindIn(first, scaledKey)) {
          value = UpperCase(*scaled);
          if (form == '!') key = scaledKey;
        }
      }
      if (auto text = DecodeMaskValue(value)) {
        RegisterMask(std::move(*text), int(i), sections[i].Name, std::move(key));
      }
    }
  }
}

void SkinRegistry::Loader::RegisterMask(MaskText text, int section, const std::string& sectionName,
                                        std::string key) {
  TsMaskData& m = text.Mask;
  if (!text.ImageName.empty()) m.Image = images_.External(text.ImageName);
  if (text.NeedsImage && !m.Image) return;
  const Image32& image = m.Image ? *m.Image : r_.master_;
  if (text.WholeImage) m.Rect = {0, 0, image.Width, image.Height};
  if (text.WidthsFromFrames) SetWidthsFromFrames(m);
  if (m.Kind == kBordersMask) m.CornerFlag = ComputeCornerFlag(m, image);
  m.SectionName = sectionName;
  m.KeyName = std::move(key);
  m.SectionIndex = section;
  CompleteFrames(m);
  r_.AddMask(std::move(m));
}

// Bitmap files named in the common sections become whole-image masks of their section and key.
void SkinRegistry::Loader::RegisterCommonSectionImages() {
  for (const OptionsText::Section& section : common_.Sections()) {
    if (section.Name == kGlobalInfo) continue;
    for (const OptionsText::Line& line : section.Lines) {
      const std::string name = UpperCase(line.Value);
      if (!line.HasKey || name.find(".BMP") == std::string::npos) continue;
      const std::string path =
          name.find(':') != std::string::npos ? name : r_.common_.SkinPath + name;
      const auto bytes = platform_.ReadFile(path, kMaxMemberBytes);
      if (!bytes) continue;
      try {
        const Image32* image = images_.Adopt(path, DecodeSkinImage(name, *bytes, false));
        MaskText text;
        text.Mask.Image = image;
        text.Mask.Kind = kTexture;
        text.Mask.FrameCount = 1;
        text.WholeImage = true;
        const std::string upperSection = UpperCase(section.Name);
        RegisterMask(std::move(text), sectionsText_.FindSection(upperSection), upperSection,
                     UpperCase(line.Key));
      } catch (const SkinError&) {
        // An unreadable file gives no mask, as for the skin's own images.
      }
    }
  }
}

void SkinRegistry::Loader::ReadCommonData() {
  const std::string skinPath = r_.common_.SkinPath;
  r_.common_ = skin::ReadCommonData(reader_, platform_);
  r_.common_.SkinPath = skinPath;
  MakeOuterEffectMask(kLightOutline, "LO_MASK");
  MakeOuterEffectMask(kShadow, "SH_MASK");
}

void SkinRegistry::Loader::MakeOuterEffectMask(OuterEffect which, const char* key) {
  OuterEffectData& effect = r_.outerEffects_[which] = ReadOuterEffect(reader_, which);
  const int globalInfo = text_.FindSection(kGlobalInfo);
  TsMaskData mask;
  if (effect.Source == 1) {
    mask = DecodeBordersFields(UpperCase(text_.ReadString(kGlobalInfo, key, "")));
  } else if (effect.Source == 2) {
    GeneratedOuterMask generated = skin::MakeOuterEffectMask(effect);
    mask = generated.Mask;
    mask.Image = images_.Adopt(std::string("<") + key + ">", std::move(generated.Image));
  } else {
    return;
  }
  mask.SectionName = kGlobalInfo;
  mask.KeyName = key;
  mask.SectionIndex = globalInfo;
  CompleteFrames(mask);
  effect.MaskIndex = r_.AddMask(std::move(mask));
}

void SkinRegistry::Loader::DecodeSections() {
  const OptionsReader reader(sectionsText_, settings_.Scale);
  for (const OptionsText::Section& section : sectionsText_.Sections()) {
    r_.AddSection(DecodeSection(reader, section.Name));
  }
}

void SkinRegistry::Loader::AddPlainSection(const char* name, int32_t colour, int32_t transparency) {
  TsGeneralData section;
  section.SectionName = name;
  section.StateCount = 1;
  for (TsGenState& state : section.Props) {
    state.Color = colour;
    state.Transparency = transparency;
    state.FontColor = r_.palette_[kLabelText];
  }
  r_.AddSection(std::move(section));
}

void SkinRegistry::Loader::AddMissingSections() {
  if (r_.GetSkinIndex("TRANSPARENT") < 0) AddPlainSection("TRANSPARENT", 0xFFFFFF, 100);
  if (r_.GetSkinIndex("MAINCOLOR") < 0) AddPlainSection("MAINCOLOR", r_.palette_[kMainColor], 0);
}

TacConstElementData SkinRegistry::Loader::Element(std::initializer_list<const char*> names,
                                                  bool scaledGlyph) const {
  TacConstElementData e;
  e.SectionName = *names.begin();
  for (const char* name : names) {
    if (const int index = r_.GetSkinIndex(name); index >= 0) {
      e.SkinIndex = index;
      e.SectionName = name;
      break;
    }
  }
  const int i = e.SkinIndex;
  const std::string& n = e.SectionName;
  e.BorderIndex = r_.GetMaskIndex(i, n, "BORDERSMASK");
  e.GlyphIndex =
      scaledGlyph ? r_.ScaledMask(i, n, "GLYPHMASK") : r_.GetMaskIndex(i, n, "GLYPHMASK");
  e.TextureIndex = r_.GetMaskIndex(i, n, "PATTERN");
  e.HotTextureIndex = r_.GetMaskIndex(i, n, "HOTPATTERN");
  return e;
}

TrackBarIndexes SkinRegistry::Loader::TrackBar(const char* slider, const char* tick,
                                               const char* progress) const {
  const char* kTrack = "TRACKBAR";
  TrackBarIndexes t;
  const int i = t.SkinIndex = r_.GetSkinIndex(kTrack);
  t.BorderIndex = MaskIn(i, kTrack, "BORDERSMASK");
  t.SliderMask = r_.ScaledMask(i, kTrack, slider);
  if (t.SliderMask < 0) t.SliderMask = r_.ScaledMask(i, kTrack, "SLIDERMASK");
  t.TextureIndex = MaskIn(i, kTrack, "PATTERN");
  t.HotTextureIndex = MaskIn(i, kTrack, "HOTPATTERN");
  t.TickMask = r_.ScaledMask(i, kTrack, tick);
  t.ProgressMask = r_.ScaledMask(i, kTrack, progress);
  t.ChannelMask = r_.ScaledMask(i, kTrack, "SLIDERCHANNEL");
  return t;
}

void SkinRegistry::Loader::ResolveTitleButtons() {
  TConstantSkinData& c = r_.indexes_;
  for (size_t b = 0; b < kTitleButtonNames.size(); ++b) {
    c.TitleButtons[b] = r_.GlobalMask(kTitleButtonNames[b]);
  }
  const bool closeAloneFellBack = c.TitleButtons[0] < 0;
  if (closeAloneFellBack) c.TitleButtons[0] = c.TitleButtons[1];
  for (size_t small = 6; small <= 10; ++small) {  // SICON* fall back to BICON*
    if (c.TitleButtons[small] < 0) c.TitleButtons[small] = c.TitleButtons[small - 5];
  }
  const int frames = std::clamp(reader_.GlobalInteger("BICONCLOSEGLOW", 0), 0, kMaxGlowFrames);
  for (size_t b = 0; b < kGlowButtonNames.size(); ++b) {
    const std::string name = kGlowButtonNames[b];
    c.GlowMargins[b] = reader_.ScaledGlobalInteger(name + "GLOWMARGIN", -1);
    c.GlowMasks[b].resize(size_t(frames));
    for (int n = 0; n < frames; ++n) {
      c.GlowMasks[b][size_t(n)] = r_.GlobalMask(name + "GLOW" + std::to_string(n));
    }
  }
  if (closeAloneFellBack) {
    c.GlowMargins[0] = c.GlowMargins[1];
    c.GlowMasks[0] = c.GlowMasks[1];
  }
}

void SkinRegistry::Loader::ResolveIndexes() {
  TConstantSkinData& c = r_.indexes_;
  c.ScaleIndex = settings_.Scale.Index;
  c.IndexGlobalInfo = r_.GetSkinIndex(kGlobalInfo);
  const char* kGlobal = "GLOBALINFO";
  c.CheckGlyphs = {r_.GlobalMask("BOXUNCHECKED"), r_.GlobalMask("BOXCHECKED"),
                   r_.GlobalMask("BOXGRAYED")};
  c.SmallCheckGlyphs = {r_.GlobalMask("SMALLUNCHECKED"), r_.GlobalMask("SMALLCHECKED"),
                        r_.GlobalMask("SMALLGRAYED")};
  c.RadioGlyphs = {r_.GlobalMask("RADIOUNCHECKED"), r_.GlobalMask("RADIOCHECKED")};
  c.ExBorder = r_.GlobalMask("EXBORDER");
  c.GripImage = r_.GlobalMask("GRIPIMAGE");
  c.GripHorz = MaskIn(c.IndexGlobalInfo, kGlobal, "GRIPHORZ");
  c.GripVert = MaskIn(c.IndexGlobalInfo, kGlobal, "GRIPVERT");
  c.MenuItem = Element({"MENUITEM"}, true);
  c.ComboBtn = Element({"COMBOBTN"}, true);
  c.ComboBtn.GlyphIndex = r_.GetMaskIndexByName("COMBOBOX", "GLYPHMASK");
  for (size_t t = 0; t < kTabSectionNames.size(); ++t)
    c.Tabs[t] = Element({kTabSectionNames[t]}, true);
  c.ScrollSliders = {Element({"SCROLLSLIDERH"}, true), Element({"SCROLLSLIDERV"}, true)};
  c.TrackBars = {TrackBar("SLIDERVMASK", "TICKVERT", "PROGVERT"),
                 TrackBar("SLIDERMASK", "TICKHORZ", "PROGHORZ")};
  const char* kBars[] = {"SCROLLBAR1H", "SCROLLBAR1V", "SCROLLBAR2H", "SCROLLBAR2V"};
  const char* kButtons[] = {"SCROLLBTNLEFT", "SCROLLBTNTOP", "SCROLLBTNRIGHT", "SCROLLBTNBOTTOM"};
  const char* kUpDowns[] = {"UPDOWNBTN_LEFT", "UPDOWNBTN_TOP", "UPDOWNBTNRIGHT",
                            "UPDOWNBTN_BOTTOM"};
  for (size_t k = 0; k < 4; ++k) {
    c.ScrollBars[k] = Element({kBars[k]}, false);
    c.ScrollButtons[k] = Element({kButtons[k]}, false);
    c.UpDownButtons[k] = Element({kUpDowns[k], "UPDOWNBTN", "BUTTON"}, false);
  }
  ResolveTitleButtons();
  for (size_t s = 0; s < kCommonSectionNames.size(); ++s) {
    c.Sections[s] = r_.GetSkinIndex(kCommonSectionNames[s]);
  }
  SectionPostPass();
  SlotFallbacks();
}

void SkinRegistry::Loader::SectionPostPass() {
  for (size_t i = 0; i < r_.sections_.size(); ++i) {
    TsGeneralData& s = r_.sections_[i];
    if (s.SectionName == kGlobalInfo) continue;
    const int at = int(i);
    s.BorderIndex = r_.GetMaskIndex(at, "BORDERSMASK");
    s.OuterMask = r_.GetMaskIndex(at, "OUTERMASK");
    s.ImgTopLeft = r_.GetMaskIndex(at, "IMGTOPLEFT");
    s.ImgTopRight = r_.GetMaskIndex(at, "IMGTOPRIGHT");
    s.ImgBtmLeft = r_.GetMaskIndex(at, "IMGBTMLEFT");
    s.ImgBtmRight = r_.GetMaskIndex(at, "IMGBTMRIGHT");
    s.Props[0].TextureIndex = r_.GetTextureIndex(at, s.SectionName, "PATTERN");
    if (s.StateCount > 1)
      s.Props[1].TextureIndex = r_.GetTextureIndex(at, s.SectionName, "HOTPATTERN");
    s.Props[2].TextureIndex = s.StateCount > 2 && s.UseState2
                                  ? r_.GetTextureIndex(at, s.SectionName, "PATTERN2")
                                  : s.Props[1].TextureIndex;
    if (s.BorderIndex < 0) {
      s.EditBorderFlag = -2;
    } else {
      const TsMaskData& m = r_.masks_[size_t(s.BorderIndex)];
      const bool thin =
          m.LeftWidth == 1 && m.TopWidth == 1 && m.RightWidth == 1 && m.BottomWidth == 1;
      s.EditBorderFlag = thin && (s.SectionName == "EDIT" || s.SectionName == "ALPHAEDIT") ? -1 : 0;
    }
  }
}

void SkinRegistry::Loader::SlotFallbacks() {
  auto& slots = r_.indexes_.Sections;
  for (size_t k = 0; k < kSlotFallbacks.size(); ++k) {
    const size_t slot = kFirstFallbackSlot + k;
    if (slots[slot] >= 0 || kSlotFallbacks[k] < 0) continue;
    slots[slot] = slots[size_t(kSlotFallbacks[k])];
    if (slots[slot] < 0) continue;
    TsGeneralData copy = r_.sections_[size_t(slots[slot])];
    copy.SectionName = kCommonSectionNames[slot];
    copy.ParentName.clear();
    r_.AddSection(std::move(copy));
  }
}

void SkinRegistry::Loader::PrepareExtendedBorders() {
  ExtendedBorderData& e = r_.extendedBorders_;
  const int index = r_.indexes_.ExBorder;
  if (index < 0) {
    if (settings_.BuiltinBorderActive) e.Active = *settings_.BuiltinBorderActive;
    if (settings_.BuiltinBorderInactive) e.Inactive = *settings_.BuiltinBorderInactive;
    e.Widths.fill(kBuiltinBorderWidth);
    return;
  }
  const TsMaskData& m = r_.masks_[size_t(index)];
  const int32_t offset = r_.common_.FormOffset;
  if (r_.common_.BorderMode != 0) {
    e.Widths.fill(offset);
  } else {
    const int16_t sides[] = {m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth};
    for (size_t s = 0; s < 4; ++s) e.Widths[s] = std::max(0, sides[s] - offset);
  }
  const Image32& image = m.Image ? *m.Image : r_.master_;
  e.Active = Crop(image, m.Rect.Left, m.Rect.Top, m.FrameWidth, m.FrameHeight);
  e.Inactive = m.FrameCount == 2 ? Crop(image, int64_t(m.Rect.Left) + m.FrameWidth, m.Rect.Top,
                                        m.FrameWidth, m.FrameHeight)
                                 : e.Active;
}

std::unique_ptr<SkinRegistry> SkinRegistry::Load(const OptionsText& options,
                                                 const ImageSource& images,
                                                 const SkinLoadSettings& settings,
                                                 SkinPlatform& platform) {
  std::unique_ptr<SkinRegistry> registry(new SkinRegistry());
  Loader(*registry, options, images, settings, platform).Run();
  return registry;
}

}  // namespace velmora::skin
