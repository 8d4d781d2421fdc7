#include "scene/sample_folders.h"

namespace velmora::scene {
namespace {

std::string WithoutTrailingSeparator(std::string_view folder) {
  while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
    folder.remove_suffix(1);
  }
  return std::string(folder);
}

}  // namespace

SampleFolders::SampleFolders(std::string_view executableFolder)
    : loops(WithoutTrailingSeparator(executableFolder) + "\\samp_povt\\"),
      oneShots(WithoutTrailingSeparator(executableFolder) + "\\samp_raz\\") {}

}  // namespace velmora::scene
