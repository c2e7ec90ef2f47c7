// A key's release undoes exactly what its press did, whatever came between: the file became
// unreadable, the focus moved to a program that maps the key otherwise, another program
// injected the key, Windows told of a return twice.
#include <gtest/gtest.h>

#include "engine/hook_watchdog.h"
#include "tests/engine/key_notation.h"
#include "tests/engine/stories_fixture.h"

namespace zv::testing_engine {
namespace {

class KeyRecordStories : public StoriesTest {};

TEST_F(KeyRecordStories, AListThatBecomesUnreadableReleasesTheModifierItsKeyHeld) {
  rig.Map("Caps Lock", "Left Ctrl");
  rig.Map("Ctrl+Shift+B", "KeyCombination", "16452");  // Ctrl+D: Shift lifted
  std::string good = rig.files.Get(EngineRig::kPath);
  EXPECT_EQ(rig.run("+Caps +Caps +LShift +B"), "+LCtrl +LCtrl +LShift -LShift +D");
  std::string bad = good;
  bad.replace(bad.find("Index=1"), 7, "Index=1x");  // saved by hand while Caps Lock is held
  rig.WriteFile(bad);
  int dropped = rig.actions.dropped;
  // Its repeat and its release stay swallowed (their press was); a fresh key goes on as typed.
  EXPECT_EQ(rig.run("-LShift +Caps -Caps +Caps -Caps -B"), "-LShift -D -LCtrl +Caps -Caps");
  EXPECT_EQ(rig.actions.dropped, dropped + 1);  // and actions press no more keys
  EXPECT_EQ(rig.errors.texts, std::vector<std::string>{"'1x' is not a valid integer value"});
  rig.errors.texts.clear();
  rig.WriteFile(good);
  EXPECT_EQ(rig.run("+Caps -Caps"), "+LCtrl -LCtrl");
}

TEST_F(KeyRecordStories, AKeyReleasedInAnotherProgramGivesTheReleaseOfItsPress) {
  rig.Map("A", "Left Shift", " ", "notepad.exe");
  rig.Map("B", "C");
  rig.foreground.Focus("calc.exe");
  EXPECT_EQ(rig.run("+LShift +A +B"), "+LShift +A +C");
  rig.foreground.Focus("notepad.exe");
  // The user's own Shift stays down: the next letter still comes out in upper case, also when
  // a key that pressed Shift too goes up.
  EXPECT_EQ(rig.run("-A -B +D -D -LShift"), "-A -C +D -D -LShift");
  EXPECT_EQ(rig.run("+LShift +A -A +D -D"), "+LShift +LShift +D -D");
  rig.dispatcher.SimulateKeys({{0xA0, true}, {'X', true}, {'X', false}, {0xA0, false}});
  EXPECT_TRUE(rig.input.AsyncKeyState(0xA0));  // nor when an action types Shift+X
  rig.run("-LShift");
}

TEST_F(KeyRecordStories, OnlyTheMarkerMakesAnInjectedKeyTheProgramsOwn) {
  rig.Map("A", "B");
  rig.Map("Left Ctrl", "D");
  // A foreign injection of A while "TempCode" happens to name A is mapped like a typed A.
  rig.channel.WriteTempCode('A');
  rig.input.InjectForeign('A', true);
  rig.input.InjectForeign('A', false);
  rig.scheduler.RunPending();
  EXPECT_EQ(rig.injectedSince(0), "+B -B");
  // AltGr sent by an on-screen keyboard: its made-up Left Ctrl is no Left Ctrl either.
  std::size_t from = rig.input.received.size();
  rig.input.InjectForeign(0xA2, true, platform::kAltGrControlScan);
  rig.input.InjectForeign(0xA5, true);
  rig.input.InjectForeign(0xA2, false, platform::kAltGrControlScan);
  rig.input.InjectForeign(0xA5, false);
  EXPECT_EQ(FormatEvents(
                {rig.input.received.begin() + static_cast<long>(from), rig.input.received.end()}),
            "+LCtrl +RAlt -LCtrl -RAlt");
}

TEST_F(KeyRecordStories, ASecondResumeLeavesTheKeysPressedSinceWakingAlone) {
  rig.Map("A", "Left Shift");
  HookWatchdog watchdog{rig.hook, rig.input};
  EXPECT_EQ(rig.run("+A"), "+LShift");
  rig.input.DropHookSilently();
  watchdog.OnSessionEvent(SessionEvent::Suspending);
  std::size_t from = rig.input.injected.size();
  watchdog.OnSessionEvent(SessionEvent::Resumed);  // by itself
  EXPECT_EQ(rig.injectedSince(from), "-LShift");
  EXPECT_EQ(rig.run("-A +A"), "-A +LShift");       // A came up unseen; held again after waking
  watchdog.OnSessionEvent(SessionEvent::Resumed);  // for the user
  EXPECT_EQ(rig.run("+B -A"), "+B -LShift");
  rig.run("-B");
}

}  // namespace
}  // namespace zv::testing_engine
