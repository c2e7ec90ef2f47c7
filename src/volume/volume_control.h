#pragma once
// What the volume actions need from the volume controller.
#include <cstdint>

namespace zv {

constexpr std::uint16_t kVolumeMax = 65535;

class VolumeControl {
 public:
  virtual ~VolumeControl() = default;
  // The current master volume, 0 to 65535.
  virtual std::uint16_t GetVolume() = 0;
  // Shows the bar with value and sets the master volume to it.
  virtual void SetVolume(std::uint16_t value) = 0;
};

}  // namespace zv
