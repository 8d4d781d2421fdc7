#include "scene/layer.h"

#include "audio/bass_fx_api.h"
#include "scene/channel_calls.h"

namespace velmora::scene {

float VolumeFromPosition(int position) { return static_cast<float>(position / 20.0); }
float PanFromPosition(int position) { return static_cast<float>(position / 5.0); }
float TempoFromPosition(int position) { return static_cast<float>(position); }

void Layer::Apply(bool on, std::string_view folder, std::string_view fileName,
                  const LayerLevels& levels) {
  Stop();
  if (!on) return;
  if (!fileName.empty()) path_ = std::string(folder) + std::string(fileName);
  Start(levels);
}

void Layer::SetVolume(int position) const {
  scene::SetVolume(channel_, VolumeFromPosition(position));
}

void Layer::SetBalance(int position) const {
  BASS_ChannelSetAttribute(channel_, BASS_ATTRIB_PAN, PanFromPosition(position));
}

void Layer::SetSpeed(int position) const {
  BASS_ChannelSetAttribute(channel_, BASS_ATTRIB_TEMPO, TempoFromPosition(position));
}

void Layer::Stop() const { StopAndFree(channel_); }

void Layer::Start(const LayerLevels& levels) {
  if (stream_ == LayerStream::Looping) {
    channel_ = BASS_StreamCreateFile(0, path_.c_str(), 0, 0, BASS_STREAM_LOOP);
    SetVolume(levels.volume);
  } else {
    const HSTREAM source = BASS_StreamCreateFile(0, path_.c_str(), 0, 0, BASS_STREAM_DECODE);
    channel_ = BASS_FX_TempoCreate(source, BASS_FX_FREESOURCE | BASS_STREAM_LOOP);
    // Without a tempo stream nothing would ever free the decoder.
    if (source != 0 && channel_ == 0) BASS_StreamFree(source);
    SetVolume(levels.volume);
    SetBalance(levels.balance);
    SetSpeed(levels.speed);
  }
  BASS_ChannelPlay(channel_, 0);
}

}  // namespace velmora::scene
