#include "audio/win32/wave_out_output.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

namespace velmora::audio {
namespace {

// Four blocks of 10 ms queued at the device: enough to ride out a late wake-up of the thread,
// short enough that a new sound starts within a few tens of milliseconds.
constexpr int kBuffers = 4;
constexpr uint32_t kBlocksPerSecond = 100;

struct EventHandle {
  HANDLE handle = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  ~EventHandle() {
    if (handle) CloseHandle(handle);
  }
};

class WaveOutOutput final : public Output {
 public:
  WaveOutOutput(uint32_t rate, RenderFunction render)
      : render_(std::move(render)), frames_(rate / kBlocksPerSecond), mix_(frames_ * 2) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = rate * 4;
    if (!wake_.handle ||
        waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(wake_.handle), 0,
                    CALLBACK_EVENT) != MMSYSERR_NOERROR) {
      device_ = nullptr;
      return;
    }
    for (int i = 0; i < kBuffers; ++i) {
      samples_[i].assign(frames_ * 2, 0);
      WAVEHDR& header = headers_[i];
      header.lpData = reinterpret_cast<LPSTR>(samples_[i].data());
      header.dwBufferLength = static_cast<DWORD>(frames_ * 4);
      waveOutPrepareHeader(device_, &header, sizeof header);
      header.dwFlags |= WHDR_DONE;  // every buffer starts out free to fill
    }
    thread_ = std::thread([this] { run(); });
  }

  ~WaveOutOutput() override {
    if (!device_) return;
    stopping_ = true;
    SetEvent(wake_.handle);
    thread_.join();
    waveOutReset(device_);
    for (WAVEHDR& header : headers_) waveOutUnprepareHeader(device_, &header, sizeof header);
    waveOutClose(device_);
  }

  bool opened() const { return device_ != nullptr; }

 private:
  void run() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    while (!stopping_) {
      for (int i = 0; i < kBuffers && !stopping_; ++i) {
        if (headers_[i].dwFlags & WHDR_DONE) fill(i);
      }
      WaitForSingleObject(wake_.handle, 20);
    }
  }

  void fill(int index) {
    render_(mix_.data(), frames_);
    std::transform(mix_.begin(), mix_.end(), samples_[index].begin(), [](float s) {
      return static_cast<int16_t>(std::lrint(std::clamp(s, -1.0f, 1.0f) * 32767.0f));
    });
    headers_[index].dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
    waveOutWrite(device_, &headers_[index], sizeof headers_[index]);
  }

  RenderFunction render_;
  size_t frames_;
  std::vector<float> mix_;
  std::array<std::vector<int16_t>, kBuffers> samples_;
  std::array<WAVEHDR, kBuffers> headers_{};
  EventHandle wake_;
  HWAVEOUT device_ = nullptr;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

}  // namespace

std::unique_ptr<Output> openWaveOut(uint32_t rate, RenderFunction render) {
  auto output = std::make_unique<WaveOutOutput>(rate, std::move(render));
  if (!output->opened()) return nullptr;
  return output;
}

}  // namespace velmora::audio
