#pragma once
// Synthesised mouse buttons (mouse_event), at the cursor's position.

namespace zv::platform {

enum MouseFlags : unsigned {
  kLeftDown = 0x2,
  kLeftUp = 0x4,
  kRightDown = 0x8,
  kRightUp = 0x10,
};

class Mouse {
 public:
  virtual ~Mouse() = default;
  // mouse_event(flags, 0, 0, 0, 0).
  virtual void MouseEvent(unsigned flags) = 0;
};

}  // namespace zv::platform
