// Whole key stories through the hook, the dispatcher and the fake input, which brings every
// injected event back through the hook as Windows does.
#include <gtest/gtest.h>

#include "engine/hook_watchdog.h"
#include "tests/engine/key_notation.h"
#include "tests/engine/stories_fixture.h"

namespace zv::testing_engine {
namespace {

TEST_F(StoriesTest, OneKeyToAnother) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  EXPECT_EQ(rig.run("+A +A +A -A"), "+B +B +B -B");  // auto-repeat
  EXPECT_EQ(rig.run("+C -C"), "+C -C");              // unmapped keys pass untouched
}

TEST_F(StoriesTest, SwappedPairDoesNotLoop) {
  rig.Map("A", "B");
  rig.Map("B", "A");
  EXPECT_EQ(rig.run("+A -A +B -B"), "+B -B +A -A");
  EXPECT_EQ(rig.run("+A +B -A -B"), "+B +A -B -A");
}

TEST_F(StoriesTest, ChainsAreNotFollowed) {
  rig.Map("A", "B");
  rig.Map("B", "C");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
}

TEST_F(StoriesTest, DisabledKeyProducesOnlyVirtualKeyZero) {
  rig.Map("A", "DisableKey");
  EXPECT_EQ(rig.run("+A -A"), "+Null -Null");
}

TEST_F(StoriesTest, ModifiersStayHeldAroundTheTarget) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+LShift +A -A -LShift"), "+LShift +B -B -LShift");
  EXPECT_EQ(rig.run("+LCtrl +A -LCtrl -A"), "+LCtrl +B -LCtrl -B");
  EXPECT_EQ(rig.run("+LAlt +^A -^A -LAlt"), "+LAlt +B -B -LAlt");
}

TEST_F(StoriesTest, PhysicalVolumeKeyMappedUnderItsListName) {
  rig.WriteFile("[DisableKey]\r\nIndex=1\r\nKeyCode1=175\r\n[SwapKey]\r\nVolume Up=F5\r\n");
  EXPECT_EQ(rig.run("+VolUp -VolUp +VolDown -VolDown"), "+F5 -F5 +VolDown -VolDown");
}

TEST_F(StoriesTest, KeyEventsNeverTouchTheDisk) {
  // The hook and the dispatcher decide from the settings file's snapshot in memory.
  rig.Map("A", "B");
  rig.files.stamps = rig.files.reads = 0;
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +C -C");
  EXPECT_EQ(rig.files.stamps, 0);
  EXPECT_EQ(rig.files.reads, 0);
}

TEST_F(StoriesTest, KeysWithoutAMappingCostTheRegistryAndTheWindowNothing) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +C -C");
  int reads = rig.registry.reads, writes = rig.registry.writes, opens = rig.registry.opens;
  std::size_t injected = rig.input.injected.size();
  EXPECT_EQ(rig.run("+C +D -C -D +C -C"), "+C +D -C -D +C -C");
  EXPECT_EQ(rig.registry.reads, reads);  // "TempCode" and "Handle" answered from memory
  EXPECT_EQ(rig.registry.writes, writes);
  EXPECT_EQ(rig.registry.opens, opens);
  EXPECT_EQ(rig.input.injected.size(), injected);
  // A mapped key writes only the changes of "TempCode": its target announced, then reset.
  EXPECT_EQ(rig.run("+A"), "+B");
  EXPECT_EQ(rig.registry.writes, writes + 2);
  EXPECT_EQ(rig.registry.reads, reads);
  rig.run("-A");
}

TEST_F(StoriesTest, MappedButNotInterceptedKeyIsRemappedAndPassedOnFromTheNextKey) {
  rig.WriteFile("[DisableKey]\r\nIndex=0\r\n");
  EXPECT_EQ(rig.run("+A -A"), "+A -A");
  rig.WriteFile("[DisableKey]\r\nIndex=0\r\n[SwapKey]\r\nA=B\r\n");
  EXPECT_EQ(rig.run("+A -A"), "+A +B -A -B");
}

