#include "audio/core/file_then_memory_decoder.h"

namespace velmora::audio {

FileThenMemoryDecoder::FileThenMemoryDecoder(std::unique_ptr<Decoder> file, std::shared_ptr<MemoryCopy> copy)
    : file_(std::move(file)), copy_(std::move(copy)) {
  format_ = file_->format();
}

size_t FileThenMemoryDecoder::read(float* out, size_t frames) {
  switchWhenPublished();
  if (memory_) return memory_->read(out, frames);
  const size_t got = file_->read(out, frames);
  frame_ += got;
  return got;
}

bool FileThenMemoryDecoder::rewind() {
  frame_ = 0;
  if (memory_) {
    memory_->rewind();
    return true;
  }
  return file_->rewind();
}

void FileThenMemoryDecoder::switchWhenPublished() {
  if (memory_) return;
  const PcmCopy* pcm = copy_->published();
  // A copy that could not follow on from here (never so for a file that decodes the same twice)
  // is left alone: the file keeps playing.
  if (!pcm || pcm->format.channels != format_.channels || pcm->format.rate != format_.rate ||
      frame_ > pcm->frames()) {
    return;
  }
  memory_.emplace(*pcm, static_cast<size_t>(frame_));
}

}  // namespace velmora::audio
