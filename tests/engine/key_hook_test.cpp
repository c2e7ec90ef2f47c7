#include "engine/key_hook.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "engine/hook_messages.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

using platform::HookAnswer;
using platform::KeyEvent;

KeyEvent Event(int vk, unsigned message = platform::kWmKeyDown) {
  KeyEvent e;
  e.vkCode = static_cast<std::uint32_t>(vk);
  e.message = message;
  return e;
}

class KeyHookTest : public ::testing::Test {
 protected:
  KeyHookTest() {
    // A hand-written list: A (65) and C (67) are intercepted, A typed as B.
    rig.WriteFile("[DisableKey]\r\nIndex=2\r\nKeyCode1=65\r\nKeyCode2=67\r\n[SwapKey]\r\nA=B\r\n");
    rig.hook.InstallKeyHook();
  }
  // What the program injected: the mapping carried out.
  std::size_t Messages() const { return rig.input.injected.size(); }

  EngineRig rig;
};

TEST_F(KeyHookTest, DecisionTable) {
  struct Row {
    int vk;
    int tempCode;
    bool injected;  // by another program or without the marker
    HookAnswer answer;
    bool told;
  } rows[] = {
      // Not listed and nothing mapped: passed on, and nothing is injected for it.
      {66, 0, false, HookAnswer::PassOn, false},
      {66, 66, true, HookAnswer::PassOn, false},   // not listed, announced in TempCode
      {65, 0, false, HookAnswer::Swallow, true},   // listed, typed
      {65, 65, true, HookAnswer::Swallow, true},   // another program's, though TempCode names it
      {65, 65, false, HookAnswer::Swallow, true},  // typed: TempCode never makes it its own
      {65, 0, true, HookAnswer::Swallow, true},    // another program's injection of it
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.vk * 1000 + row.tempCode + (row.injected ? 1000000 : 0));
    rig.channel.WriteTempCode(row.tempCode);
    std::size_t before = Messages();
    KeyEvent e = Event(row.vk);
    if (row.injected) e.flags = platform::kLlkhfInjected;
    EXPECT_EQ(rig.hook.KeyHookProc(e), row.answer);
    ASSERT_EQ(Messages(), before + (row.told ? 1 : 0));
    if (row.told) {
      EXPECT_EQ(rig.input.injected.back().vkCode, 66u);
    }
    EXPECT_EQ(rig.TempCode(), 0);  // read and reset on every event
  }
  EXPECT_TRUE(rig.errors.texts.empty());
}

TEST_F(KeyHookTest, MessageKindsAndDirections) {
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65, platform::kWmSysKeyDown)), HookAnswer::Swallow);
  EXPECT_TRUE(rig.client.told.back().down);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65, platform::kWmSysKeyUp)), HookAnswer::Swallow);
  EXPECT_FALSE(rig.client.told.back().down);
  std::size_t before = Messages();
  // A release with no press recorded injects nothing and goes on.
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65, platform::kWmKeyUp)), HookAnswer::PassOn);
  EXPECT_EQ(Messages(), before);
  rig.channel.WriteTempCode(65);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65, 0x200)), HookAnswer::Ignore);
  EXPECT_EQ(Messages(), before);
  EXPECT_EQ(rig.TempCode(), 65);  // not a key event: the channel is not touched
}

TEST_F(KeyHookTest, TheProgramsMarkerMakesAnInjectedEventItsOwn) {
  KeyEvent e = Event(65);
  e.flags = platform::kLlkhfInjected;
  e.extraInfo = kInjectionMarker;
  rig.channel.WriteTempCode(66);  // a later injection already overwrote TempCode
  EXPECT_EQ(rig.hook.KeyHookProc(e), HookAnswer::PassOn);
  EXPECT_EQ(Messages(), 0u);
  EXPECT_EQ(rig.TempCode(), 0);  // the TempCode rule still runs
  // Another program's injection, or a marker without the injected flag, counts as typed.
  e.extraInfo = 0;
  EXPECT_EQ(rig.hook.KeyHookProc(e), HookAnswer::Swallow);
  e.flags = 0;
  e.extraInfo = kInjectionMarker;
  EXPECT_EQ(rig.hook.KeyHookProc(e), HookAnswer::Swallow);
  EXPECT_EQ(Messages(), 2u);
}

