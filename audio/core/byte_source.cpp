#include "audio/core/byte_source.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace velmora::audio {

size_t ByteSource::read(void* to, size_t count) {
  const size_t n = std::min(count, bytes_->size() - position_);
  if (n) std::memcpy(to, bytes_->data() + position_, n);
  position_ += n;
  return n;
}

bool ByteSource::seek(uint64_t position) {
  if (position > bytes_->size()) return false;
  position_ = static_cast<size_t>(position);
  return true;
}

namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
}  // namespace

std::unique_ptr<ByteSource> readFile(const char* path) {
  if (!path) return nullptr;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (!file || std::fseek(file.get(), 0, SEEK_END) != 0) return nullptr;
  const long size = std::ftell(file.get());
  if (size <= 0 || static_cast<uint64_t>(size) > kMaxFileBytes) return nullptr;
  std::rewind(file.get());
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (std::fread(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return nullptr;
  return std::make_unique<ByteSource>(std::move(bytes));
}

}  // namespace velmora::audio
