#pragma once
// The answers the default handling computes for containers' children: background, colour, the
// section under a child, dependence on the parent and caption colours for adapters.
#include <cstdint>

#include "skin/controls/common_data.h"

namespace velmora::skin {

// The question of GetSectionUnder: which section paints under a child in a state.
struct SectionUnderRecord {
  int32_t State = 0;
  int32_t Index = -1;
  Rect R;
};

// Per channel (c × w + p × (255 − w)) / 256 with w = t × 255 / 100: a section colour c laid with
// transparency t over a parent colour p.
uint32_t MixWithParent(uint32_t c, uint32_t p, int32_t transparency);
// Per channel ((p − c) × t + c × 256) / 256: what GetColor answers for a section colour c with
// transparency t (0 to 100, not rescaled) over a parent colour p.
uint32_t LayOverParent(uint32_t c, uint32_t p, int32_t transparency);

void AnswerGetBackground(TsCommonData& data, TacBgQuery& query);
uint32_t AnswerGetColor(TsCommonData& data);
intptr_t AnswerGetSectionUnder(TsCommonData& data, SectionUnderRecord& query);
// Whether the parent shows through the owner in that state.
bool StateShowsParent(const TsCommonData& data, int32_t state);
bool DependsOnParent(TsCommonData& data);

// What an adapter's caption is drawn in. The parent answers GetSectionUnder through `askParent`.
struct CaptionSkin {
  const SkinRegistry* Skin = nullptr;  // nullptr without a manager or an active skin
  uint32_t ButtonText = 0xFF000012;
};
uint32_t CaptionColour(const CaptionSkin& skin, int32_t sectionIndex, int32_t state,
                       const std::function<intptr_t(SectionUnderRecord&)>& askParent);

}  // namespace velmora::skin
