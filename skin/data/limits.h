#pragma once
#include <cstddef>
#include <cstdint>

namespace velmora::skin {

// Skins are outside data. These caps keep a hostile skin's memory bounded; the real skin stays
// far below each of them (its largest member is 0.4 MB, its options text 20 KB).
inline constexpr size_t kMaxMemberBytes = 32u << 20;      // one inflated package member
inline constexpr size_t kMaxPackageBytes = 128u << 20;    // all members of one package
inline constexpr size_t kMaxOptionsBytes = 1u << 20;      // the options text
inline constexpr int32_t kMaxImageSide = 16384;           // width or height of one image
inline constexpr int64_t kMaxImagePixels = 16 << 20;      // one image (64 MB at 32 bits)
inline constexpr int64_t kMaxSkinImagePixels = 48 << 20;  // all images of one skin
inline constexpr int kMaxJpegScans = 256;                 // progressive JPEG scans
// Every inherited value walks its section's PARENTCLASS chain, so a text of thousands of sections
// chained end to end would take the square of their number to read. The links of all sections'
// chains together are capped instead of any one chain's depth.
inline constexpr int64_t kMaxParentLinks = 1 << 18;

}  // namespace velmora::skin
