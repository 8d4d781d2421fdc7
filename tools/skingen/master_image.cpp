#include "skingen/master_image.h"

#include <algorithm>
#include <cstdio>

namespace skingen {
namespace {

constexpr int kShelfWidth = 256, kGap = 2;

std::string Field(int value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", digits, value);
  return text;
}

// Writes one state's picture (and its weights) into the master image.
void Store(Image& master, const PlacedMask& mask, int frame, const Image& picture) {
  const MaskArt& art = mask.Art;
  const int x0 = mask.X + frame * art.FrameWidth;
  for (int y = 0; y < art.FrameHeight; ++y) {
    for (int x = 0; x < art.FrameWidth; ++x) {
      const Rgba p = picture.At(x, y);
      Rgba& image = master.At(x0 + x, mask.Y + y);
      if (!art.MaskLayer) {
        image = p.a >= 128 && !(p == kKey) ? Rgba{p.r, p.g, p.b, 255} : Rgba{255, 0, 255, 255};
        continue;
      }
      const bool key = p == kKey;
      image = key ? Rgba{255, 0, 255, 255} : Rgba{p.r, p.g, p.b, 255};
      const uint8_t weight = key ? 255 : uint8_t(255 - p.a);
      master.At(x0 + x, mask.Y + art.FrameHeight + y) = {weight, weight, weight, 255};
    }
  }
}

}  // namespace

std::string PlacedMask::Value() const {
  const auto rect = [this](char c) {
    return c + Field(X, 4) + c + Field(Y, 4) + c + Field(X + Width(), 4) + c +
           Field(Y + Height(), 4);
  };
  if (Art.Shape == MaskArt::Form::Glyph)
    return rect('@') + "@" + std::to_string(Art.Frames) + "@" + (Art.MaskLayer ? "1" : "0");
  return rect('^') + "^" + Field(Art.Left, 4) + "^" + Field(Art.Top, 4) + "^" +
         Field(Art.Right, 4) + "^" + Field(Art.Bottom, 4) + "^" + std::to_string(Art.Frames) + "^" +
         (Art.MaskLayer ? "1" : "0") + "^" + std::to_string(Art.DrawMode) + "^" +
         std::to_string(Art.BorderWidth);
}

const PlacedMask* MasterImage::Find(const std::string& section, const std::string& key) const {
  for (const PlacedMask& mask : Masks)
    if (mask.Art.Section == section && mask.Art.Key == key) return &mask;
  return nullptr;
}

MasterImage ComposeMasterImage() {
  MasterImage master;
  int x = kGap, y = kGap, shelf = 0;
  for (MaskArt& art : MaskCatalogue()) {
    PlacedMask placed{std::move(art), 0, 0};
    if (x + placed.Width() + kGap > kShelfWidth) {
      x = kGap;
      y += shelf + kGap;
      shelf = 0;
    }
    placed.X = x;
    placed.Y = y;
    x += placed.Width() + kGap;
    shelf = std::max(shelf, placed.Height());
    master.Masks.push_back(std::move(placed));
  }
  master.Pixels = Image(kShelfWidth, y + shelf + kGap, {255, 0, 255, 255});
  for (const PlacedMask& mask : master.Masks)
    for (int frame = 0; frame < mask.Art.Frames; ++frame)
      Store(master.Pixels, mask, frame, mask.Art.Paint(frame));
  return master;
}

Image FramePicture(const MasterImage& master, const PlacedMask& mask, int frame) {
  const MaskArt& art = mask.Art;
  Image picture(art.FrameWidth, art.FrameHeight);
  for (int y = 0; y < art.FrameHeight; ++y) {
    for (int x = 0; x < art.FrameWidth; ++x) {
      const Rgba p = master.Pixels.At(mask.X + frame * art.FrameWidth + x, mask.Y + y);
      const bool key = p.r == 255 && p.g == 0 && p.b == 255;
      const uint8_t weight =
          art.MaskLayer
              ? master.Pixels.At(mask.X + frame * art.FrameWidth + x, mask.Y + art.FrameHeight + y)
                    .r
              : 0;
      picture.At(x, y) = key ? kKey : Rgba{p.r, p.g, p.b, uint8_t(255 - weight)};
    }
  }
  return picture;
}

}  // namespace skingen
