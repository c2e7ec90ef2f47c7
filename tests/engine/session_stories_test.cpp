// The keyboard across a lock and across sleep: the session's events as the main window hears
// of them, and the keys typed meanwhile on another desktop, where neither the hook nor the
// focused program sees them.
#include <gtest/gtest.h>

#include "engine/hook_watchdog.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

// Windows' side: the keyboard goes to another desktop or comes back (before the main window
// hears of a lock, after it heard of sleep), and a hook that answered too late while the
// system was busy going to sleep is dropped without a word.
class FakeSession {
 public:
  FakeSession(fake::FakeInput& input, HookWatchdog& watchdog)
      : input_(input), watchdog_(watchdog) {}
  void Lock() { Change(locked_, true, SessionEvent::Locked); }
  void Unlock() { Change(locked_, false, SessionEvent::Unlocked); }
  void Suspend() {
    watchdog_.OnSessionEvent(SessionEvent::Suspending);
    asleep_ = true;
    input_.LeaveDesktop();
    input_.DropHookSilently();
  }
  void Resume() {
    Change(asleep_, false, SessionEvent::Resumed);    // by itself,
    watchdog_.OnSessionEvent(SessionEvent::Resumed);  // then for the user
  }

 private:
  void Change(bool& state, bool value, SessionEvent event) {
    state = value;
    if (locked_ || asleep_) {
      input_.LeaveDesktop();
    } else {
      input_.ReturnToDesktop();
    }
    watchdog_.OnSessionEvent(event);
  }
  fake::FakeInput& input_;
  HookWatchdog& watchdog_;
  bool locked_ = false;
  bool asleep_ = false;
};

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    rig.Map("A", "Left Shift");
    rig.hook.InstallKeyHook();
  }
  void TearDown() override {
    EXPECT_EQ(rig.TempCode(), 0);
    EXPECT_FALSE(rig.input.anyKeyDown());
    EXPECT_TRUE(rig.errors.texts.empty());
  }
  // What the program injected while it heard of the session's change.
  template <typename F>
  std::string Injected(F change) {
    std::size_t from = rig.input.injected.size();
    change();
    return rig.injectedSince(from);
  }
  EngineRig rig;
  HookWatchdog watchdog{rig.hook, rig.input};
  FakeSession session{rig.input, watchdog};
};

TEST_F(SessionTest, KeysHeldAcrossALock) {
  EXPECT_EQ(rig.run("+A +C"), "+LShift +C");
  session.Lock();
  rig.input.now += 5000;
  EXPECT_EQ(rig.run("-A -C +D -D"), "");  // the password, typed on the secure desktop
  EXPECT_FALSE(watchdog.Check());         // a release now would be refused, and then forgotten
  EXPECT_EQ(Injected([&] { session.Unlock(); }), "-LShift");
  // C was recorded as held by the programs; its up went by unseen. Mapped now, it is mapped
  // from its first press on.
  rig.Map("C", "D");
  EXPECT_EQ(rig.run("+C -C +A -A"), "+D -D +LShift -LShift");
}

TEST_F(SessionTest, KeyHeldIntoSleep) {
  EXPECT_EQ(rig.run("+A"), "+LShift");
  session.Suspend();
  rig.run("-A");  // the keyboard wakes up with every key up
  EXPECT_EQ(Injected([&] { session.Resume(); }), "-LShift");  // once, though resumed twice
  EXPECT_TRUE(rig.input.hookLive());
  EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");

  // Asked for the password on waking: locked as it goes to sleep, back once unlocked.
  EXPECT_EQ(rig.run("+A"), "+LShift");
  session.Suspend();
  session.Lock();
  rig.run("-A");
  EXPECT_EQ(Injected([&] { session.Resume(); }), "");
  EXPECT_EQ(Injected([&] { session.Unlock(); }), "-LShift");
  EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
}

TEST_F(SessionTest, ResumedHookOnlyWhereTheEngineOrTheLockWantsIt) {
  rig.hook.RemoveKeyHook();
  session.Suspend();
  session.Resume();
  EXPECT_FALSE(rig.input.hookInstalled());
  EXPECT_EQ(rig.run("+A -A"), "+A -A");

  rig.hook.LockKeyboard();
  session.Suspend();
  session.Resume();
  EXPECT_EQ(rig.run("+A -A +C -C"), "");  // the keyboard stays locked
  rig.hook.UnlockKeyboard();
  EXPECT_FALSE(rig.input.hookInstalled());
}

// A hook installed before the message loop runs would make every key wait for a thread still
// busy starting (at sign-in), and the system would remove it.
TEST(MessageLoopTest, HookWaitsForTheMessageLoop) {
  EngineRig rig;
  HookWatchdog watchdog(rig.hook, rig.input);
  rig.Map("A", "B");
  rig.hook.WaitForMessageLoop();
  rig.hook.InstallKeyHook();  // the hidden start activates the engine
  watchdog.OnSessionEvent(SessionEvent::Unlocked);
  EXPECT_FALSE(rig.input.hookInstalled());
  EXPECT_EQ(rig.run("+A -A"), "+A -A");
  rig.hook.MessageLoopRuns();
  EXPECT_EQ(rig.input.installs, 1);
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
}

}  // namespace
}  // namespace zv::testing_engine
