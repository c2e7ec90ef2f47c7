#pragma once
// The 19 actions a key can be mapped to, the table that binds their catalogue names to them,
// and RunAction, through which the dispatcher starts one.
//
// RunAction is called from inside the keyboard hook, so it only queues the action: the action
// runs after the hook has returned, in the order the keys came (see ActionQueue).
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "engine/action_runner.h"
#include "engine/actions/action_queue.h"
#include "engine/actions/clipboard_keeper.h"
#include "platform/clipboard.h"
#include "platform/media.h"
#include "platform/mouse.h"
#include "platform/power.h"
#include "platform/program_starter.h"
#include "platform/scheduler.h"
#include "platform/system_messages.h"
#include "volume/volume_control.h"

namespace zv {

// What the actions act upon.
struct ActionDevices {
  KeySimulator& keys;
  platform::Clipboard& clipboard;
  platform::Power& power;
  platform::Media& media;
  platform::Mouse& mouse;
  platform::SystemMessages& windows;
  VolumeControl& volume;
  // The program's own top-level application window, which leaves SC_MONITORPOWER to the
  // default window handling.
  platform::WindowHandle applicationWindow;
  // "Run" starts its programs here, on the worker thread, and tells why one could not start
  // (a tray balloon; the key's press goes on). Without a starter "Run" does nothing.
  platform::ProgramStarter* programs = nullptr;
  std::function<void(const std::string&)> tellRunFailure = nullptr;
};

class Actions;

struct TActionEntry {
  std::string Name;
  void (Actions::*Proc)(const std::string& parameter, ActionSteps& steps) = nullptr;
  bool pressOnly = false;  // not run again while the key repeats
};

class Actions : public ActionRunner {
 public:
  static constexpr int kActionCount = 19;
  static constexpr int kMonitorOffPauseMs = 1500;

  Actions(const ActionDevices& devices, platform::Scheduler& scheduler,
          ActionQueue::ErrorSink showError);

  // Fills the 19 rows; until then no action runs. The last step of the program's start-up.
  void FillActionTable();
  // Queues the action of every row named exactly name (case-sensitive) with parameter.
  void RunAction(const std::string& name, const std::string& parameter) override;
  void RepeatAction(const std::string& name, const std::string& parameter) override;
  void DropKeys() noexcept override { queue_.DropKeys(); }

  const std::array<TActionEntry, kActionCount>& ActionTable() const { return ActionTable_; }
  bool CdromDoorOpen() const { return CdromDoorOpen_; }
  const ActionQueue& Queue() const { return queue_; }
  const ClipboardKeeper& Keeper() const { return keeper_; }
  // The session ends: the user's clipboard content still lent to a paste goes back now.
  void GiveClipboardBack() noexcept { keeper_.GiveBackNow(); }

  // The procedures: each writes its steps, which the queue then plays.
  void ActCleanText(const std::string& parameter, ActionSteps& steps);
  void ActTypeText(const std::string& parameter, ActionSteps& steps);
  void ActKeyCombination(const std::string& parameter, ActionSteps& steps);
  void ActKeySequence(const std::string& parameter, ActionSteps& steps);
  void ActVolumeUp(const std::string& parameter, ActionSteps& steps);
  void ActVolumeDown(const std::string& parameter, ActionSteps& steps);
  void ActShutdown(const std::string& parameter, ActionSteps& steps);
  void ActRestart(const std::string& parameter, ActionSteps& steps);
  void ActLogout(const std::string& parameter, ActionSteps& steps);
  void ActHibernate(const std::string& parameter, ActionSteps& steps);
  void ActSuspend(const std::string& parameter, ActionSteps& steps);
  void ActEjectCdrom(const std::string& parameter, ActionSteps& steps);
  void ActCloseCdrom(const std::string& parameter, ActionSteps& steps);
  void ActToggleCdrom(const std::string& parameter, ActionSteps& steps);
  void ActClickLeft(const std::string& parameter, ActionSteps& steps);
  void ActClickRight(const std::string& parameter, ActionSteps& steps);
  void ActMonitorOff(const std::string& parameter, ActionSteps& steps);
  void ActScreensaver(const std::string& parameter, ActionSteps& steps);
  void ActRun(const std::string& parameter, ActionSteps& steps);

  // Enables the shutdown privilege, then logs off, restarts or shuts down (modes below 20,
  // the ExitWindowsEx flags), hibernates (20) or suspends (21). On the worker: a suspend
  // returns only when the computer wakes.
  void PowerControl(int mode, ActionSteps& steps);

 private:
  void CdromDoor(bool open, ActionSteps& steps);
  void Click(unsigned down, unsigned up, ActionSteps& steps);

  ActionDevices devices_;
  ClipboardKeeper keeper_;
  ActionQueue queue_;  // after what its work uses: it goes first and waits for the worker
  std::array<TActionEntry, kActionCount> ActionTable_;
  bool CdromDoorOpen_ = false;
  bool repeating_ = false;
};

}  // namespace zv
