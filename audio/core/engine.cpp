#include "audio/core/engine.h"

#include <algorithm>
#include <cmath>

#include "audio/bass_api.h"
#include "audio/core/decoded_source.h"
#include "audio/decoders/format_probe.h"

namespace velmora::audio {

namespace {
// Frames mixed at a time: attribute changes land on these boundaries at the latest.
constexpr size_t kMixBlock = 256;
// A jump in volume or panning glides over at most this long.
constexpr float kGlideSeconds = 0.005f;
constexpr int32_t kDefaultDevice = -1;
constexpr int32_t kFirstDevice = 1;

// Loops repeat for as long as the program runs, and decode-only streams feed tempo loops: a
// compressed one is worth decoding once into memory. A play-once sound plays through once, so
// decoding it ahead would only double the work; WAV costs nothing to read as it plays.
bool worthDecodingAhead(const ByteSource& file, uint32_t flags) {
  if (!(flags & (BASS_STREAM_LOOP | BASS_STREAM_DECODE))) return false;
  const FileFormat format = detectFormat({file.data(), static_cast<size_t>(file.size())});
  return format == FileFormat::OggVorbis || format == FileFormat::Flac || format == FileFormat::Mpeg;
}
}  // namespace

Engine::Engine(OutputFactory openOutput, DecodeAheadLimits decodeAhead)
    : openOutput_(std::move(openOutput)), decodeAhead_(decodeAhead) {}

// The output's thread calls render() until the output is gone, so it goes first.
Engine::~Engine() { output_.reset(); }

bool Engine::init(int32_t device, uint32_t rate) {
  if ((device != kDefaultDevice && device != kFirstDevice) || rate < kMinRate || rate > kMaxRate) {
    return false;
  }
  {
    std::lock_guard lock(mutex_);
    if (initialised_) return false;
    rate_ = rate;
    limiter_.emplace(rate);
    scratch_.assign(kMixBlock * 2, 0.0f);
  }
  auto output = openOutputAt(rate);
  if (!output) return false;
  std::lock_guard lock(mutex_);
  output_ = std::move(output);
  initialised_ = true;
  return true;
}

uint32_t Engine::createFileStream(const char* path, uint32_t flags) {
  {
    std::lock_guard lock(mutex_);
    if (!initialised_) return 0;
  }
  return createStream(readFile(path), flags);
}

uint32_t Engine::createStream(std::unique_ptr<ByteSource> bytes, uint32_t flags) {
  uint32_t rate;
  {
    std::lock_guard lock(mutex_);
    if (!initialised_) return 0;
    rate = rate_;
  }
  if (!bytes) return 0;
  auto sameBytes = worthDecodingAhead(*bytes, flags) ? bytes->reopened() : nullptr;
  auto decoder = openDecoder(std::move(bytes));
  if (!decoder) return 0;
  if (sameBytes) decoder = decodeAhead_.offer(std::move(decoder), std::move(sameBytes));
  Channel channel;
  channel.source = std::make_unique<DecodedSource>(std::move(decoder), rate);
  channel.source->setLooping(flags & BASS_STREAM_LOOP);
  channel.decodeOnly = flags & BASS_STREAM_DECODE;
  return add(std::move(channel));
}

uint32_t Engine::wrapStream(uint32_t decodeStream, uint32_t flags, Wrap wrap) {
  std::unique_ptr<Source> input;
  uint32_t rate;
  {
    std::lock_guard lock(mutex_);
    Channel* source = find(decodeStream);
    if (!source || !source->decodeOnly || !source->source) return 0;
    input = std::move(source->source);
    rate = rate_;
  }
  Channel channel;
  channel.source = wrap(std::move(input), rate);
  if (!channel.source) return 0;
  channel.source->setLooping(flags & BASS_STREAM_LOOP);
  channel.decodeOnly = flags & BASS_STREAM_DECODE;
  if (flags & BASS_FX_FREESOURCE) channel.freesWith = decodeStream;
  return add(std::move(channel));
}

bool Engine::setAttribute(uint32_t handle, uint32_t attribute, float value) {
  std::lock_guard lock(mutex_);
  Channel* channel = find(handle);
  if (!channel || !std::isfinite(value)) return false;
  if (attribute == BASS_ATTRIB_VOL) {
    channel->volume = std::clamp(value, 0.0f, 1.0f);
  } else if (attribute == BASS_ATTRIB_PAN) {
    channel->pan = std::clamp(value, -1.0f, 1.0f);
  } else {
    return channel->source && channel->source->setAttribute(attribute, value);
  }
  // A silent channel takes its new level at once; a sounding one glides to it in the mix.
  if (channel->state == State::Stopped || channel->state == State::Ended) {
    channel->gain = gainFor(channel->volume, channel->pan);
  }
  return true;
}

bool Engine::play(uint32_t handle, bool restart) {
  std::unique_lock lock(mutex_);
  Channel* channel = find(handle);
  if (!channel || channel->decodeOnly || !channel->source) return false;
  if (restart && !channel->source->rewind()) return false;
  if (channel->state != State::Stopping) channel->gain = gainFor(channel->volume, channel->pan);
  channel->state = State::Playing;
  return ensureOutput(lock);
}

bool Engine::stop(uint32_t handle) {
  std::lock_guard lock(mutex_);
  Channel* channel = find(handle);
  if (!channel || channel->decodeOnly) return false;
  if (channel->state == State::Playing) channel->state = State::Stopping;
  return true;
}

bool Engine::freeStream(uint32_t handle) {
  // Declared before the lock, so the streams are destroyed after it is released.
  Table::node_type freed;
  Table::node_type freedSource;
  std::lock_guard lock(mutex_);
  freed = channels_.extract(handle);
  if (freed.empty()) return false;
  if (freed.mapped().freesWith) freedSource = channels_.extract(freed.mapped().freesWith);
  Channel& channel = freed.mapped();
  if (channel.state == State::Playing || channel.state == State::Stopping) {
    channel.state = State::Stopping;
    dying_.push_back(std::move(channel));
  }
  return true;
}

uint32_t Engine::isActive(uint32_t handle) {
  std::lock_guard lock(mutex_);
  const Channel* channel = find(handle);
  if (!channel) return kActiveStopped;
  if (channel->decodeOnly) return channel->source ? kActivePlaying : kActiveStopped;
  return channel->state == State::Playing ? kActivePlaying : kActiveStopped;
}

bool Engine::stopOutput() {
  std::unique_ptr<Output> output;
  std::vector<Channel> dying;
  std::lock_guard lock(mutex_);
  if (!initialised_) return false;
  output = std::move(output_);
  dying.swap(dying_);
  for (auto& [handle, channel] : channels_) {
    if (channel.state == State::Playing || channel.state == State::Stopping) channel.state = State::Stopped;
  }
  return true;
}

bool Engine::free() {
  std::unique_ptr<Output> output;
  Table channels;
  std::vector<Channel> dying;
  {
    std::lock_guard lock(mutex_);
    if (!initialised_) return false;
    output = std::move(output_);
    channels.swap(channels_);
    dying.swap(dying_);
    initialised_ = false;
  }
  // The output's thread may be waiting for the lock to mix one last block: let it go first.
  output.reset();
  decodeAhead_.stop();
  return true;
}

void Engine::render(float* stereo, size_t frames) {
  std::fill_n(stereo, frames * 2, 0.0f);
  std::lock_guard lock(mutex_);
  if (!initialised_) return;
  for (size_t at = 0; at < frames; at += kMixBlock) {
    const size_t block = std::min(kMixBlock, frames - at);
    for (auto& [handle, channel] : channels_) {
      if (channel.state == State::Playing || channel.state == State::Stopping) {
        mixChannel(channel, stereo + at * 2, block);
      }
    }
    mixDying(stereo + at * 2, block);
    limiter_->process(stereo + at * 2, block);
  }
}

void Engine::mixChannel(Channel& channel, float* mix, size_t frames) {
  const size_t got = channel.source->read(scratch_.data(), frames);
  const float maxStep = 1.0f / (kGlideSeconds * static_cast<float>(rate_));
  const bool stopping = channel.state == State::Stopping;
  const StereoGain target = stopping ? StereoGain{0.0f, 0.0f} : gainFor(channel.volume, channel.pan);
  mixWithGain(scratch_.data(), mix, got, channel.gain, target, maxStep);
  if (got < frames) {
    channel.state = State::Ended;
  } else if (stopping && channel.gain.left == 0.0f && channel.gain.right == 0.0f) {
    channel.state = State::Stopped;
  }
}

// Streams freed while sounding fade out here; the few freed on the output's thread are small.
void Engine::mixDying(float* mix, size_t frames) {
  for (Channel& channel : dying_) mixChannel(channel, mix, frames);
  std::erase_if(dying_, [](const Channel& channel) { return channel.state != State::Stopping; });
}

uint32_t Engine::add(Channel channel) {
  std::lock_guard lock(mutex_);
  if (!initialised_) return 0;
  if (nextHandle_ == 0) ++nextHandle_;
  const uint32_t handle = nextHandle_++;
  channels_.emplace(handle, std::move(channel));
  return handle;
}

Engine::Channel* Engine::find(uint32_t handle) {
  const auto it = channels_.find(handle);
  return it == channels_.end() ? nullptr : &it->second;
}

bool Engine::ensureOutput(std::unique_lock<std::mutex>& lock) {
  if (output_) return true;
  lock.unlock();
  auto output = openOutputAt(rate_);
  lock.lock();
  if (!output) return false;
  if (!output_) output_ = std::move(output);
  return true;
}

std::unique_ptr<Output> Engine::openOutputAt(uint32_t rate) {
  return openOutput_(rate, [this](float* stereo, size_t frames) { render(stereo, frames); });
}

}  // namespace velmora::audio
