#pragma once
// The owner kinds the engine knows and what each kind changes in the skin data's behaviour.
#include <cstdint>
#include <string_view>

namespace velmora::skin {

enum class KindSet : uint8_t { NoHover, EditLike, SteadyBackground, FocusColours, FrameRefresh,
                               SpecialRepaint };

bool InKindSet(KindSet set, uint8_t kind);

// Where the default section of an owner with an empty SkinSection comes from.
struct DefaultSection {
  enum Source : uint8_t { Named, AskOwner, ClassName } From = ClassName;
  std::string_view Name;  // for Named
};
DefaultSection DefaultSectionFor(uint8_t kind);

// The global edit-hover switch: off, so edit-like owners show the hot state on focus only.
inline constexpr bool kEditHover = false;

// A component tag with this bit is never adapted or hooked.
inline constexpr int32_t kNoSkinTag = 0x100;
inline bool SkinningRefused(int32_t tag) { return (tag & kNoSkinTag) != 0; }

}  // namespace velmora::skin
