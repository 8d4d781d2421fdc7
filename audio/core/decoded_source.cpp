#include "audio/core/decoded_source.h"

#include <algorithm>

namespace velmora::audio {

DecodedSource::DecodedSource(std::unique_ptr<Decoder> decoder, uint32_t outputRate)
    : decoder_(std::move(decoder)) {
  if (decoder_->format().rate != outputRate) {
    resampler_ = std::make_unique<Resampler>(
        decoder_->format().rate, outputRate,
        [this](float* stereo, size_t frames) { return readStereo(stereo, frames); });
    if (!resampler_->valid()) ended_ = true;
  }
}

size_t DecodedSource::read(float* stereo, size_t frames) {
  if (ended_) return 0;
  const size_t got = resampler_ ? resampler_->read(stereo, frames) : readStereo(stereo, frames);
  if (got < frames) ended_ = true;
  return got;
}

bool DecodedSource::rewind() {
  if (!decoder_->rewind()) return false;
  if (resampler_) resampler_->reset();
  ended_ = false;
  return true;
}

size_t DecodedSource::readStereo(float* stereo, size_t frames) {
  size_t done = readOnce(stereo, frames);
  // A loop that yields nothing after a rewind is empty or broken: end it rather than spin.
  while (looping_ && done < frames && decoder_->rewind()) {
    const size_t more = readOnce(stereo + done * 2, frames - done);
    if (more == 0) break;
    done += more;
  }
  return done;
}

size_t DecodedSource::readOnce(float* stereo, size_t frames) {
  const int channels = decoder_->format().channels;
  if (channels == 2) return decoder_->read(stereo, frames);
  size_t done = 0;
  while (done < frames) {
    const size_t want = std::min<size_t>(frames - done, 1024);
    native_.resize(want * static_cast<size_t>(channels));
    const size_t got = decoder_->read(native_.data(), want);
    for (size_t i = 0; i < got; ++i) {
      const float* frame = native_.data() + i * static_cast<size_t>(channels);
      stereo[(done + i) * 2] = frame[0];
      stereo[(done + i) * 2 + 1] = channels == 1 ? frame[0] : frame[1];
    }
    done += got;
    if (got < want) break;
  }
  return done;
}

}  // namespace velmora::audio
