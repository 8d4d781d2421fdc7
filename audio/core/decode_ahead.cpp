#include "audio/core/decode_ahead.h"

#include "audio/core/file_then_memory_decoder.h"
#include "audio/decoders/format_probe.h"
#include "audio/decoders/pcm_copy.h"

namespace velmora::audio {

DecodeAhead::DecodeAhead(DecodeAheadLimits limits)
    : limits_(limits), budget_(std::make_shared<MemoryBudget>(limits.totalBytes)) {}

DecodeAhead::~DecodeAhead() { stop(); }

std::unique_ptr<Decoder> DecodeAhead::offer(std::unique_ptr<Decoder> decoder, std::unique_ptr<ByteSource> file) {
  const auto channels = static_cast<uint64_t>(decoder->format().channels);
  const uint64_t frames = decoder->lengthFrames();
  if (frames == 0 || frames > limits_.perSampleBytes / (channels * sizeof(int16_t))) return decoder;
  auto copy = std::make_shared<MemoryCopy>();
  {
    std::lock_guard lock(mutex_);
    queue_.push_back({std::move(file), frames, frames * channels * sizeof(int16_t), copy});
    if (!thread_.joinable()) {
      stop_ = std::make_shared<std::atomic<bool>>(false);
      thread_ = std::thread([this, stop = stop_] { run(stop); });
    }
  }
  wake_.notify_one();
  return std::make_unique<FileThenMemoryDecoder>(std::move(decoder), std::move(copy));
}

void DecodeAhead::stop() {
  std::thread worker;
  std::deque<Job> dropped;
  {
    std::lock_guard lock(mutex_);
    if (stop_) stop_->store(true);
    stop_.reset();
    worker = std::move(thread_);
    dropped.swap(queue_);
  }
  wake_.notify_all();
  if (worker.joinable()) worker.join();
  idle_.notify_all();
}

void DecodeAhead::waitUntilIdle() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return queue_.empty() && busy_ == 0; });
}

void DecodeAhead::run(const StopFlag& stop) {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return *stop || !queue_.empty(); });
    if (*stop) return;
    Job job = std::move(queue_.front());
    queue_.pop_front();
    ++busy_;
    lock.unlock();
    decode(job, *stop);
    job = {};  // the file and, for an abandoned stream, its copy go outside the lock
    lock.lock();
    --busy_;
    idle_.notify_all();
  }
}

void DecodeAhead::decode(Job& job, const std::atomic<bool>& stop) {
  const std::atomic<bool>& abandoned = job.copy->abandoned();
  if (abandoned || stop || !budget_->take(job.bytes)) return;
  Reservation reservation(budget_, job.bytes);
  auto decoder = openDecoder(std::move(job.file));
  PcmCopy pcm;
  // The stream went, or the engine is being freed: either ends the decode.
  const auto cancelled = [&] { return abandoned.load(std::memory_order_relaxed) || stop.load(); };
  if (!decoder || !decodeWhole(*decoder, job.frames, cancelled, pcm)) return;
  job.copy->publish(std::move(pcm), std::move(reservation));
}

}  // namespace velmora::audio
