#include <gtest/gtest.h>

#include "engine/hook_watchdog.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

TEST(HookWatchdogTest, ReinstallsAHookTheSystemDroppedAndLeavesAWorkingOneAlone) {
  EngineRig rig;
  HookWatchdog watchdog(rig.hook, rig.input);
  rig.Map("A", "B");
  EXPECT_FALSE(watchdog.Check());  // no hook: nothing to watch
  rig.input.now = 5000;
  rig.hook.InstallKeyHook();
  rig.input.now = 9000;
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  rig.input.now = 12000;
  EXPECT_FALSE(watchdog.Check());  // every input so far reached the hook
  EXPECT_EQ(rig.input.installs, 1);

  rig.input.DropHookSilently();
  rig.input.now = 13000;
  EXPECT_EQ(rig.run("+A -A"), "+A -A");  // the system no longer asks the hook
  rig.input.now = 15000;
  EXPECT_TRUE(watchdog.Check());
  EXPECT_TRUE(rig.input.hookLive());
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  rig.input.now = 18000;
  EXPECT_FALSE(watchdog.Check());
  EXPECT_EQ(rig.input.installs, 2);
}

TEST(HookWatchdogTest, InputBeforeInstallationAndTickWrapDoNotCount) {
  EngineRig rig;
  HookWatchdog watchdog(rig.hook, rig.input);
  rig.input.now = 0xFFFFF000u;
  rig.run("+C -C");  // typed before the hook was there
  rig.input.now = 0xFFFFFF00u;
  rig.hook.InstallKeyHook();
  rig.input.now = 0x00000100u;  // the tick count wrapped
  rig.run("+C -C");
  rig.input.now = 0x00002000u;
  EXPECT_FALSE(watchdog.Check());
  EXPECT_EQ(rig.input.installs, 1);
}

TEST(HookWatchdogTest, AsksAgainForAHookTheSystemRefused) {
  EngineRig rig;
  HookWatchdog watchdog(rig.hook, rig.input);
  rig.Map("A", "B");
  rig.input.RefuseInstall(true);
  rig.hook.InstallKeyHook();
  EXPECT_EQ(rig.run("+A -A"), "+A -A");
  EXPECT_FALSE(watchdog.Check());  // still refused
  rig.input.RefuseInstall(false);
  EXPECT_TRUE(watchdog.Check());
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  EXPECT_FALSE(watchdog.Check());
  rig.hook.RemoveKeyHook();
  EXPECT_FALSE(watchdog.Check());  // suspended: nothing is wanted
  EXPECT_EQ(rig.input.installs, 1);
}

TEST(HookWatchdogTest, KeepsTheLockAlive) {
  EngineRig rig;
  HookWatchdog watchdog(rig.hook, rig.input);
  rig.hook.LockKeyboard();
  rig.input.DropHookSilently();
  rig.input.now += 4000;
  rig.run("+C -C");
  EXPECT_TRUE(watchdog.Check());
  EXPECT_EQ(rig.run("+C -C"), "");
}

}  // namespace
}  // namespace zv::testing_engine
