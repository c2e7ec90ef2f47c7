// Windows reports the generic Shift, Ctrl and Alt codes to the key-capture handlers; the
// catalogue only names the sided keys, so the live state of the left key decides.
#include "catalogue/key_catalogue.h"

namespace zv {
namespace {

constexpr int kShift = 16, kControl = 17, kMenu = 18;
constexpr int kLeftShift = 160, kLeftControl = 162, kLeftMenu = 164;

int LeftOrRight(int left, platform::KeyState& keys) {
  bool leftDown = keys.AsyncKeyState(left) < 0;  // the sign bit: down right now
  return leftDown ? left : left + 1;
}

}  // namespace

int SidedModifierCode(int code, platform::KeyState& keys) {
  switch (code) {
    case kShift:
      return LeftOrRight(kLeftShift, keys);
    case kControl:
      return LeftOrRight(kLeftControl, keys);
    case kMenu:
      return LeftOrRight(kLeftMenu, keys);
    default:
      return code;
  }
}

}  // namespace zv