TEST_F(StoriesTest, EditsApplyAtTheNextKey) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  rig.WriteFile(rig.files.Get(EngineRig::kPath) + "[SwapKey]\r\n");  // no-op edit
  rig.Unmap("A");
  EXPECT_EQ(rig.run("+A -A"), "+A -A");
  rig.Map("A", "C");
  EXPECT_EQ(rig.run("+A"), "+C");
  rig.Unmap("A");  // while held: its release undoes what its press did
  EXPECT_EQ(rig.run("-A"), "-C");
}

TEST_F(StoriesTest, BurstsOfInjectedKeysAreAllTheProgramsOwn) {
  TypingActions typing(rig.dispatcher);
  rig.dispatcher.SetActionRunner(&typing);
  rig.Map("A", "TypeText", "ABBA");
  rig.Map("B", "C");
  EXPECT_EQ(rig.run("+A -A"), "+A -A +B -B +B -B +A -A");
}

// On layouts with AltGr, Windows makes up a Left Ctrl press ahead of Right Alt.
TEST_F(StoriesTest, AltGrIsNotTheLeftCtrlKey) {
  rig.Map("Left Ctrl", "B");
  EXPECT_EQ(rig.run("+AltGr +Q -Q -AltGr"), "+LCtrl +RAlt +Q -Q -LCtrl -RAlt");  // "@" in German
  EXPECT_EQ(rig.run("+LCtrl -LCtrl"), "+B -B");
  rig.Map("Right Alt", "C");  // takes its made-up Left Ctrl along
  EXPECT_EQ(rig.run("+AltGr +AltGr +Q -Q -AltGr"), "+C +C +Q -Q -C");
}

// A mapped key's event costs the system one call, its injection: "TempCode" is written once
// the hook has returned, scan codes come from a table built per keyboard layout, and the
// dispatcher is called directly. The injected event coming back costs nothing.
TEST_F(StoriesTest, AMappedKeyCostsTheSystemItsInjectionAlone) {
  rig.Map("A", "Q");
  EXPECT_EQ(rig.run("+A -A"), "+Q -Q");
  int writes = rig.registry.writes, reads = rig.registry.reads, maps = rig.input.mapKeyCalls;
  std::size_t batches = rig.input.batches.size(), sent = rig.windows.sent.size();
  rig.input.Press('A', true);  // the hook, its injection, the injected event through the hook
  EXPECT_EQ(rig.input.batches.size(), batches + 1);
  EXPECT_EQ(rig.registry.writes + rig.registry.reads, writes + reads);
  EXPECT_EQ(rig.input.mapKeyCalls, maps);
  EXPECT_EQ(rig.windows.sent.size(), sent);
  rig.scheduler.RunPending();
  EXPECT_EQ(rig.registry.writes, writes + 2);  // "TempCode" announced, then reset
  EXPECT_EQ(rig.run("-A"), "-Q");
  // The layout of the program's thread changes: looked at after the next injection, the table
  // follows, and the key after that carries the new layout's scan code.
  rig.input.layout = fake::FakeInput::kFrench;
  rig.run("+A -A +A");
  EXPECT_EQ(rig.input.received.back().scanCode, 0x1Eu);  // Q sits where A is in French
  rig.run("-A");
}

// Whatever the program pressed goes up, once, as soon as it loses sight of the keyboard.
class KeyboardLostTest : public StoriesTest {
 protected:
  KeyboardLostTest() { rig.Map("A", "Left Shift"); }
  // What the focused program received while action ran.
  template <typename F>
  std::string During(F action) {
    std::size_t from = rig.input.received.size();
    action();
    rig.scheduler.RunPending();
    return FormatEvents(
        {rig.input.received.begin() + static_cast<long>(from), rig.input.received.end()});
  }
  HookWatchdog watchdog{rig.hook, rig.input};
};

