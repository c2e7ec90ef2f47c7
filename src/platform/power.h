#pragma once
// Logging off, restarting, shutting down, hibernating and suspending the computer.

namespace zv::platform {

class Power {
 public:
  virtual ~Power() = default;
  // Enables SeShutdownPrivilege in the process's token; true when the token reports it enabled.
  virtual bool EnableShutdownPrivilege() = 0;
  // ExitWindowsEx(flags, 0): 0 log off, 2 reboot, 8 power off.
  virtual void ExitSession(unsigned flags) = 0;
  // SetSuspendState(hibernate, force, wake events allowed): TRUE hibernates, FALSE sleeps.
  virtual void SetSuspendState(bool hibernate) = 0;
};

}  // namespace zv::platform
