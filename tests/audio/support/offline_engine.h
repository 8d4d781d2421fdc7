#pragma once
// The engine as the tests drive it: a null output, and the mix pulled by hand in device-sized
// blocks, as the real output does.
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "audio/core/engine.h"
#include "tests/audio/support/test_signals.h"

namespace velmora::audio::testing {

class OfflineEngine {
 public:
  static constexpr uint32_t kRate = 44100;
  static constexpr size_t kBlockFrames = 441;

  explicit OfflineEngine(DecodeAheadLimits decodeAhead = kDecodeAheadLimits);
  Engine& operator*() { return engine_; }
  Engine* operator->() { return &engine_; }

  uint32_t stream(const std::vector<uint8_t>& file, uint32_t flags);
  // Renders `seconds` of stereo output.
  std::vector<float> render(double seconds);

 private:
  Engine engine_;
};

// The output's thread, as a real output runs it: mixes block after block for as long as it lives.
class MixingThread {
 public:
  explicit MixingThread(OfflineEngine& engine);
  ~MixingThread();

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

}  // namespace velmora::audio::testing