TEST_F(KeyHookTest, ListWithoutEntriesSwallowsNothing) {
  for (const char* text :
       {"[DisableKey]\r\nIndex=0\r\nKeyCode1=65\r\n", "[DisableKey]\r\nKeyCode1=65\r\n", ""}) {
    SCOPED_TRACE(text);
    rig.WriteFile(text);
    std::size_t before = Messages();
    EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::PassOn);
    EXPECT_EQ(Messages(), before);  // nothing mapped either: the window is not bothered
  }
  // Index counts two entries, only one is there: the missing one reads "0" and matches nothing.
  rig.WriteFile("[DisableKey]\r\nIndex=2\r\nKeyCode2=67\r\n");
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::PassOn);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(67)), HookAnswer::Swallow);
  // An injected virtual key 0 (the output of "DisableKey") meets TempCode 0: the program's
  // own, though the missing entry reads as code 0.
  std::size_t before = Messages();
  KeyEvent nothing = Event(0);
  nothing.flags = platform::kLlkhfInjected;
  EXPECT_EQ(rig.hook.KeyHookProc(nothing), HookAnswer::PassOn);
  EXPECT_EQ(Messages(), before);
}

TEST_F(KeyHookTest, UnchangedFileCostsNoReadAndAnEditAppliesAtTheNextEvent) {
  rig.hook.KeyHookProc(Event(65));
  int reads = rig.files.reads;
  for (int i = 0; i < 50; ++i) EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::Swallow);
  EXPECT_EQ(rig.files.reads, reads);
  rig.hook.KeyHookProc(Event(65, platform::kWmKeyUp));
  rig.WriteFile("[DisableKey]\r\nIndex=1\r\nKeyCode1=66\r\n");
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::PassOn);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(66)), HookAnswer::Swallow);
}

TEST_F(KeyHookTest, ErrorsPassTheEventOnUnreportedAndArePosted) {
  rig.WriteFile("[DisableKey]\r\nIndex=2\r\nKeyCode1=65\r\nKeyCode2=6x\r\n");
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::PassOn);
  EXPECT_EQ(Messages(), 0u);
  ASSERT_EQ(rig.errors.texts.size(), 1u);
  EXPECT_EQ(rig.errors.texts[0], "'6x' is not a valid integer value");
  rig.WriteFile("[DisableKey]\r\nIndex=abc\r\n");
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::PassOn);
  EXPECT_EQ(rig.errors.texts.back(), "'abc' is not a valid integer value");
  // Mended by hand: the very next press works again; the hook never went away.
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65, platform::kWmKeyUp)), HookAnswer::PassOn);
  rig.WriteFile("[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n");
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::Swallow);
  EXPECT_TRUE(rig.hook.installed());

  rig.channel.WriteTempCode(66);  // to be reset, which fails once the hook has returned
  rig.registry.SetFailWrites(true);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::Swallow);  // no registry call in it
  EXPECT_THROW(rig.scheduler.RunPending(), Error);                  // the scheduler shows the text
  rig.registry.SetFailWrites(false);
  // A hook whose channel did not publish reads "Handle" from the registry: a missing one is
  // an error too, and the event goes on unreported.
  rig.registry.DeleteKey(platform::RegistryRoot::LocalMachine, kPropertyKeyPath);
  RegistryChannel reader(rig.registry);
  KeyHook other(rig.input, reader, rig.settings, rig.windows, rig.errors);
  std::size_t before = Messages();
  EXPECT_EQ(other.KeyHookProc(Event(65)), HookAnswer::PassOn);
  EXPECT_EQ(rig.errors.texts.back(), "Failed to get data for 'Handle'");
  EXPECT_EQ(Messages(), before);
}

TEST_F(KeyHookTest, NoBroadcastWithoutAWindowOfThisProcess) {
  for (std::uint32_t window : {0u, 0x777u}) {
    SCOPED_TRACE(window);
    rig.windows.AddForeignWindow(0x777);
    rig.channel.PublishWindowHandle(window);
    rig.channel.WriteTempCode(0);
    EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::PassOn);  // listed, yet passed on
    EXPECT_EQ(rig.hook.KeyHookProc(Event(66)), HookAnswer::PassOn);
    EXPECT_EQ(Messages(), 0u);
  }
}

