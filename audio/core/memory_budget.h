#pragma once
// The memory all decoded-ahead samples may hold together. A reservation gives its bytes back
// when it goes, on whichever thread lets go of the sample last.
#include <atomic>
#include <cstdint>
#include <memory>

namespace velmora::audio {

class MemoryBudget {
 public:
  explicit MemoryBudget(uint64_t totalBytes) : total_(totalBytes) {}

  // Takes `bytes` if they fit in what is left; false, taking nothing, when they do not.
  bool take(uint64_t bytes);
  void giveBack(uint64_t bytes) { used_.fetch_sub(bytes, std::memory_order_relaxed); }
  uint64_t used() const { return used_.load(std::memory_order_relaxed); }

 private:
  const uint64_t total_;
  std::atomic<uint64_t> used_{0};
};

class Reservation {
 public:
  Reservation() = default;
  Reservation(std::shared_ptr<MemoryBudget> budget, uint64_t bytes) : budget_(std::move(budget)), bytes_(bytes) {}
  Reservation(Reservation&& other) noexcept = default;
  Reservation& operator=(Reservation&& other) noexcept {
    std::swap(budget_, other.budget_);
    std::swap(bytes_, other.bytes_);
    return *this;
  }
  ~Reservation() {
    if (budget_) budget_->giveBack(bytes_);
  }

 private:
  std::shared_ptr<MemoryBudget> budget_;
  uint64_t bytes_ = 0;
};

}  // namespace velmora::audio
