#pragma once
// One press of "Volume Up" or "Volume Down": about a twentieth of the range, clamped.
#include <cstdint>

namespace zv {

constexpr int VolumeStep = 3280;

inline std::uint16_t VolumeSteppedUp(std::uint16_t value) {
  return value + VolumeStep >= 65535 ? 65535 : static_cast<std::uint16_t>(value + VolumeStep);
}

inline std::uint16_t VolumeSteppedDown(std::uint16_t value) {
  return value - VolumeStep <= 0 ? 0 : static_cast<std::uint16_t>(value - VolumeStep);
}

}  // namespace zv
