#pragma once
// A volume control that may be missing, as on a machine without that kind of device.
#include <cstdint>

#include "platform/audio_volume.h"

namespace zv::fake {

class FakeAudioVolume : public platform::AudioVolume {
 public:
  bool GetVolume(std::uint16_t& v) override {
    ++gets;
    if (!available) return false;
    v = value;
    return true;
  }
  bool SetVolume(std::uint16_t v) override {
    ++sets;
    if (!available) return false;
    value = v;
    return true;
  }

  bool available = true;
  std::uint16_t value = 0;
  int gets = 0, sets = 0;
};

}  // namespace zv::fake
