#include "engine/hook_watchdog.h"

namespace zv {

bool HookWatchdog::Check() {
  if (away_.any()) return false;
  if (hook_.refused()) {
    hook_.ReinstallKeyHook();
    return hook_.installed();
  }
  if (!hook_.installed()) return false;
  // Tick counts wrap after 49 days: compare by difference.
  auto ahead = static_cast<std::int32_t>(input_.LastKeyboardInputTick() - hook_.lastSeenTick());
  if (ahead <= static_cast<std::int32_t>(kSlackMs)) return false;
  hook_.ReinstallKeyHook();
  return true;
}

void HookWatchdog::OnSessionEvent(SessionEvent event) {
  auto n = static_cast<unsigned>(event);
  bool back = n % 2 == 1;
  // Windows repeats some of these (two resumes after sleep): a return the program already took
  // changes nothing, or it would release keys the user has pressed since.
  bool returning = back && away_[n / 2];
  away_[n / 2] = !back;
  if (returning && away_.none()) hook_.ReinstallKeyHook();
}

}  // namespace zv
