#pragma once
// What the engine lends the tempo extension, which lives in a library of its own and reaches the
// engine only through this interface.
#include <cstdint>
#include <memory>

#include "audio/core/source.h"

namespace velmora::audio {

class EngineExtension {
 public:
  // Builds the new stream's source around its input's; nullptr when it cannot.
  using Wrap = std::unique_ptr<Source> (*)(std::unique_ptr<Source> input, uint32_t rate);

  // A new stream that plays `decodeStream`'s source through `wrap`. The decode-only stream gives
  // up its source; with the free-source flag it dies with the new stream. 0 on failure.
  virtual uint32_t wrapStream(uint32_t decodeStream, uint32_t flags, Wrap wrap) = 0;

 protected:
  ~EngineExtension() = default;
};

}  // namespace velmora::audio
