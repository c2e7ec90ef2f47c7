// The Win32 scheduler and clipboard against their contracts, under Wine.
#include <windows.h>

#include <thread>

#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_scheduler.h"
#include "tests/actions_win32/clipboard_contract.h"
#include "tests/actions_win32/scheduler_contract.h"
#include "tests/actions_win32/win32_loop.h"

namespace zv::contract {
namespace {

struct Win32SchedulerEnv : SchedulerEnv {
  DWORD mainThread = GetCurrentThreadId();
  win32::Win32Scheduler real;
  platform::Scheduler& scheduler() override { return real; }
  bool RunUntil(const std::function<bool()>& done) override {
    return testing_win32::PumpUntil(done);
  }
  bool OnWorker() override { return GetCurrentThreadId() != mainThread; }
};

// Another thread opens the clipboard, as another program would, and keeps it until Release.
struct Win32ClipboardEnv : ClipboardEnv {
  testing_win32::HiddenWindow owner;
  win32::Win32Clipboard real{owner.handle()};
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder;

  ~Win32ClipboardEnv() override {
    Release();
    CloseHandle(opened);
    CloseHandle(release);
  }
  platform::Clipboard& clipboard() override { return real; }
  void Hold() override {
    holder = std::thread([this] {
      testing_win32::HiddenWindow other;
      BOOL ok = OpenClipboard(other.handle());
      SetEvent(opened);
      WaitForSingleObject(release, 10000);
      if (ok) CloseClipboard();
    });
    WaitForSingleObject(opened, 10000);
  }
  void Release() override {
    SetEvent(release);
    if (holder.joinable()) holder.join();
  }
};

}  // namespace
std::unique_ptr<SchedulerEnv> MakeSchedulerEnv() {
  return std::make_unique<Win32SchedulerEnv>();
}
std::unique_ptr<ClipboardEnv> MakeClipboardEnv() {
  return std::make_unique<Win32ClipboardEnv>();
}
}  // namespace zv::contract
