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
  std::vector<platform::ClipboardCopy::Format> Content(const std::string& text) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return {{8, {'B', 'M', 1, 2, 3}}, {fake::FakeClipboard::kText, bytes}, {0xC321, {9, 8, 7}}};
  }
  void OtherProgramCopies(const std::string& text) override {
    fake.OtherProgramCopies(Content(text));
  }
  bool HoldsWhatWasCopied(const std::string& text) override {
    std::vector<platform::ClipboardCopy::Format> want = Content(text);
    if (fake.FormatCount() != want.size()) return false;
    for (const auto& f : want)
      if (!fake.Format(f.id) || *fake.Format(f.id) != f.bytes) return false;
    return true;
  }
  std::u16string OtherProgramPastes() override { return fake.Pasted(); }
};

}  // namespace
std::unique_ptr<SchedulerEnv> MakeSchedulerEnv() {
  return std::make_unique<FakeSchedulerEnv>();
}
std::unique_ptr<ClipboardEnv> MakeClipboardEnv() {
  return std::make_unique<FakeClipboardEnv>();
}
}  // namespace zv::contract