TEST_F(KeyboardLostTest, SuspendedWhileATargetIsHeld) {
  EXPECT_EQ(rig.run("+A"), "+LShift");
  EXPECT_EQ(During([&] { rig.hook.RemoveKeyHook(); }), "-LShift");
  EXPECT_EQ(rig.run("-A"), "-A");  // no hook: the physical key-up reaches the program
  EXPECT_EQ(During([&] { rig.hook.RemoveKeyHook(); }), "");  // released once only
  rig.hook.InstallKeyHook();
  EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
}

TEST_F(KeyboardLostTest, HookDroppedSilentlyThenReinstalledByTheWatchdog) {
  EXPECT_EQ(rig.run("+A"), "+LShift");
  rig.input.DropHookSilently();
  rig.input.now += 1000;
  EXPECT_EQ(rig.run("-A"), "-A");  // the system no longer asks the hook
  EXPECT_EQ(During([&] { EXPECT_TRUE(watchdog.Check()); }), "-LShift");
  EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
  EXPECT_EQ(rig.input.installs, 2);
  EXPECT_TRUE(rig.input.hookLive());
}

TEST_F(KeyboardLostTest, KeyHeldAcrossTheReinstallation) {
  EXPECT_EQ(rig.run("+A"), "+LShift");
  rig.input.DropHookSilently();
  rig.input.now += 1000;
  EXPECT_EQ(rig.run("+A"), "+A");  // a repeat goes past the dropped hook
  EXPECT_EQ(During([&] { watchdog.Check(); }), "-LShift");
  // The hook never saw this key go down: its up goes on, and the target is not released twice.
  EXPECT_EQ(rig.run("-A"), "-A");
  EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
}

TEST_F(KeyboardLostTest, LockedWhileATargetIsHeld) {
  EXPECT_EQ(rig.run("+C +A"), "+C +LShift");
  EXPECT_EQ(During([&] { rig.hook.LockKeyboard(); }), "-LShift");
  EXPECT_EQ(rig.run("-A +B -B -C"), "-C");  // under the lock only the held C may come up
  rig.hook.UnlockKeyboard();
  EXPECT_EQ(rig.run("+A -A"), "+LShift -LShift");
}

TEST_F(KeyboardLostTest, ExitReleasesEveryTargetOfEveryHeldKey) {
  rig.Map("B", "Right Ctrl");
  EXPECT_EQ(rig.run("+A +B"), "+LShift +RCtrl");
  EXPECT_EQ(During([&] { rig.hook.RemoveKeyHook(); }), "-LShift -RCtrl");
  EXPECT_EQ(rig.input.batches.back(), 2u);  // in one piece
  rig.run("-A -B");
}

// An announced injection that never reaches the hook (another program's hook swallowed it)
// leaves its code in "TempCode"; the next real press of that key is still the user's.
TEST_F(StoriesTest, LostInjectionDoesNotMakeTheNextRealKeyOurs) {
  rig.Map("A", "B");
  rig.Map("C", "A");
  rig.input.LoseInjectedPresses(1);
  EXPECT_EQ(rig.run("+C"), "");  // its A never arrives
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  EXPECT_EQ(rig.run("-C"), "-A");
}

TEST_F(StoriesTest, ArrowTargetsArriveAsArrowsNotAsTheNumberPad) {
  rig.Map("A", "Up Arrow");
  rig.Map("B", "Num 8");
  EXPECT_EQ(rig.run("+A -A +B -B"), "+#38 -#38 +#104 -#104");
  const std::vector<platform::KeyEvent>& got = rig.input.received;
  EXPECT_EQ(got[0].scanCode, 0x48u);  // Num 8's scan code: the flag tells them apart
  EXPECT_NE(got[0].flags & platform::kLlkhfExtended, 0u);
  EXPECT_NE(got[1].flags & platform::kLlkhfExtended, 0u);
  EXPECT_EQ(got[2].flags & platform::kLlkhfExtended, 0u);
}

}  // namespace
}  // namespace zv::testing_engine
