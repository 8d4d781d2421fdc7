#pragma once
#include <string>
#include <vector>

#include "skingen/encoders.h"
#include "skingen/master_image.h"
#include "skingen/sections.h"

namespace skingen {

struct PackageMember {
  std::string Name;
  Bytes Content;
};

// A skin package: "ASzf", the member count, each member's name, size and zlib stream back to
// back, then the preview block.
Bytes PackSkinPackage(const std::vector<PackageMember>& members, const Bytes& previewPng);

// The stored skin and what it was made from, for the skin sheet and the tests.
struct StoredSkin {
  std::vector<SectionLook> Sections;
  MasterImage Master;
  Image Texture;
  std::string Options;
  Image Preview;
  Bytes Package;
};

// Wider than the window at its design size, so that the window shows no repeat at all.
inline constexpr int kTextureWidth = 800, kTextureHeight = 600;

StoredSkin BuildStoredSkin();

}  // namespace skingen
