#include <windows.h>
// clang-format off
#include <mmsystem.h>
// clang-format on

#include "platform/win32/win32_audio_volume.h"

namespace zv::win32 {

namespace {

// Opens mixer device 0, finds the speakers line's volume control and runs use with details
// ready for one value; closes the device again. False when any of it cannot be reached.
template <class Use>
bool WithSpeakersVolume(Use use) {
  if (mixerGetNumDevs() < 1) return false;
  HMIXER mixer = nullptr;
  if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) return false;
  auto object = reinterpret_cast<HMIXEROBJ>(mixer);
  bool done = false;
  MIXERLINEA line = {};
  line.cbStruct = sizeof(line);
  line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  if (mixerGetLineInfoA(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) == MMSYSERR_NOERROR) {
    MIXERCONTROLA control = {};
    MIXERLINECONTROLSA controls = {};
    controls.cbStruct = sizeof(controls);
    controls.dwLineID = line.dwLineID;
    controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
    controls.cControls = 1;
    controls.cbmxctrl = sizeof(control);
    controls.pamxctrl = &control;
    if (mixerGetLineControlsA(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
        MMSYSERR_NOERROR) {
      MIXERCONTROLDETAILS_UNSIGNED value = {};
      MIXERCONTROLDETAILS details = {};
      details.cbStruct = sizeof(details);
      details.dwControlID = control.dwControlID;
      details.cChannels = 1;  // one value for all channels
      details.cMultipleItems = 0;
      details.cbDetails = sizeof(value);
      details.paDetails = &value;
      done = use(object, details, value);
    }
  }
  mixerClose(mixer);
  return done;
}

}  // namespace

bool Win32MixerVolume::GetVolume(std::uint16_t& result) {
  return WithSpeakersVolume(
      [&result](HMIXEROBJ mixer, MIXERCONTROLDETAILS& details, MIXERCONTROLDETAILS_UNSIGNED& v) {
        if (mixerGetControlDetailsA(mixer, &details, MIXER_GETCONTROLDETAILSF_VALUE) !=
            MMSYSERR_NOERROR)
          return false;
        result = static_cast<std::uint16_t>(v.dwValue);
        return true;
      });
}

bool Win32MixerVolume::SetVolume(std::uint16_t value) {
  return WithSpeakersVolume(
      [value](HMIXEROBJ mixer, MIXERCONTROLDETAILS& details, MIXERCONTROLDETAILS_UNSIGNED& v) {
        v.dwValue = value;
        mixerSetControlDetails(mixer, &details, MIXER_SETCONTROLDETAILSF_VALUE);
        return true;  // the result is not examined: the control was there
      });
}

}  // namespace zv::win32
