#pragma once
// A sample file's bytes, held in memory: files are read whole when a stream is created, so the
// mixing thread never waits on the disk. Sources reopened from one another share the bytes, each
// with its own position, so two decoders can read one file on two threads.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace velmora::audio {

class ByteSource {
 public:
  explicit ByteSource(std::vector<uint8_t> bytes)
      : bytes_(std::make_shared<const std::vector<uint8_t>>(std::move(bytes))) {}

  // The same bytes from the first on.
  std::unique_ptr<ByteSource> reopened() const { return std::unique_ptr<ByteSource>(new ByteSource(bytes_)); }

  // Copies up to `count` bytes from the position on; returns how many were copied.
  size_t read(void* to, size_t count);
  bool seek(uint64_t position);
  uint64_t tell() const { return position_; }
  uint64_t size() const { return bytes_->size(); }
  const uint8_t* data() const { return bytes_->data(); }

 private:
  explicit ByteSource(std::shared_ptr<const std::vector<uint8_t>> bytes) : bytes_(std::move(bytes)) {}

  std::shared_ptr<const std::vector<uint8_t>> bytes_;
  size_t position_ = 0;
};

// The largest sample file the engine reads; anything bigger is refused rather than allocated.
inline constexpr uint64_t kMaxFileBytes = 512ull << 20;

// The whole file, or nullptr when it is missing, unreadable, empty or too big.
std::unique_ptr<ByteSource> readFile(const char* path);

}  // namespace velmora::audio
