#pragma once
// A skin whose slider parts are plain colours, so every pixel's origin can be told.
#include <string>

#include "tests/skin/paint/loaded_skin.h"
#include "tests/skin/paint/pixels.h"

namespace velmora::skin::test::slider {

inline const uint32_t kRed = Bgra(0, 0, 200, 255), kGreen = Bgra(0, 200, 0, 255),
               kBlue = Bgra(200, 0, 0, 255), kWhite = Bgra(255, 255, 255, 255),
               kYellow = Bgra(0, 220, 220, 255), kParent = Bgra(10, 20, 30, 255),
               kKey = Bgra(255, 0, 255, 255);

inline void Fill(Image32& image, int x0, int y0, int x1, int y1, uint32_t colour) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) image.At(x, y) = colour;
}

// Thumb: three 4 x 4 frames red, green, blue; tick: 3 x 3 white; channel: a 3 x 4 yellow
// borders mask with 1-pixel borders.
inline Image32 SliderMaster() {
  Image32 image = Filled(32, 12, kKey);
  Fill(image, 0, 0, 4, 4, kRed);
  Fill(image, 4, 0, 8, 4, kGreen);
  Fill(image, 8, 0, 12, 4, kBlue);
  Fill(image, 0, 8, 3, 11, kWhite);
  Fill(image, 16, 0, 19, 4, kYellow);
  return image;
}

inline std::string SliderSections() {
  const std::string parts =
      "STATES=3\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
      "FONTCOLOR=255\r\nHOTFONTCOLOR=65280\r\n"
      "SLIDERMASK=@0000@0000@0012@0004@3@0\r\nTICKHORZ=@0000@0008@0003@0011@1@0\r\n";
  return "[TRACKBAR]\r\n" + parts +
         "SLIDERCHANNEL=^0016^0000^0019^0004^0001^0001^0001^0001^1^0^0^0\r\n"
         "[NOCHANNEL]\r\n" + parts;
}

struct SliderSkin {
  LoadedSkin loaded{SliderSections(), SliderMaster()};
  const SkinRegistry& skin = *loaded.registry;
};

}  // namespace velmora::skin::test::slider
