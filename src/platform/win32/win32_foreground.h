#pragma once
// The foreground window's program, from an out-of-context EVENT_SYSTEM_FOREGROUND hook on the
// thread that calls Watch (the UI thread: its message loop delivers the events, in order with the
// keyboard hook's). Each process is looked at once: its name and elevation are kept by process id
// and creation time, so a focus change back and forth opens the process but reads nothing else.
#include <windows.h>

#include <cstdint>
#include <map>
#include <utility>

#include "platform/foreground.h"

namespace zv::win32 {

class Win32Foreground : public platform::Foreground {
 public:
  Win32Foreground() = default;
  ~Win32Foreground() override;
  Win32Foreground(const Win32Foreground&) = delete;
  Win32Foreground& operator=(const Win32Foreground&) = delete;

  void Watch(platform::ForegroundSink& sink) override;
  void Recheck() override;
  void StopWatching() override;
  bool SelfElevated() override;

  // The program of a window, from the cache when its process was seen before: a store app's
  // own inside its frame (platform/program_window.h).
  platform::ForegroundProgram ProgramOfWindow(HWND window);

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                               LONG child, DWORD thread, DWORD time);
  void Tell(HWND window) noexcept;
  platform::ForegroundProgram ProgramOfProcess(DWORD pid);

  HWINEVENTHOOK hook_ = nullptr;
  HWND told_ = nullptr;     // the window last told
  bool toldFrame_ = false;  // ... was a store app's frame without its app
  platform::ForegroundSink* sink_ = nullptr;
  // (process id, creation time) -> what was found out about it
  std::map<std::pair<DWORD, std::uint64_t>, platform::ForegroundProgram> known_;
};

}  // namespace zv::win32
