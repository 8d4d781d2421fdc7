#include "audio/decoders/vorbis_decoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>

namespace velmora::audio {
namespace {

size_t readBytes(void* to, size_t size, size_t count, void* source) {
  return static_cast<ByteSource*>(source)->read(to, size * count) / std::max<size_t>(size, 1);
}

int seekBytes(void* source, ogg_int64_t offset, int whence) {
  auto* bytes = static_cast<ByteSource*>(source);
  const int64_t base = whence == SEEK_SET   ? 0
                       : whence == SEEK_CUR ? static_cast<int64_t>(bytes->tell())
                                            : static_cast<int64_t>(bytes->size());
  const int64_t target = base + offset;
  return target >= 0 && bytes->seek(static_cast<uint64_t>(target)) ? 0 : -1;
}

long tellBytes(void* source) { return static_cast<long>(static_cast<ByteSource*>(source)->tell()); }

// Holes and bad packets are skipped by libvorbisfile; this many in a row means the rest is junk.
constexpr int kMaxConsecutiveErrors = 64;

class VorbisDecoder final : public Decoder {
 public:
  explicit VorbisDecoder(std::unique_ptr<ByteSource> bytes) : bytes_(std::move(bytes)) {}
  ~VorbisDecoder() override {
    if (open_) ov_clear(&file_);
  }

  bool open() {
    const ov_callbacks callbacks{readBytes, seekBytes, nullptr, tellBytes};
    open_ = ov_open_callbacks(bytes_.get(), &file_, nullptr, 0, callbacks) == 0;
    if (!open_) return false;
    const vorbis_info* info = ov_info(&file_, -1);
    if (!info || info->rate <= 0) return false;
    format_ = {static_cast<uint32_t>(info->rate), info->channels};
    return isPlayableFormat(format_);
  }

  size_t read(float* out, size_t frames) override {
    size_t done = 0;
    int errors = 0;
    while (done < frames && errors < kMaxConsecutiveErrors) {
      float** pcm = nullptr;
      int link = 0;
      const long got = ov_read_float(&file_, &pcm, static_cast<int>(std::min<size_t>(frames - done, 4096)), &link);
      if (got == 0) break;
      if (got < 0) {
        ++errors;
        continue;
      }
      errors = 0;
      // A chained file whose next link changes the layout ends where the layout changes.
      const vorbis_info* info = ov_info(&file_, link);
      if (!info || info->channels != format_.channels || static_cast<uint32_t>(info->rate) != format_.rate) break;
      for (long i = 0; i < got; ++i) {
        for (int c = 0; c < format_.channels; ++c) out[(done + i) * format_.channels + c] = pcm[c][i];
      }
      done += static_cast<size_t>(got);
    }
    return done;
  }

  bool rewind() override { return ov_pcm_seek(&file_, 0) == 0; }

  uint64_t lengthFrames() const override {
    const ogg_int64_t total = ov_pcm_total(const_cast<OggVorbis_File*>(&file_), -1);
    return total > 0 ? static_cast<uint64_t>(total) : 0;
  }

 private:
  std::unique_ptr<ByteSource> bytes_;
  OggVorbis_File file_{};
  bool open_ = false;
};

}  // namespace

std::unique_ptr<Decoder> openVorbis(std::unique_ptr<ByteSource> bytes) {
  return openWith<VorbisDecoder>(std::move(bytes));
}

}  // namespace velmora::audio
