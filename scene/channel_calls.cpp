#include "scene/channel_calls.h"

namespace velmora::scene {

void StopAndFree(HSTREAM channel) {
  BASS_ChannelStop(channel);
  BASS_StreamFree(channel);
}

bool IsBusy(HSTREAM channel) { return BASS_ChannelIsActive(channel) != 0; }

void SetVolume(HSTREAM channel, double volume) {
  BASS_ChannelSetAttribute(channel, BASS_ATTRIB_VOL, static_cast<float>(volume));
}

}  // namespace velmora::scene
