#include <windows.h>
// clang-format off
#include <mmsystem.h>
// clang-format on

#include "platform/win32/win32_audio_volume.h"

namespace zv::win32 {

namespace {

HMIXEROBJ ObjectOf(std::uintptr_t mixer) {
  return reinterpret_cast<HMIXEROBJ>(mixer);
}

// Details ready for one value for all channels of the control.
MIXERCONTROLDETAILS DetailsFor(unsigned long control, MIXERCONTROLDETAILS_UNSIGNED& value) {
  MIXERCONTROLDETAILS details = {};
  details.cbStruct = sizeof(details);
  details.dwControlID = control;
  details.cChannels = 1;
  details.cMultipleItems = 0;
  details.cbDetails = sizeof(value);
  details.paDetails = &value;
  return details;
}

}  // namespace

Win32MixerVolume::~Win32MixerVolume() {
  Close();
}

// Opens mixer device 0 and finds the speakers line's volume control, unless that is done.
bool Win32MixerVolume::Open() {
  if (mixer_) return true;
  if (mixerGetNumDevs() < 1) return false;
  HMIXER mixer = nullptr;
  if (mixerOpen(&mixer, 0, 0, 0, 0) != MMSYSERR_NOERROR) return false;
  auto object = reinterpret_cast<HMIXEROBJ>(mixer);
  MIXERLINEA line = {};
  line.cbStruct = sizeof(line);
  line.dwComponentType = MIXERLINE_COMPONENTTYPE_DST_SPEAKERS;
  MIXERCONTROLA control = {};
  MIXERLINECONTROLSA controls = {};
  controls.cbStruct = sizeof(controls);
  controls.dwControlType = MIXERCONTROL_CONTROLTYPE_VOLUME;
  controls.cControls = 1;
  controls.cbmxctrl = sizeof(control);
  controls.pamxctrl = &control;
  bool found =
      mixerGetLineInfoA(object, &line, MIXER_GETLINEINFOF_COMPONENTTYPE) == MMSYSERR_NOERROR;
  if (found) {
    controls.dwLineID = line.dwLineID;
    found = mixerGetLineControlsA(object, &controls, MIXER_GETLINECONTROLSF_ONEBYTYPE) ==
            MMSYSERR_NOERROR;
  }
  if (!found) {
    mixerClose(mixer);
    return false;
  }
  mixer_ = reinterpret_cast<std::uintptr_t>(mixer);
  control_ = control.dwControlID;
  return true;
}

void Win32MixerVolume::Close() {
  if (mixer_) mixerClose(reinterpret_cast<HMIXER>(mixer_));
  mixer_ = 0;
}

bool Win32MixerVolume::GetVolume(std::uint16_t& result) {
  for (int attempt = 0; attempt < 2 && Open(); ++attempt) {
    MIXERCONTROLDETAILS_UNSIGNED value = {};
    MIXERCONTROLDETAILS details = DetailsFor(control_, value);
    if (mixerGetControlDetailsA(ObjectOf(mixer_), &details, MIXER_GETCONTROLDETAILSF_VALUE) ==
        MMSYSERR_NOERROR) {
      result = static_cast<std::uint16_t>(value.dwValue);
      return true;
    }
    Close();  // the device may have gone: open it afresh once
  }
  return false;
}

bool Win32MixerVolume::SetVolume(std::uint16_t v) {
  if (!Open()) return false;
  MIXERCONTROLDETAILS_UNSIGNED value = {};
  value.dwValue = v;
  MIXERCONTROLDETAILS details = DetailsFor(control_, value);
  if (mixerSetControlDetails(ObjectOf(mixer_), &details, MIXER_SETCONTROLDETAILSF_VALUE) !=
      MMSYSERR_NOERROR)
    Close();  // the result is not examined beyond that: the control was there
  return true;
}

}  // namespace zv::win32
