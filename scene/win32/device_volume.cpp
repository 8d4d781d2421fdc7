#include "scene/win32/device_volume.h"

#include <windows.h>
#include <mmsystem.h>

namespace velmora::scene {

bool SetDeviceVolume(std::uint32_t volume) {
  WAVEOUTCAPSW caps{};
  if (waveOutGetDevCapsW(WAVE_MAPPER, &caps, sizeof caps) != MMSYSERR_NOERROR) return false;
  if (!(caps.dwSupport & WAVECAPS_VOLUME)) return false;
  return waveOutSetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(WAVE_MAPPER)),
                          volume) == MMSYSERR_NOERROR;
}

}  // namespace velmora::scene
