#pragma once
#include <string>
#include <vector>

#include "skingen/master_image.h"
#include "skingen/sections.h"

namespace skingen {

// The options text: every section of the table in order, its state keys, its masks from the
// master image, CR LF line ends.
std::string WriteOptionsText(const std::vector<SectionLook>& sections, const MasterImage& master);

}  // namespace skingen
