#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "skin/data/image32.h"

namespace velmora::skin {

class SkinRegistry;

struct MaskRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool operator==(const MaskRect&) const = default;
};

enum MaskKind : uint8_t { kBordersMask = 0, kTexture = 1, kGlyph = 2 };

// One decoded mask value: a rectangle of the master image or of an external image.
struct TsMaskData {
  const Image32* Image = nullptr;  // nullptr: the master image
  std::string SectionName;
  std::string KeyName;
  MaskRect Rect;
  int16_t FrameCount = 0;
  int16_t MaskLayout = 0;
  int16_t BorderWidth = 0;
  int16_t DrawMode = 0;
  uint8_t Kind = kBordersMask;
  const SkinRegistry* Owner = nullptr;
  int16_t LeftWidth = 0, TopWidth = 0, RightWidth = 0, BottomWidth = 0;
  int32_t CornerFlag = 0;
  int32_t SectionIndex = -1;
  int32_t FrameWidth = 0, FrameHeight = 0;
};

// A mask value decoded from its text, before its image is looked up.
struct MaskText {
  TsMaskData Mask;
  std::string ImageName;          // an external image; empty for the master image
  bool NeedsImage = false;        // "!" and plain names: no image, no mask
  bool WholeImage = false;        // Rect is the image's whole area
  bool WidthsFromFrames = false;  // "!" without widths: derived once Rect is known
};

// Decodes an upper-cased mask value by its first character ("@", "^", "~", "!") or as a plain
// image name; nullopt when the value is none of these. A fixed-position field that is not a
// number throws SkinError.
std::optional<MaskText> DecodeMaskValue(std::string_view value);
char MaskFormOf(std::string_view value);  // '@', '^', '~', '!', 'n' (plain name) or 0

// The borders form's fixed fields alone (the outer-effect mask of source 1).
TsMaskData DecodeBordersFields(std::string_view value);

// Side widths from the rectangle split into frames: width / (3 * frames), height / (3 * rows).
void SetWidthsFromFrames(TsMaskData& mask);
// The corner flag: a key pixel (0x00FF00FF) in a corner area of any frame, clipped to the image
// only (an area may reach past its frame).
int32_t ComputeCornerFlag(const TsMaskData& mask, const Image32& image);
// Frame size, and the widths and frame count of a mask stored with no frame count.
void CompleteFrames(TsMaskData& mask);

}  // namespace velmora::skin
