#include "audio/core/tempo_source.h"

#include <soundtouch/SoundTouch.h>

#include <algorithm>
#include <cmath>

namespace velmora::audio {

constexpr size_t kFeedFrames = 1024;

TempoSource::TempoSource(std::unique_ptr<Source> input, uint32_t rate)
    : input_(std::move(input)),
      stretcher_(std::make_unique<soundtouch::SoundTouch>()),
      chunk_(kFeedFrames * 2) {
  stretcher_->setSampleRate(rate);
  stretcher_->setChannels(2);
  stretcher_->setTempoChange(0.0);
  // Only the tempo changes, never the rate: the rate stage's anti-alias filter would cost a
  // third of the stretch and filter nothing.
  stretcher_->setSetting(SETTING_USE_AA_FILTER, 0);
}

TempoSource::~TempoSource() = default;

size_t TempoSource::read(float* stereo, size_t frames) {
  size_t done = 0;
  while (done < frames) {
    done += stretcher_->receiveSamples(stereo + done * 2, static_cast<unsigned>(frames - done));
    if (done < frames) {
      if (inputEnded_ && stretcher_->numSamples() == 0) break;
      feed();
    }
  }
  return done;
}

// Feeds one chunk of input; at the input's end, flushes what the stretcher still holds.
void TempoSource::feed() {
  if (inputEnded_) return;
  const size_t got = input_->read(chunk_.data(), kFeedFrames);
  if (got) stretcher_->putSamples(chunk_.data(), static_cast<unsigned>(got));
  if (got < kFeedFrames) {
    inputEnded_ = true;
    stretcher_->flush();
  }
}

bool TempoSource::rewind() {
  if (!input_->rewind()) return false;
  stretcher_->clear();
  inputEnded_ = false;
  return true;
}

bool TempoSource::setAttribute(uint32_t attribute, float value) {
  if (attribute != kAttributeTempo || !std::isfinite(value)) return false;
  stretcher_->setTempoChange(std::clamp(value, kMinTempoPercent, kMaxTempoPercent));
  return true;
}

}  // namespace velmora::audio
