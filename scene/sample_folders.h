#pragma once
#include <string>
#include <string_view>

namespace velmora::scene {

// The two sample folders beside the executable, each ending in a separator so that a file name
// completes a path. Paths are in the engine's narrow encoding.
struct SampleFolders {
  explicit SampleFolders(std::string_view executableFolder);

  std::string loops;     // looping recordings
  std::string oneShots;  // one-shot recordings
};

}  // namespace velmora::scene
