#include "scene/win32/device_volume.h"

#include <windows.h>
#include <mmsystem.h>

#include <memory>
#include <type_traits>

namespace velmora::scene {
namespace {

struct MixerCloser {
  void operator()(HMIXER mixer) const { mixerClose(mixer); }
};
using UniqueMixer = std::unique_ptr<std::remove_pointer_t<HMIXER>, MixerCloser>;

// The mixer of the mapper's device; where the mapper names none, of the first device, which is
// the default one on such platforms.
UniqueMixer OpenOutputMixer() {
  HMIXER mixer = nullptr;
  if (mixerOpen(&mixer, WAVE_MAPPER, 0, 0, MIXER_OBJECTF_WAVEOUT) == MMSYSERR_NOERROR ||
      mixerOpen(&mixer, 0, 0, 0, MIXER_OBJECTF_WAVEOUT) == MMSYSERR_NOERROR) {
    return UniqueMixer(mixer);
  }
  return nullptr;
}

DWORD Scaled(DWORD half, const MIXERCONTROLW& control) {
  const DWORD min = control.Bounds.dwMinimum;
  const DWORD max = control.Bounds.dwMaximum;
  return min + static_cast<DWORD>(static_cast<unsigned long long>(half) * (max - min) / 0xFFFF);
}

// The speakers' volume control, left and right: what the output device's volume is where the
// platform takes the volume of open wave handles only.
bool SetMixerVolume(std::uint32_t volume) {
  const UniqueMixer mixer = OpenOutputMixer();
  if (!mixer) return false;
  const auto object = reinterpret_cast<HMIXEROBJ>(mixer.get());
  MIXERLINEW line{};
  line.cbStruct = sizeof line;
  line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  if (mixerGetLineInfoW(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) != MMSYSERR_NOERROR) {
    return false;
  }
  MIXERCONTROLW control{};
  control.cbStruct = sizeof control;
  MIXERLINECONTROLSW controls{};
  controls.cbStruct = sizeof controls;
  controls.dwLineID = line.dwLineID;
  controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
  controls.cControls = 1;
  controls.cbmxctrl = sizeof control;
  controls.pamxctrl = &control;
  if (mixerGetLineControlsW(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) !=
      MMSYSERR_NOERROR) {
    return false;
  }
  MIXERCONTROLDETAILS_UNSIGNED levels[2] = {{Scaled(volume & 0xFFFF, control)},
                                            {Scaled(volume >> 16, control)}};
  MIXERCONTROLDETAILS details{};
  details.cbStruct = sizeof details;
  details.dwControlID = control.dwControlID;
  details.cChannels = line.cChannels == 1 ? 1 : 2;
  details.cbDetails = sizeof levels[0];
  details.paDetails = levels;
  return mixerSetControlDetails(object, &details, MIXER_SETCONTROLDETAILSF_VALUE) ==
         MMSYSERR_NOERROR;
}

}  // namespace

bool SetDeviceVolume(std::uint32_t volume) {
  WAVEOUTCAPSW caps{};
  if (waveOutGetDevCapsW(WAVE_MAPPER, &caps, sizeof caps) != MMSYSERR_NOERROR) return false;
  if (!(caps.dwSupport & WAVECAPS_VOLUME)) return false;
  const MMRESULT result = waveOutSetVolume(
      reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(WAVE_MAPPER)), volume);
  if (result == MMSYSERR_NOERROR) return true;
  // Some platforms refuse a device's id here and take only open handles.
  return result == MMSYSERR_INVALHANDLE && SetMixerVolume(volume);
}

}  // namespace velmora::scene
