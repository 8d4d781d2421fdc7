#pragma once
#include <string>
#include <vector>

#include "skingen/image.h"
#include "skingen/masks.h"

namespace skingen {

// A mask's picture and where it lies in the master image.
struct PlacedMask {
  MaskArt Art;
  int X = 0, Y = 0;
  int Width() const { return Art.Frames * Art.FrameWidth; }
  int Height() const { return Art.FrameHeight * (Art.MaskLayer ? 2 : 1); }
  std::string Value() const;  // the options value that names it
};

struct MasterImage {
  Image Pixels;  // what the skin stores: pictures, and the weights below those with a mask layer
  std::vector<PlacedMask> Masks;
  const PlacedMask* Find(const std::string& section, const std::string& key) const;
};

// Lays every mask of the catalogue out on shelves and draws it.
MasterImage ComposeMasterImage();

// One state's picture read back from the stored pixels: straight alpha, kKey where cut.
Image FramePicture(const MasterImage& master, const PlacedMask& mask, int frame);

}  // namespace skingen
