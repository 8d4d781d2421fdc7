#include "tests/audio/support/offline_engine.h"

#include <cmath>

namespace velmora::audio::testing {

namespace {
struct NullOutput final : Output {};
}  // namespace

OfflineEngine::OfflineEngine(DecodeAheadLimits decodeAhead)
    : engine_([](uint32_t, RenderFunction) { return std::make_unique<NullOutput>(); }, decodeAhead) {
  engine_.init(-1, kRate);
}

uint32_t OfflineEngine::stream(const std::vector<uint8_t>& file, uint32_t flags) {
  return engine_.createStream(std::make_unique<ByteSource>(file), flags);
}

std::vector<float> OfflineEngine::render(double seconds) {
  const auto frames = static_cast<size_t>(std::lround(seconds * kRate));
  std::vector<float> out(frames * 2);
  for (size_t at = 0; at < frames; at += kBlockFrames) {
    engine_.render(out.data() + at * 2, std::min(kBlockFrames, frames - at));
  }
  return out;
}

MixingThread::MixingThread(OfflineEngine& engine)
    : thread_([this, &engine] {
        std::vector<float> block(OfflineEngine::kBlockFrames * 2);
        while (!done_) engine->render(block.data(), OfflineEngine::kBlockFrames);
      }) {}

MixingThread::~MixingThread() {
  done_ = true;
  thread_.join();
}

}  // namespace velmora::audio::testing
