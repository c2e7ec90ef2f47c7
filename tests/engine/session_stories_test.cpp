// The keyboard across a lock and across sleep: the session's events as the main window hears
// of them, and the keys typed meanwhile on another desktop, unseen by the hook and the programs.
#include <gtest/gtest.h>

#include "engine/hook_watchdog.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

using E = SessionEvent;

class SessionTest : public ::testing::Test {
 protected:
  SessionTest() {
    rig.Map("A", "Left Shift");
    // Started hidden at sign-in. A hook installed before the message loop runs would make
    // every key wait for a thread still busy starting, and the system would remove it.
    rig.hook.WaitForMessageLoop();
    rig.hook.InstallKeyHook();
    EXPECT_EQ(rig.run("+A -A"), "+A -A");
    rig.hook.MessageLoopRuns();
  }
  void TearDown() override { EXPECT_FALSE(rig.input.anyKeyDown()); }
  // Windows' side first (a hook that answered late while the system went to sleep is dropped),
  // then what the main window hears. Gives what the program injected.
  std::string Tell(E event) {
    std::size_t from = rig.input.injected.size();
    if (event == E::Suspending) rig.input.DropHookSilently();
    if (event == E::Locked || event == E::Suspending) rig.input.LeaveDesktop();
    if (event == E::Unlocked || event == E::Resumed) rig.input.ReturnToDesktop();
    watchdog.OnSessionEvent(event);
    return rig.injectedSince(from);
  }
  EngineRig rig;
  HookWatchdog watchdog{rig.hook, rig.input};
};

TEST_F(SessionTest, KeysHeldAcrossALock) {
  EXPECT_EQ(rig.run("+A +C"), "+LShift +C");
  Tell(E::Locked);
  rig.input.now += 5000;
  EXPECT_EQ(rig.run("-A -C +D -D"), "");  // the password, typed on the secure desktop
  EXPECT_FALSE(watchdog.Check());         // a release now would be refused, then forgotten
  EXPECT_EQ(Tell(E::Unlocked), "-LShift");
  // C's up went by unseen: mapped now, it is mapped from its first press on.
  rig.Map("C", "D");
  EXPECT_EQ(rig.run("+C -C +A -A"), "+D -D +LShift -LShift");
}

TEST_F(SessionTest, KeyHeldIntoSleep) {
  // Plain sleep; then a computer that asks for the password on waking: back once unlocked.
  for (bool password : {false, true}) {
    EXPECT_EQ(rig.run("+A"), "+LShift");
    Tell(E::Suspending);
    if (password) Tell(E::Locked);
    rig.run("-A");  // the keyboard wakes up with every key up
    std::string released = Tell(E::Resumed) + Tell(E::Resumed);  // by itself, for the user
    if (password) released += "|" + Tell(E::Unlocked);
    EXPECT_EQ(released, password ? "|-LShift" : "-LShift");
    EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
  }
}

}  // namespace
}  // namespace zv::testing_engine
