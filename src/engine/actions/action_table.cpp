#include "engine/actions/actions.h"

namespace zv {

Actions::Actions(const ActionDevices& devices, platform::Scheduler& scheduler,
                 ActionQueue::ErrorSink showError)
    : devices_(devices),
      keeper_(devices.clipboard, scheduler),
      queue_(scheduler, [this, showError = std::move(showError)](const std::string& text) {
        // An action cut short (a key sequence stopped by an error) may have pressed keys that
        // its remaining steps would have released.
        devices_.keys.ReleasePressedKeys();
        if (showError) showError(text);
      }) {}

void Actions::FillActionTable() {
  ActionTable_ = {{
      {"CleanText", &Actions::ActCleanText},
      {"TypeText", &Actions::ActTypeText},
      {"KeyCombination", &Actions::ActKeyCombination},
      {"Volume Up", &Actions::ActVolumeUp},
      {"Volume Down", &Actions::ActVolumeDown},
      {"Shutdown", &Actions::ActShutdown},
      {"Restart", &Actions::ActRestart},
      {"Logout", &Actions::ActLogout},
      {"Hibernate", &Actions::ActHibernate},
      {"Suspend", &Actions::ActSuspend},
      {"Eject cdrom driver", &Actions::ActEjectCdrom},
      {"Close cdrom driver", &Actions::ActCloseCdrom},
      {"Click Left Mouse Button", &Actions::ActClickLeft},
      {"Click Right Mouse Button", &Actions::ActClickRight},
      {"Turn Off Monitor", &Actions::ActMonitorOff},
      {"Activate Screensaver", &Actions::ActScreensaver},
      {"Eject/Close Cdrom Driver", &Actions::ActToggleCdrom},
      {"KeySequence", &Actions::ActKeySequence},
      {"Run", &Actions::ActRun, true},
  }};
}

// Every row is looked at; the names are distinct, so at most one action is queued.
void Actions::RunAction(const std::string& name, const std::string& parameter) {
  for (const TActionEntry& row : ActionTable_) {
    if (row.Proc == nullptr || row.Name != name || (row.pressOnly && repeating_)) continue;
    auto proc = row.Proc;
    queue_.Enqueue(
        [this, proc, parameter](ActionSteps& steps) { (this->*proc)(parameter, steps); });
  }
}

void Actions::RepeatAction(const std::string& name, const std::string& parameter) {
  repeating_ = true;
  RunAction(name, parameter);  // only queues: nothing here throws past the reset
  repeating_ = false;
}

}  // namespace zv
