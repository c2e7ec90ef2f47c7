#include "engine/hook_watchdog.h"

namespace zv {

bool HookWatchdog::Check() {
  if (away_.any() || !hook_.installed()) return false;
  // Tick counts wrap after 49 days: compare by difference.
  auto ahead = static_cast<std::int32_t>(input_.LastKeyboardInputTick() - hook_.lastSeenTick());
  if (ahead <= static_cast<std::int32_t>(kSlackMs)) return false;
  hook_.ReinstallKeyHook();
  return true;
}

void HookWatchdog::OnSessionEvent(SessionEvent event) {
  auto n = static_cast<unsigned>(event);
  bool back = n % 2 == 1;
  away_[n / 2] = !back;
  if (back && away_.none()) hook_.ReinstallKeyHook();
}

}  // namespace zv
