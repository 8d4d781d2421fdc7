#pragma once
// A skin package shaped like the program's own: about seventy sections, a 400 KB master bitmap,
// a borders image, PNG border images and a JPEG texture.
#include "tests/skin/package_builder.h"

namespace velmora::skin::test {

std::string SampleOptionsText();
Bytes SamplePackage();

// Sections "[L0]" to "[L<links>]", each the child of the next; the last one holds `endKeys`.
std::string ParentChain(int links, const std::string& endKeys);

}  // namespace velmora::skin::test
