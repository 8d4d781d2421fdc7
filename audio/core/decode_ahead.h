#pragma once
// Decoding ahead on a thread of the engine's own. A looping compressed sample starts at once,
// decoded as it plays, while this worker decodes it whole into memory; from then on the loop
// costs the mix next to nothing. The calling thread never waits for a decode. A cap per sample
// and a budget for all of them bound the memory: what does not fit stays decoded as it plays.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "audio/core/byte_source.h"
#include "audio/core/memory_budget.h"
#include "audio/decoders/decoder.h"

namespace velmora::audio {

class MemoryCopy;

struct DecodeAheadLimits {
  uint64_t perSampleBytes;
  uint64_t totalBytes;
};

// 16 MB holds a 95 s loop of 44.1 kHz stereo; 96 MB all the loops of the fullest scene, with
// room for one being replaced. Twelve minutes of rain (127 MB) always play from the file.
inline constexpr DecodeAheadLimits kDecodeAheadLimits{16ull << 20, 96ull << 20};

class DecodeAhead {
 public:
  explicit DecodeAhead(DecodeAheadLimits limits);
  ~DecodeAhead();
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  // `decoder`, made to switch to memory once the worker has decoded `file` (the same bytes) whole;
  // `decoder` itself when the headers tell no length or one over the cap.
  std::unique_ptr<Decoder> offer(std::unique_ptr<Decoder> decoder, std::unique_ptr<ByteSource> file);
  // Drops what is waiting, stops the sample being decoded and ends the thread. Streams already
  // switched keep their copies until they are freed.
  void stop();
  // Returns once nothing is waiting or being decoded: for measurements of the steady state.
  void waitUntilIdle();
  // What the published copies, and the one being decoded, hold.
  uint64_t bytesHeld() const { return budget_->used(); }

 private:
  struct Job {
    std::unique_ptr<ByteSource> file;
    uint64_t frames = 0;
    uint64_t bytes = 0;
    std::shared_ptr<MemoryCopy> copy;
  };
  using StopFlag = std::shared_ptr<std::atomic<bool>>;

  void run(const StopFlag& stop);
  void decode(Job& job, const std::atomic<bool>& stop);

  const DecodeAheadLimits limits_;
  const std::shared_ptr<MemoryBudget> budget_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::deque<Job> queue_;
  int busy_ = 0;       // workers in the middle of a job
  StopFlag stop_;      // the running worker's: each thread has its own, so a new one never sees an old stop
  std::thread thread_;
};

}  // namespace velmora::audio
