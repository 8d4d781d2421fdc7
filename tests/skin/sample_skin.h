#pragma once
// A skin package shaped like the program's own: about seventy sections, a 400 KB master bitmap,
// a borders image, PNG border images and a JPEG texture.
#include "tests/skin/package_builder.h"

namespace velmora::skin::test {

std::string SampleOptionsText();
Bytes SamplePackage();

}  // namespace velmora::skin::test
