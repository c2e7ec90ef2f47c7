// The fakes of the scheduler and the clipboard against their contracts.
#include "platform/fake/fake_clipboard.h"
#include "platform/fake/fake_scheduler.h"
#include "tests/actions_win32/clipboard_contract.h"
#include "tests/actions_win32/scheduler_contract.h"

namespace zv::contract {
namespace {

struct FakeSchedulerEnv : SchedulerEnv {
  fake::FakeScheduler fake;
  platform::Scheduler& scheduler() override { return fake; }
  bool RunUntil(const std::function<bool()>& done) override {
    fake.RunPending();
    for (int ms = 0; !done() && ms < 10000; ++ms) fake.Advance(1);
    return done();
  }
  bool OnWorker() override { return fake.InBackground(); }
};

struct FakeClipboardEnv : ClipboardEnv {
  fake::FakeClipboard fake;
  platform::Clipboard& clipboard() override { return fake; }
  void Hold() override { fake.heldByOther = true; }
  void Release() override { fake.heldByOther = false; }
};

}  // namespace
std::unique_ptr<SchedulerEnv> MakeSchedulerEnv() {
  return std::make_unique<FakeSchedulerEnv>();
}
std::unique_ptr<ClipboardEnv> MakeClipboardEnv() {
  return std::make_unique<FakeClipboardEnv>();
}
}  // namespace zv::contract
