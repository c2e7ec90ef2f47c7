#pragma once
// The actions and the volume controller of the main window, on the real system: the posted
// work and timers of the actions run from the main thread's message loop (a message-only
// window), blocking device commands on the scheduler's worker thread.
#include <windows.h>

#include <functional>
#include <string>

#include "engine/action_runner.h"
#include "engine/actions/actions.h"
#include "engine/error_reporter.h"
#include "platform/win32/win32_audio_volume.h"
#include "platform/win32/win32_bar_window.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_devices.h"
#include "platform/win32/win32_program_starter.h"
#include "platform/win32/win32_scheduler.h"
#include "volume/volume.h"

namespace zv {

class ActionWiring {
 public:
  // window: the main window, which takes SC_MONITORPOWER; errors of actions go to errors, to be
  // shown in the standard error box; a "Run" target that could not start goes to tellRunFailure.
  ActionWiring(HWND window, KeySimulator& keys, ErrorReporter& errors,
               std::function<void(const std::string&)> tellRunFailure)
      : scheduler_([&errors](const std::string& text) { errors.PostError(text); }),
        media_(window),
        volume_(endpoint_, mixer_, scheduler_, screen_, sleeper_),
        actions_(ActionDevices{keys, clipboard_, power_, media_, mouse_, messages_, volume_,
                               win32::HandleOf(window), &programs_, std::move(tellRunFailure)},
                 scheduler_, [&errors](const std::string& text) { errors.PostError(text); }) {}

  Actions& actions() { return actions_; }
  platform::Scheduler& scheduler() { return scheduler_; }
  TVolume& volume() { return volume_; }

 private:
  win32::Win32Scheduler scheduler_;  // first made, last gone: it outlives whatever it runs
  win32::Win32Clipboard clipboard_;
  win32::Win32Power power_;
  win32::Win32Media media_;
  win32::Win32Mouse mouse_;
  win32::Win32SystemMessages messages_;
  win32::Win32EndpointVolume endpoint_;
  win32::Win32MixerVolume mixer_;
  win32::Win32BarWindow screen_;
  win32::Win32Sleeper sleeper_;
  win32::Win32ProgramStarter programs_;
  TVolume volume_;
  Actions actions_;
};

}  // namespace zv
