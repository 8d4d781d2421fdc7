#pragma once
// The device side of the engine: an output pulls mixed frames on a thread of its own for as
// long as it lives.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace velmora::audio {

class Output {
 public:
  virtual ~Output() = default;  // stops pulling and releases the device before it returns
};

// Fills `frames` stereo float frames.
using RenderFunction = std::function<void(float* stereo, size_t frames)>;
// Opens the default device at `rate`, stereo; nullptr when there is none to open.
using OutputFactory = std::function<std::unique_ptr<Output>(uint32_t rate, RenderFunction render)>;

}  // namespace velmora::audio
