#pragma once
// The two ways to the master volume: the default output endpoint (Windows Vista and later),
// and the multimedia mixer's speakers line, which since Vista reaches only this program's own
// audio session and so serves as the fallback for older systems.
#include "platform/audio_volume.h"

namespace zv::win32 {

// IAudioEndpointVolume of the default render endpoint: scalar = value / 65535, and back,
// rounded. Opened and released at every call.
class Win32EndpointVolume : public platform::AudioVolume {
 public:
  bool GetVolume(std::uint16_t& value) override;
  bool SetVolume(std::uint16_t value) override;
};

// The volume control of the speakers destination line of mixer device 0, one value for all
// channels. Opened and closed at every call.
class Win32MixerVolume : public platform::AudioVolume {
 public:
  bool GetVolume(std::uint16_t& value) override;
  bool SetVolume(std::uint16_t value) override;
};

}  // namespace zv::win32
