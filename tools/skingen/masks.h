#pragma once
// The pictures of the master image: every borders mask and glyph the skin names, with the
// geometry its options value states.
#include <functional>
#include <string>
#include <vector>

#include "skingen/image.h"

namespace skingen {

struct MaskArt {
  enum class Form { Borders, Glyph };
  std::string Section, Key;
  Form Shape = Form::Glyph;
  int Frames = 1, FrameWidth = 0, FrameHeight = 0;
  bool MaskLayer = true;  // the lower half holds the per-channel weights of what lies beneath
  int Left = 0, Top = 0, Right = 0, Bottom = 0;  // border widths of a borders mask
  int DrawMode = 0, BorderWidth = 0;
  // One state's picture, FrameWidth x FrameHeight: straight alpha, kKey where the skin cuts.
  std::function<Image(int frame)> Paint;
};

// Another key that names the same picture.
struct MaskAlias {
  std::string Section, Key, SameAsSection, SameAsKey;
};

std::vector<MaskArt> MaskCatalogue();
std::vector<MaskAlias> MaskAliases();

}  // namespace skingen
