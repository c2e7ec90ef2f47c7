#pragma once
// Behaviours every Tray and every HotKeys implementation shares; run against the fakes natively
// and against the Win32 ones under Wine (with a stand-in for the shell's notification area).
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/hotkeys.h"
#include "platform/tray.h"

namespace zv::contract {

// What the notification area shows of the program's icon.
struct TrayView {
  bool icon = false;
  std::string tip;
  std::string balloon;  // "" when none
  std::string balloonTitle;
  unsigned timeoutMs = 0;
};

struct TrayEnv {
  virtual ~TrayEnv() = default;
  virtual platform::Tray& tray() = 0;
  virtual TrayView Shown() = 0;
};
std::unique_ptr<TrayEnv> MakeTrayEnv();  // provided by each test program

struct HotKeysEnv {
  virtual ~HotKeysEnv() = default;
  virtual platform::HotKeys& hotKeys() = 0;
};
std::unique_ptr<HotKeysEnv> MakeHotKeysEnv();

TEST(TrayContract, IconTooltipBalloonAndRemoval) {
  std::unique_ptr<TrayEnv> env = MakeTrayEnv();
  platform::Tray& tray = env->tray();
  tray.SetTrayHint("before");  // nothing shows before the icon is added
  EXPECT_FALSE(env->Shown().icon);
  tray.ShowTrayIcon("Zorvane");
  EXPECT_TRUE(env->Shown().icon);
  EXPECT_EQ(env->Shown().tip, "Zorvane");
  tray.SetTrayHint("Zorvane: Activated");
  tray.SetActiveLook(true);
  EXPECT_EQ(env->Shown().tip, "Zorvane: Activated");
  tray.ShowBalloon("Tips", "Zorvane Active!", 10);
  TrayView shown = env->Shown();
  EXPECT_EQ(shown.balloon, "Zorvane Active!");
  EXPECT_EQ(shown.balloonTitle, "Tips");
  EXPECT_EQ(shown.timeoutMs, 10000u);
  tray.HideBalloon();
  EXPECT_EQ(env->Shown().balloon, "");
  EXPECT_EQ(env->Shown().tip, "Zorvane: Activated");
  tray.SetTrayHint(std::string(200, 'x'));  // a tooltip holds 127 characters
  EXPECT_EQ(env->Shown().tip, std::string(127, 'x'));
  tray.RemoveTrayIcon();
  EXPECT_FALSE(env->Shown().icon);
}

TEST(HotKeysContract, ACombinationBelongsToOneIdentifierAtATime) {
  std::unique_ptr<HotKeysEnv> env = MakeHotKeysEnv();
  platform::HotKeys& keys = env->hotKeys();
  unsigned start = keys.AddAtom("ZvContractStart");
  EXPECT_GE(start, 0xC000u);
  EXPECT_EQ(keys.AddAtom("ZvContractStart"), start);
  int first = static_cast<int>(start) - 0xC000;
  int second = static_cast<int>(keys.AddAtom("ZvContractStop")) - 0xC000;
  EXPECT_NE(first, second);
  const unsigned kF9 = 0x78;
  ASSERT_TRUE(keys.Register(first, platform::kModAlt | platform::kModShift, kF9));
  EXPECT_FALSE(keys.Register(second, platform::kModAlt | platform::kModShift, kF9));
  EXPECT_TRUE(keys.Register(second, platform::kModAlt, kF9));  // other modifiers: another
  EXPECT_TRUE(keys.Unregister(first));
  EXPECT_FALSE(keys.Unregister(first));  // nothing left under it
  EXPECT_FALSE(keys.Unregister(0));      // never registered
  EXPECT_TRUE(keys.Register(first, platform::kModAlt | platform::kModShift, kF9));
  EXPECT_TRUE(keys.Unregister(first));
  EXPECT_TRUE(keys.Unregister(second));
}

}  // namespace zv::contract
