// The keyboard across a lock and across sleep: the session's events as the main window hears
// of them, and the keys typed meanwhile on another desktop, unseen by the hook and the programs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    bool away = static_cast<int>(event) % 2 == 0;  // the events come in pairs: away, back
    if (away) rig.input.LeaveDesktop();
    if (!away) rig.input.ReturnToDesktop();
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

TEST_F(SessionTest, KeyHeldWhileAway) {
  struct Row {
    std::vector<E> away, back;
    std::string released;  // at each event back, then "|"
  };
  const Row rows[] = {
      {{E::Suspending}, {E::Resumed, E::Resumed}, "-LShift||"},  // by itself, for the user
      {{E::Suspending, E::Locked}, {E::Resumed, E::Unlocked}, "|-LShift|"},  // password on waking
      {{E::OtherDesktop}, {E::OwnDesktop}, "-LShift|"},                      // a UAC prompt
      {{E::Locked, E::OtherDesktop}, {E::OwnDesktop, E::Unlocked}, "|-LShift|"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(rig.run("+A"), "+LShift");
    for (E event : row.away) Tell(event);
    rig.run("-A");  // unseen: on another desktop, or the keyboard wakes up with every key up
    std::string released;
    for (E event : row.back) released += Tell(event) + "|";
    EXPECT_EQ(released, row.released);
    EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
  }
}

}  // namespace
}  // namespace zv::testing_engine
