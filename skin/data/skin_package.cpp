#include "skin/data/skin_package.h"

#include <zlib.h>

#include <algorithm>

#include "skin/data/limits.h"
#include "skin/data/number_text.h"

namespace velmora::skin {
namespace {

constexpr size_t kInflateBlock = 65536;

class PackageCursor {
 public:
  explicit PackageCursor(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint32_t ReadU32() {
    Need(4, "a member header");
    const uint8_t* p = bytes_.data() + at_;
    at_ += 4;
    return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
  }
  std::string ReadName(uint32_t length) {
    Need(length, "a member name");
    std::string name(reinterpret_cast<const char*>(bytes_.data() + at_), length);
    at_ += length;
    return name;
  }
  std::vector<uint8_t> Inflate(const std::string& name, uint32_t size);

 private:
  void Need(size_t count, const char* what) const {
    if (bytes_.size() - at_ < count) {
      throw SkinError(std::string("Skin package ends inside ") + what);
    }
  }

  std::span<const uint8_t> bytes_;
  size_t at_ = 0;
};

class InflateStream {
 public:
  InflateStream() {
    if (inflateInit(&z_) != Z_OK) throw SkinError("Decompression could not start");
  }
  ~InflateStream() { inflateEnd(&z_); }
  InflateStream(const InflateStream&) = delete;
  InflateStream& operator=(const InflateStream&) = delete;
  z_stream& operator*() { return z_; }

 private:
  z_stream z_{};
};

[[noreturn]] void FailMember(const std::string& name, const std::string& why) {
  throw SkinError("Decompression error in skin package member \"" + name + "\": " + why);
}

// Inflates one zlib stream that must yield exactly size bytes, and leaves the cursor on the first
// byte after the stream: the package stores no compressed lengths.
std::vector<uint8_t> PackageCursor::Inflate(const std::string& name, uint32_t size) {
  if (size == 0) FailMember(name, "its size is 0");
  if (size > kMaxMemberBytes) FailMember(name, "it is larger than the member size limit");
  InflateStream stream;
  z_stream& z = *stream;
  std::vector<uint8_t> out(std::min<size_t>(size, kInflateBlock));
  size_t produced = 0;
  uint8_t overflow = 0;
  for (;;) {
    if (z.avail_in == 0) {
      if (at_ == bytes_.size()) FailMember(name, "the package ends inside it");
      const size_t block = std::min(kInflateBlock, bytes_.size() - at_);
      z.next_in = const_cast<Bytef*>(bytes_.data() + at_);
      z.avail_in = static_cast<uInt>(block);
      at_ += block;
    }
    const bool full = produced == size;
    if (!full && produced == out.size()) out.resize(std::min<size_t>(size, out.size() * 2));
    const size_t room = full ? 1 : out.size() - produced;
    z.next_out = full ? &overflow : out.data() + produced;
    z.avail_out = static_cast<uInt>(room);
    const uInt inputBefore = z.avail_in;
    const int result = inflate(&z, Z_NO_FLUSH);
    const size_t got = room - z.avail_out;
    if (full && got > 0) FailMember(name, "it holds more than its stated size");
    produced += got;
    if (result == Z_STREAM_END) {
      if (produced != size) FailMember(name, "it holds less than its stated size");
      at_ -= z.avail_in;  // hand back what was read ahead
      return out;
    }
    if (result != Z_OK && result != Z_BUF_ERROR) FailMember(name, z.msg ? z.msg : "data error");
    if (got == 0 && z.avail_in == inputBefore && z.avail_in != 0) FailMember(name, "data error");
  }
}

bool IsOptionsName(const std::string& name) { return EqualsIgnoringCase(name, "OPTIONS.DAT"); }

bool HasExtension(const std::string& name, std::string_view extension) {
  return name.size() >= extension.size() &&
         EqualsIgnoringCase(std::string_view(name).substr(name.size() - extension.size()),
                            extension);
}

}  // namespace

TacSkinConvertor ReadSkinPackage(std::span<const uint8_t> source) {
  if (source.size() < 4 || !std::equal(source.begin(), source.begin() + 4, "ASzf")) {
    throw NotAPackageError();
  }
  PackageCursor cursor(source.subspan(4));
  const uint32_t count = cursor.ReadU32();
  TacSkinConvertor package;
  package.ImageCount = int64_t(count) - 1;
  uint64_t total = 0;  // sizes are 32-bit each, and so may be size_t
  for (uint32_t i = 0; i < count; ++i) {
    std::string name = cursor.ReadName(cursor.ReadU32());
    const uint32_t size = cursor.ReadU32();
    total += size;
    if (total > kMaxPackageBytes) FailMember(name, "the package is larger than its size limit");
    std::vector<uint8_t> data = cursor.Inflate(name, size);
    if (IsOptionsName(name)) {
      package.Options.emplace(data.begin(), data.end());
    } else {
      const bool isBitmap = HasExtension(name, ".BMP");
      package.Images.push_back({std::move(name), isBitmap, std::move(data)});
    }
  }
  return package;
}

const TacImageItem* FindImageMember(const TacSkinConvertor& package, std::string_view name) {
  const int64_t searched = std::min<int64_t>(package.ImageCount, int64_t(package.Images.size()));
  for (int64_t i = 0; i < searched; ++i) {
    if (UpperCase(package.Images[size_t(i)].Name) == name) return &package.Images[size_t(i)];
  }
  return nullptr;
}

std::optional<std::span<const uint8_t>> FindPreview(std::span<const uint8_t> package) {
  constexpr std::string_view kMarker = "previewimg";
  const auto marker = std::search(package.begin(), package.end(), kMarker.begin(), kMarker.end());
  if (marker == package.end()) return std::nullopt;
  const size_t at = size_t(marker - package.begin()) + kMarker.size();
  if (package.size() - at < 4) return std::nullopt;
  const uint8_t* p = package.data() + at;
  const uint32_t length = p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
  if (package.size() - at - 4 < length) return std::nullopt;
  return package.subspan(at + 4, length);
}

}  // namespace velmora::skin
