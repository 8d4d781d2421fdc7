#include "audio/core/memory_budget.h"

namespace velmora::audio {

bool MemoryBudget::take(uint64_t bytes) {
  uint64_t used = used_.load(std::memory_order_relaxed);
  do {
    if (bytes > total_ - used) return false;
  } while (!used_.compare_exchange_weak(used, used + bytes, std::memory_order_relaxed));
  return true;
}

}  // namespace velmora::audio
