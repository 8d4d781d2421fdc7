#pragma once
// The engine behind the exported calls: the table of streams, the mix and the output's life.
// Every call is safe against the output's thread: one lock guards the table and the mix, and
// nothing slow (reading or opening a file, destroying a stream) happens while it is held.
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "audio/core/byte_source.h"
#include "audio/core/decode_ahead.h"
#include "audio/core/engine_extension.h"
#include "audio/core/mixer.h"
#include "audio/core/output.h"
#include "audio/core/source.h"

namespace velmora::audio {

// BASS_ChannelIsActive's answers.
inline constexpr uint32_t kActiveStopped = 0;
inline constexpr uint32_t kActivePlaying = 1;

class Engine final : public EngineExtension {
 public:
  explicit Engine(OutputFactory openOutput, DecodeAheadLimits decodeAhead = kDecodeAheadLimits);
  ~Engine();

  bool init(int32_t device, uint32_t rate);
  uint32_t createFileStream(const char* path, uint32_t flags);
  uint32_t createStream(std::unique_ptr<ByteSource> bytes, uint32_t flags);
  uint32_t wrapStream(uint32_t decodeStream, uint32_t flags, Wrap wrap) override;
  bool setAttribute(uint32_t handle, uint32_t attribute, float value);
  bool play(uint32_t handle, bool restart);
  bool stop(uint32_t handle);
  bool freeStream(uint32_t handle);
  uint32_t isActive(uint32_t handle);
  bool stopOutput();
  bool free();

  // The output's pull: mixes every playing stream into `frames` stereo frames.
  void render(float* stereo, size_t frames);

  // For tests and measurements of the steady state: returns once every sample offered for
  // decoding ahead is in memory or refused.
  void waitForDecodingAhead() { decodeAhead_.waitUntilIdle(); }
  uint64_t bytesDecodedAhead() const { return decodeAhead_.bytesHeld(); }

 private:
  // Stopping: stopped for the caller, still gliding to silence in the mix so that it never clicks.
  enum class State { Stopped, Playing, Stopping, Ended };
  struct Channel {
    std::unique_ptr<Source> source;  // null once a wrapping stream has taken it
    bool decodeOnly = false;
    State state = State::Stopped;
    float volume = 1.0f;
    float pan = 0.0f;
    StereoGain gain;
    uint32_t freesWith = 0;  // the source stream that dies with this one
  };
  using Table = std::map<uint32_t, Channel>;

  uint32_t add(Channel channel);
  Channel* find(uint32_t handle);
  bool ensureOutput(std::unique_lock<std::mutex>& lock);
  // An output at `rate` whose thread mixes through render().
  std::unique_ptr<Output> openOutputAt(uint32_t rate);
  void mixChannel(Channel& channel, float* mix, size_t frames);
  void mixDying(float* mix, size_t frames);

  OutputFactory openOutput_;
  std::mutex mutex_;
  bool initialised_ = false;
  uint32_t rate_ = 0;
  uint32_t nextHandle_ = 1;
  Table channels_;
  std::vector<Channel> dying_;  // freed while sounding: they fade out, then go
  std::unique_ptr<Output> output_;
  std::optional<Limiter> limiter_;
  std::vector<float> scratch_;
  DecodeAhead decodeAhead_;  // never takes the lock above, so streams may be freed while it decodes
};

}  // namespace velmora::audio
