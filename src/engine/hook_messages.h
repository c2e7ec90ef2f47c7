#pragma once
// The private messages from the hook to the main window; wParam is the event's virtual key.
#include <cstdint>

#include "common/private_messages.h"

namespace zv {

// WM_HOOKKEYDOWN and WM_HOOKKEYUP are listed with the program's other private messages.

// dwExtraInfo of every event the program injects, so the hook knows all of its own events,
// however many are queued ("TempCode" holds only the last one). "ZVKE".
inline constexpr std::uintptr_t kInjectionMarker = 0x5A564B45;

}  // namespace zv
