#include "engine/key_injection.h"

namespace zv {

bool IsExtendedKey(std::uint8_t vk) {
  return (vk >= 0x21 && vk <= 0x28) ||                // Page Up to End, Home, the arrows
         vk == 0x2C || vk == 0x2D || vk == 0x2E ||    // Print Screen, Insert, Delete
         (vk >= 0x5B && vk <= 0x5D) || vk == 0x5F ||  // the Windows keys, Apps, Sleep
         vk == 0x6F || vk == 0x90 ||                  // Divide, Num Lock
         vk == 0xA3 || vk == 0xA5 ||                  // right Ctrl, right Alt
         (vk >= 0xA6 && vk <= 0xB7);                  // browser, volume, media, launch keys
}

platform::KeyInput KeyInputFor(int code, bool isDown, unsigned scan, std::uintptr_t marker) {
  platform::KeyInput in;
  in.vk = static_cast<std::uint8_t>(code & 0xFF);
  in.scan = static_cast<std::uint16_t>(scan & 0xFF);
  in.flags = (isDown ? 0 : platform::kKeyEventfKeyUp) |
             (IsExtendedKey(in.vk) ? platform::kKeyEventfExtendedKey : 0);
  in.extraInfo = marker;
  return in;
}

}  // namespace zv
