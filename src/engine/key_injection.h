#pragma once
// How one keystroke is injected as Windows expects it: with its scan code, and with the
// extended-key flag for the keys whose scan codes carry the E0 prefix (arrows, the Insert to
// Page Down block, right Ctrl and Alt, Num Lock, Divide, the Windows and Apps keys, the media
// and browser keys). Without the flag, programs that read scan codes (remote desktop, virtual
// machines, games) see the number pad's key instead.
#include <cstdint>

#include "platform/input.h"

namespace zv {

bool IsExtendedKey(std::uint8_t vk);

// scan: the key's scan code (MapVirtualKeyA with type 0).
platform::KeyInput KeyInputFor(int code, bool isDown, unsigned scan, std::uintptr_t marker);

}  // namespace zv
