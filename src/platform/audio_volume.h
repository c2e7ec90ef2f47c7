#pragma once
// One way to reach the master output volume, on the scale 0 (silent) to 65535 (loudest).
#include <cstdint>

namespace zv::platform {

class AudioVolume {
 public:
  virtual ~AudioVolume() = default;
  // False when this way cannot reach a volume control (no device, no line, no control).
  virtual bool GetVolume(std::uint16_t& value) = 0;
  virtual bool SetVolume(std::uint16_t value) = 0;
};

}  // namespace zv::platform
