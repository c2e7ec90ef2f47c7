// The actions that are not keystrokes: volume, power, CD tray, mouse, monitor and screensaver.
#include "engine/actions/actions.h"
#include "volume/volume_step.h"

namespace zv {

namespace {
constexpr unsigned kLogoff = 0, kReboot = 2, kPowerOff = 8;
constexpr int kHibernateMode = 20, kSuspendMode = 21;
constexpr char kDoorOpen[] = "Set cdaudio door open wait";
constexpr char kDoorClosed[] = "Set cdaudio door closed wait";
}  // namespace

void Actions::ActVolumeUp(const std::string&, ActionSteps& steps) {
  steps.Run([this] { devices_.volume.SetVolume(VolumeSteppedUp(devices_.volume.GetVolume())); });
}

void Actions::ActVolumeDown(const std::string&, ActionSteps& steps) {
  steps.Run([this] { devices_.volume.SetVolume(VolumeSteppedDown(devices_.volume.GetVolume())); });
}

void Actions::PowerControl(int mode, ActionSteps& steps) {
  steps.InBackground([this, mode] {
    platform::Power& power = devices_.power;
    power.EnableShutdownPrivilege();
    if (mode < kHibernateMode)
      power.ExitSession(static_cast<unsigned>(mode));
    else if (mode == kHibernateMode)
      power.SetSuspendState(true);  // SetSystemPowerState is gone since Windows Vista
    else if (mode == kSuspendMode)
      power.SetSuspendState(false);
  });
}

void Actions::ActShutdown(const std::string&, ActionSteps& s) {
  PowerControl(kPowerOff, s);
}
void Actions::ActRestart(const std::string&, ActionSteps& s) {
  PowerControl(kReboot, s);
}
void Actions::ActLogout(const std::string&, ActionSteps& s) {
  PowerControl(kLogoff, s);
}
void Actions::ActHibernate(const std::string&, ActionSteps& s) {
  PowerControl(kHibernateMode, s);
}
void Actions::ActSuspend(const std::string&, ActionSteps& s) {
  PowerControl(kSuspendMode, s);
}

// The "wait" commands return only when the tray has moved: on the worker.
void Actions::CdromDoor(bool open, ActionSteps& steps) {
  steps.InBackground([this, open] { devices_.media.SendCommand(open ? kDoorOpen : kDoorClosed); });
}

void Actions::ActEjectCdrom(const std::string&, ActionSteps& s) {
  CdromDoor(true, s);
}
void Actions::ActCloseCdrom(const std::string&, ActionSteps& s) {
  CdromDoor(false, s);
}

// Flips whatever the command achieved: the first use in a run always opens.
void Actions::ActToggleCdrom(const std::string&, ActionSteps& steps) {
  CdromDoor(!CdromDoorOpen_, steps);
  CdromDoorOpen_ = !CdromDoorOpen_;
}

void Actions::Click(unsigned down, unsigned up, ActionSteps& steps) {
  steps.Run([this, down, up] {
    devices_.mouse.MouseEvent(down);
    devices_.mouse.MouseEvent(up);
  });
}

void Actions::ActClickLeft(const std::string&, ActionSteps& s) {
  Click(platform::kLeftDown, platform::kLeftUp, s);
}
void Actions::ActClickRight(const std::string&, ActionSteps& s) {
  Click(platform::kRightDown, platform::kRightUp, s);
}

// The pause lets the key that started it be released before the monitor goes dark.
void Actions::ActMonitorOff(const std::string&, ActionSteps& steps) {
  steps.Wait(kMonitorOffPauseMs);
  steps.Run([this] {
    devices_.windows.Post(devices_.applicationWindow, platform::kWmSysCommand,
                          platform::kScMonitorPower, 1);
  });
}

// Sent, not posted: the desktop's thread may be slow to answer, so it is sent from the worker.
void Actions::ActScreensaver(const std::string&, ActionSteps& steps) {
  steps.InBackground([this] {
    platform::SystemMessages& w = devices_.windows;
    w.Send(w.DesktopWindow(), platform::kWmSysCommand, platform::kScScreenSave, 0);
  });
}

}  // namespace zv
