#pragma once
// The private messages from the hook to the main window; wParam is the event's virtual key.
#include <cstdint>

namespace zv {

inline constexpr unsigned WM_HOOKKEYDOWN = 0x8250;  // WM_APP + 0x250
inline constexpr unsigned WM_HOOKKEYUP = 0x8251;    // WM_APP + 0x251

// dwExtraInfo of every event the program injects, so the hook knows all of its own events,
// however many are queued ("TempCode" holds only the last one). "ZVKE".
inline constexpr std::uintptr_t kInjectionMarker = 0x5A564B45;

}  // namespace zv
