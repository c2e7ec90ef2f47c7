#include "engine/hook_watchdog.h"

namespace zv {

bool HookWatchdog::Check() {
  if (away_ || !hook_.installed()) return false;
  // Tick counts wrap after 49 days: compare by difference.
  auto ahead = static_cast<std::int32_t>(input_.LastKeyboardInputTick() - hook_.lastSeenTick());
  if (ahead <= static_cast<std::int32_t>(kSlackMs)) return false;
  hook_.ReinstallKeyHook();
  return true;
}

void HookWatchdog::OnSessionEvent(SessionEvent event) {
  away_ = event == SessionEvent::Locked || event == SessionEvent::Suspending;
  if (!away_) hook_.ReinstallKeyHook();
}

}  // namespace zv
