#include "audio/decoders/flac_decoder.h"

#include <FLAC/stream_decoder.h>

#include <algorithm>
#include <vector>

namespace velmora::audio {
namespace {

class FlacDecoder final : public Decoder {
 public:
  explicit FlacDecoder(std::unique_ptr<ByteSource> bytes)
      : bytes_(std::move(bytes)), decoder_(FLAC__stream_decoder_new()) {}
  ~FlacDecoder() override {
    if (decoder_) FLAC__stream_decoder_delete(decoder_);
  }

  bool open() {
    if (!decoder_ ||
        FLAC__stream_decoder_init_stream(decoder_, onRead, onSeek, onTell, onLength, onEof, onWrite,
                                         onMetadata, onError,
                                         this) != FLAC__STREAM_DECODER_INIT_STATUS_OK) {
      return false;
    }
    // The first frame proves the stream decodes; it stays pending for the first read.
    return FLAC__stream_decoder_process_until_end_of_metadata(decoder_) && isPlayableFormat(format_) &&
           fillPending() && !pending_.empty();
  }

  size_t read(float* out, size_t frames) override {
    const auto channels = static_cast<size_t>(format_.channels);
    size_t done = 0;
    while (done < frames) {
      if (pendingAt_ == pending_.size() && !fillPending()) break;
      const size_t n = std::min(frames - done, (pending_.size() - pendingAt_) / channels);
      std::copy_n(pending_.begin() + static_cast<std::ptrdiff_t>(pendingAt_), n * channels, out + done * channels);
      pendingAt_ += n * channels;
      done += n;
    }
    return done;
  }

  uint64_t lengthFrames() const override { return FLAC__stream_decoder_get_total_samples(decoder_); }

  bool rewind() override {
    pending_.clear();
    pendingAt_ = 0;
    if (FLAC__stream_decoder_seek_absolute(decoder_, 0)) return true;
    // A failed seek leaves the decoder needing a flush before it decodes again.
    return FLAC__stream_decoder_flush(decoder_) && bytes_->seek(0) &&
           FLAC__stream_decoder_reset(decoder_) &&
           FLAC__stream_decoder_process_until_end_of_metadata(decoder_);
  }

 private:
  // Decodes the next frame into the pending buffer; false at the end or on an error.
  bool fillPending() {
    pending_.clear();
    pendingAt_ = 0;
    while (pending_.empty()) {
      if (FLAC__stream_decoder_get_state(decoder_) >= FLAC__STREAM_DECODER_END_OF_STREAM ||
          !FLAC__stream_decoder_process_single(decoder_)) {
        return false;
      }
      if (errors_ > kMaxErrors) return false;
    }
    return true;
  }

  static FLAC__StreamDecoderReadStatus onRead(const FLAC__StreamDecoder*, FLAC__byte buffer[],
                                              size_t* bytes, void* self) {
    *bytes = static_cast<FlacDecoder*>(self)->bytes_->read(buffer, *bytes);
    return *bytes ? FLAC__STREAM_DECODER_READ_STATUS_CONTINUE
                  : FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM;
  }
  static FLAC__StreamDecoderSeekStatus onSeek(const FLAC__StreamDecoder*, FLAC__uint64 offset, void* self) {
    return static_cast<FlacDecoder*>(self)->bytes_->seek(offset) ? FLAC__STREAM_DECODER_SEEK_STATUS_OK
                                                                 : FLAC__STREAM_DECODER_SEEK_STATUS_ERROR;
  }
  static FLAC__StreamDecoderTellStatus onTell(const FLAC__StreamDecoder*, FLAC__uint64* offset, void* self) {
    *offset = static_cast<FlacDecoder*>(self)->bytes_->tell();
    return FLAC__STREAM_DECODER_TELL_STATUS_OK;
  }
  static FLAC__StreamDecoderLengthStatus onLength(const FLAC__StreamDecoder*, FLAC__uint64* length, void* self) {
    *length = static_cast<FlacDecoder*>(self)->bytes_->size();
    return FLAC__STREAM_DECODER_LENGTH_STATUS_OK;
  }
  static FLAC__bool onEof(const FLAC__StreamDecoder*, void* self) {
    const auto& bytes = *static_cast<FlacDecoder*>(self)->bytes_;
    return bytes.tell() >= bytes.size();
  }
  static void onMetadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* metadata, void* self) {
    auto& decoder = *static_cast<FlacDecoder*>(self);
    if (metadata->type != FLAC__METADATA_TYPE_STREAMINFO) return;
    const auto& info = metadata->data.stream_info;
    decoder.format_ = {info.sample_rate, static_cast<int>(info.channels)};
  }
  static void onError(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* self) {
    ++static_cast<FlacDecoder*>(self)->errors_;
  }

  // Frames disagreeing with the stream info are dropped rather than guessed at.
  static FLAC__StreamDecoderWriteStatus onWrite(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                                const FLAC__int32* const buffer[], void* self) {
    auto& decoder = *static_cast<FlacDecoder*>(self);
    const auto& header = frame->header;
    if (static_cast<int>(header.channels) != decoder.format_.channels || header.bits_per_sample == 0 ||
        header.bits_per_sample > 32) {
      return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    }
    decoder.errors_ = 0;
    const float scale = 1.0f / static_cast<float>(1ull << (header.bits_per_sample - 1));
    const auto channels = header.channels;
    decoder.pending_.resize(static_cast<size_t>(header.blocksize) * channels);
    for (unsigned i = 0; i < header.blocksize; ++i) {
      for (unsigned c = 0; c < channels; ++c) {
        decoder.pending_[i * channels + c] = static_cast<float>(buffer[c][i]) * scale;
      }
    }
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
  }

  static constexpr int kMaxErrors = 1024;
  std::unique_ptr<ByteSource> bytes_;
  FLAC__StreamDecoder* decoder_;
  std::vector<float> pending_;
  size_t pendingAt_ = 0;
  int errors_ = 0;
};

}  // namespace

std::unique_ptr<Decoder> openFlac(std::unique_ptr<ByteSource> bytes) {
  return openWith<FlacDecoder>(std::move(bytes));
}

}  // namespace velmora::audio