TEST_F(KeyHookTest, LockSwallowsEverythingAndTouchesNothing) {
  rig.channel.WriteTempCode(66);
  rig.hook.LockKeyboard();
  int opens = rig.registry.opens, writes = rig.registry.writes, reads = rig.files.reads;
  for (int vk : {65, 66, 13}) {
    EXPECT_EQ(rig.hook.KeyHookProc(Event(vk)), HookAnswer::Swallow);
    EXPECT_EQ(rig.hook.KeyHookProc(Event(vk, platform::kWmKeyUp)), HookAnswer::Swallow);
  }
  EXPECT_EQ(rig.registry.opens, opens);
  EXPECT_EQ(rig.registry.writes, writes);
  EXPECT_EQ(rig.files.reads, reads);
  EXPECT_EQ(Messages(), 0u);
  EXPECT_EQ(rig.TempCode(), 66);
  rig.hook.UnlockKeyboard();
  EXPECT_TRUE(rig.hook.installed());  // the engine still wants it: remapping resumes at once
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::Swallow);
  EXPECT_EQ(Messages(), 1u);
}

TEST_F(KeyHookTest, UpOfAKeyWhoseDownWentOnGoesOnToo) {
  rig.WriteFile("[DisableKey]\r\nIndex=0\r\n");
  EXPECT_EQ(rig.hook.KeyHookProc(Event(66)), HookAnswer::PassOn);
  rig.WriteFile("[DisableKey]\r\nIndex=1\r\nKeyCode1=66\r\n");     // B mapped while held
  EXPECT_EQ(rig.hook.KeyHookProc(Event(66)), HookAnswer::PassOn);  // its repeat goes on as it did
  EXPECT_EQ(rig.hook.KeyHookProc(Event(66, platform::kWmKeyUp)), HookAnswer::PassOn);
  EXPECT_FALSE(rig.client.told.back().down);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(66)), HookAnswer::Swallow);
  EXPECT_EQ(rig.hook.KeyHookProc(Event(66, platform::kWmKeyUp)), HookAnswer::Swallow);
}

// Installation states: the hook is there while the lock or the engine needs it.
class KeyHookStatesTest : public ::testing::Test {
 protected:
  EngineRig rig;
  KeyHook& hook = rig.hook;
};

TEST_F(KeyHookStatesTest, ActivationAndSuspension) {
  EXPECT_FALSE(hook.installed());
  EXPECT_TRUE(hook.InstallKeyHook());
  EXPECT_TRUE(hook.HookedForMapping());
  EXPECT_TRUE(rig.input.hookInstalled());
  EXPECT_FALSE(hook.InstallKeyHook());  // already there: nothing changes
  EXPECT_EQ(rig.input.installs, 1);
  EXPECT_TRUE(hook.RemoveKeyHook());
  EXPECT_FALSE(hook.installed());
  EXPECT_FALSE(hook.HookedForMapping());
  EXPECT_FALSE(rig.input.hookInstalled());
  EXPECT_TRUE(hook.RemoveKeyHook());
}

TEST_F(KeyHookStatesTest, LockAloneInstallsAndUnlockRemoves) {
  hook.LockKeyboard();
  EXPECT_TRUE(rig.input.hookInstalled());
  EXPECT_FALSE(hook.HookedForMapping());
  hook.UnlockKeyboard();
  EXPECT_FALSE(rig.input.hookInstalled());
}

TEST_F(KeyHookStatesTest, EitherOrderOfLockAndActivationKeepsTheHookForTheOther) {
  hook.LockKeyboard();
  hook.InstallKeyHook();  // activated while locked
  hook.UnlockKeyboard();
  EXPECT_TRUE(rig.input.hookInstalled());  // the engine is active: the hook stays
  EXPECT_FALSE(hook.KeyboardLocked());
  hook.LockKeyboard();
  hook.RemoveKeyHook();                    // suspended while locked
  EXPECT_TRUE(rig.input.hookInstalled());  // the lock still holds the keyboard
  EXPECT_EQ(rig.hook.KeyHookProc(Event(65)), HookAnswer::Swallow);
  hook.UnlockKeyboard();
  EXPECT_FALSE(rig.input.hookInstalled());
  EXPECT_EQ(rig.input.installs, 1);
}

TEST_F(KeyHookStatesTest, RefusedInstallationStillCountsTheEngineAsWanting) {
  rig.input.RefuseInstall(true);
  EXPECT_FALSE(hook.InstallKeyHook());
  EXPECT_TRUE(hook.HookedForMapping());
  EXPECT_FALSE(hook.installed());
  rig.input.RefuseInstall(false);
  EXPECT_TRUE(hook.InstallKeyHook());
}

}  // namespace
}  // namespace zv::testing_engine
