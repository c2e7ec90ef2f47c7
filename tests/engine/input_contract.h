#pragma once
// Behaviours every Input implementation shares; run against the fake natively and against the
// real keyboard under Wine.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "platform/input.h"

namespace zv::contract {

struct InputEnv {
  virtual ~InputEnv() = default;
  virtual platform::Input& input() = 0;
  // Lets the system deliver what is queued until done() holds or a second has passed.
  virtual void Pump(const std::function<bool()>& done) = 0;
};

std::unique_ptr<InputEnv> MakeInputEnv();  // provided by each test program

struct RecordingSink : platform::KeyHookSink {
  std::vector<platform::KeyEvent> events;
  int swallowVk = -1;
  platform::HookAnswer OnKeyEvent(const platform::KeyEvent& e) noexcept override {
    events.push_back(e);
    return static_cast<int>(e.vkCode) == swallowVk ? platform::HookAnswer::Swallow
                                                   : platform::HookAnswer::PassOn;
  }
};

class InputContract : public ::testing::Test {
 protected:
  void TearDown() override { in.RemoveHook(); }
  static platform::KeyInput Key(platform::Input& in, int vk, bool down,
                                std::uintptr_t extra = 0x5A564B45, std::uint32_t flags = 0) {
    platform::KeyInput k;
    k.vk = static_cast<std::uint8_t>(vk);
    k.scan = static_cast<std::uint16_t>(in.MapKey(static_cast<unsigned>(vk), 0));
    k.flags = flags | (down ? 0 : platform::kKeyEventfKeyUp);
    k.extraInfo = extra;
    return k;
  }
  void Inject(int vk, bool down, std::uintptr_t extra = 0x5A564B45) {
    platform::KeyInput k = Key(in, vk, down, extra);
    in.SendKeys(&k, 1);
  }
  void PumpFor(std::size_t count) {
    env->Pump([&] { return sink.events.size() >= count; });
  }

  std::unique_ptr<InputEnv> env = MakeInputEnv();
  platform::Input& in = env->input();
  RecordingSink sink;
};

TEST_F(InputContract, ScanCodesOfTheUsLayout) {
  EXPECT_EQ(in.MapKey('A', 0), 0x1Eu);
  EXPECT_EQ(in.MapKey('B', 0), 0x30u);
  EXPECT_EQ(in.MapKey(' ', 0), 0x39u);
  EXPECT_EQ(in.MapKey(0, 0), 0u);
}

TEST_F(InputContract, InjectedEventsReachTheHookMarkedAsInjected) {
  ASSERT_TRUE(in.InstallHook(sink));
  Inject('Q', true);
  Inject('Q', false, 0);
  PumpFor(2);
  ASSERT_EQ(sink.events.size(), 2u);
  EXPECT_EQ(sink.events[0].vkCode, static_cast<std::uint32_t>('Q'));
  EXPECT_EQ(sink.events[0].message, platform::kWmKeyDown);
  EXPECT_EQ(sink.events[0].scanCode, 0x10u);
  EXPECT_TRUE(sink.events[0].flags & platform::kLlkhfInjected);
  EXPECT_EQ(sink.events[0].extraInfo, 0x5A564B45u);
  EXPECT_EQ(sink.events[1].message, platform::kWmKeyUp);
  EXPECT_EQ(sink.events[1].extraInfo, 0u);
}

TEST_F(InputContract, KeyStateFollowsWhatTheHookPassesOn) {
  ASSERT_TRUE(in.InstallHook(sink));
  Inject('W', true);
  PumpFor(1);
  EXPECT_TRUE(in.AsyncKeyState('W') & 0x8000);
  Inject('W', false);
  PumpFor(2);
  EXPECT_FALSE(in.AsyncKeyState('W') & 0x8000);
  sink.swallowVk = 'E';
  Inject('E', true);
  PumpFor(3);
  EXPECT_FALSE(in.AsyncKeyState('E') & 0x8000);
  Inject('E', false);
  PumpFor(4);
}

TEST_F(InputContract, RemovedHookHearsNothing) {
  ASSERT_TRUE(in.InstallHook(sink));
  in.RemoveHook();
  Inject('R', true);
  Inject('R', false);
  env->Pump([] { return false; });
  EXPECT_TRUE(sink.events.empty());
  EXPECT_FALSE(in.AsyncKeyState('R') & 0x8000);
}

TEST_F(InputContract, ScanCodesOfTheArrowsAreThoseOfTheNumberPad) {
  EXPECT_EQ(in.MapKey(0x26, 0), 0x48u);  // Up Arrow, as Num 8 without the extended flag
  EXPECT_EQ(in.MapKey(0x2E, 0), 0x53u);  // Delete, as the number pad's "."
}

TEST_F(InputContract, ABatchArrivesInOrderWithItsExtendedFlags) {
  ASSERT_TRUE(in.InstallHook(sink));
  platform::KeyInput keys[] = {Key(in, 0xA2, true), Key(in, 0x26, true, 0x5A564B45, 1),
                               Key(in, 0x26, false, 0x5A564B45, 1), Key(in, 0xA2, false)};
  in.SendKeys(keys, 4);
  PumpFor(4);
  ASSERT_EQ(sink.events.size(), 4u);
  const std::uint32_t order[] = {0xA2, 0x26, 0x26, 0xA2};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(sink.events[i].vkCode, order[i]) << i;
  EXPECT_EQ(sink.events[1].scanCode, 0x48u);
  EXPECT_TRUE(sink.events[1].flags & platform::kLlkhfExtended);
  EXPECT_TRUE(sink.events[2].flags & platform::kLlkhfExtended);
  EXPECT_FALSE(sink.events[0].flags & platform::kLlkhfExtended);
  EXPECT_EQ(sink.events[2].message, platform::kWmKeyUp);
}

TEST_F(InputContract, ReplacingTheHookLosesNoEventAndKeepsOneHook) {
  ASSERT_TRUE(in.InstallHook(sink));
  RecordingSink fresh;
  ASSERT_TRUE(in.ReplaceHook(fresh));
  Inject('Y', true);
  Inject('Y', false);
  env->Pump([&] { return fresh.events.size() >= 2; });
  EXPECT_EQ(fresh.events.size(), 2u);
  EXPECT_TRUE(sink.events.empty());  // the old hook is gone
}

TEST_F(InputContract, KeyboardInputCountsAsTheLatestKeyboardInput) {
  ASSERT_TRUE(in.InstallHook(sink));
  std::uint32_t before = in.TickCount();
  env->Pump([&] { return in.TickCount() - before >= 50; });  // time passes (not in the fake)
  std::uint32_t sent = in.TickCount();
  Inject('T', true);
  Inject('T', false);
  PumpFor(2);
  auto since = [&] { return static_cast<std::int32_t>(in.LastKeyboardInputTick() - sent); };
  env->Pump([&] { return since() >= 0; });
  EXPECT_GE(since(), 0);
  EXPECT_GE(static_cast<std::int32_t>(in.TickCount() - in.LastKeyboardInputTick()), 0);
}

}  // namespace zv::contract
