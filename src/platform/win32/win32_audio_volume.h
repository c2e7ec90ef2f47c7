#pragma once
// The two ways to the master volume: the default output endpoint (Windows Vista and later),
// and the multimedia mixer's speakers line, which since Vista reaches only this program's own
// audio session and so serves as the fallback for older systems. Each is set up at its first
// use and kept, not opened at every step.
#include <cstdint>
#include <memory>

#include "platform/audio_volume.h"

namespace zv::win32 {

// IAudioEndpointVolume of the default render endpoint: scalar = value / 65535, and back,
// rounded. Made on the thread that uses it (COM lives as long as this object there); opened
// again after the default output device changed or a call failed.
class Win32EndpointVolume : public platform::AudioVolume {
 public:
  Win32EndpointVolume();
  ~Win32EndpointVolume() override;
  bool GetVolume(std::uint16_t& value) override;
  bool SetVolume(std::uint16_t value) override;

 private:
  struct Endpoint;
  std::unique_ptr<Endpoint> endpoint_;
};

// The volume control of the speakers destination line of mixer device 0, one value for all
// channels. Opened again when a call fails.
class Win32MixerVolume : public platform::AudioVolume {
 public:
  ~Win32MixerVolume() override;
  bool GetVolume(std::uint16_t& value) override;
  bool SetVolume(std::uint16_t value) override;

 private:
  bool Open();
  void Close();
  std::uintptr_t mixer_ = 0;  // the HMIXER while open
  unsigned long control_ = 0;
};

}  // namespace zv::win32
