#pragma once
// A sample that plays from its file while the decode-ahead worker decodes it whole, and from the
// memory copy once the worker has published it. The copy holds the very frames the file decodes
// to, so the switch lands on the next frame exactly: the signal only loses its float precision
// to 16-bit rounding, below anything audible.
#include <atomic>
#include <memory>
#include <optional>

#include "audio/core/memory_budget.h"
#include "audio/decoders/decoder.h"
#include "audio/decoders/pcm_copy.h"

namespace velmora::audio {

// Shared by the stream and the worker: the worker fills it once and publishes it; from then on
// it is only read. The stream abandons it when it goes, so the worker can stop early.
class MemoryCopy {
 public:
  const PcmCopy* published() const { return published_.load(std::memory_order_acquire) ? &pcm_ : nullptr; }
  void publish(PcmCopy pcm, Reservation reservation) {
    pcm_ = std::move(pcm);
    reservation_ = std::move(reservation);
    published_.store(true, std::memory_order_release);
  }

  void abandon() { abandoned_.store(true, std::memory_order_relaxed); }
  const std::atomic<bool>& abandoned() const { return abandoned_; }

 private:
  PcmCopy pcm_;
  Reservation reservation_;  // declared after the samples: given back once they are freed
  std::atomic<bool> published_{false};
  std::atomic<bool> abandoned_{false};
};

class FileThenMemoryDecoder final : public Decoder {
 public:
  FileThenMemoryDecoder(std::unique_ptr<Decoder> file, std::shared_ptr<MemoryCopy> copy);
  ~FileThenMemoryDecoder() override { copy_->abandon(); }

  size_t read(float* interleaved, size_t frames) override;
  bool rewind() override;
  uint64_t lengthFrames() const override { return file_->lengthFrames(); }

  bool playsFromMemory() const { return memory_.has_value(); }

 private:
  void switchWhenPublished();

  std::unique_ptr<Decoder> file_;
  std::shared_ptr<MemoryCopy> copy_;
  std::optional<PcmReader> memory_;
  uint64_t frame_ = 0;  // where the file stands, counted from its first frame
};

}  // namespace velmora::audio
