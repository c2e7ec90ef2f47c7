// A fixed-seed storm: random presses, repeats and releases under random mappings (swaps,
// chains, disabled keys, unknown targets, typing actions), with the settings file edited
// between events. However it goes, whenever every physical key is up no key is down in the
// focused program; at the end "TempCode" is back to 0 and the hook is still installed.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

TEST(RandomKeysTest, NothingStaysDownAfterAHundredThousandEvents) {
  EngineRig rig;
  TypingActions typing(rig.dispatcher);
  rig.dispatcher.SetActionRunner(&typing);
  rig.hook.InstallKeyHook();

  const std::vector<std::pair<std::string, int>> sources = {
      {"A", 'A'}, {"B", 'B'},          {"C", 'C'},        {"D", 'D'},
      {"E", 'E'}, {"Left Shift", 160}, {"Caps Lock", 20}, {"Volume Up", 175}};
  const std::vector<std::string> targets = {"A",    "B",          "C",         "D",
                                            "E",    "Left Shift", "Caps Lock", "DisableKey",
                                            "Mute", "Volume Up",  "TypeText"};
  std::mt19937 random(20261207);
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };

  std::set<int> held;
  int stuck = 0, firstStuck = -1, idle = 0;
  for (int i = 0; i < 100000; ++i) {
    if (pick(10) == 0) {
      const std::string& source = sources[pick(sources.size())].first;
      switch (pick(6)) {
        case 0:
          rig.Unmap(source);
          break;
        case 1:
          rig.WriteFile("[DisableKey]\r\nIndex=0\r\n");  // Reset All
          if (pick(2) == 0) rig.channel.DeleteTempCodeKey();
          break;
        default:
          if (rig.settings.ValueExists("SwapKey", source)) rig.Unmap(source);
          rig.Map(source, targets[pick(targets.size())], pick(2) ? "AB" : "E");
      }
    }
    int vk = sources[pick(sources.size())].second;
    bool down = pick(3) == 0;
    if (down) {
      held.insert(vk);
    } else if (held.erase(vk) == 0 && pick(4) != 0) {
      continue;  // mostly, ups follow downs
    }
    rig.input.Press(vk, down, pick(8) == 0);
    if (!held.empty()) continue;
    ++idle;
    if (rig.input.anyKeyDown()) {
      if (stuck++ == 0) firstStuck = i;
      for (int k = 0; k < 256; ++k) {
        if (rig.input.AsyncKeyState(k)) rig.input.Press(k, false);  // clear it, go on
      }
    }
  }
  EXPECT_EQ(stuck, 0) << "first at event " << firstStuck;
  EXPECT_GT(idle, 1000);
  for (int vk : held) rig.input.Press(vk, false);

  EXPECT_FALSE(rig.input.anyKeyDown());
  for (int vk = 0; vk < 256; ++vk) EXPECT_EQ(rig.input.AsyncKeyState(vk), 0) << vk;
  EXPECT_EQ(rig.TempCode(), 0);
  EXPECT_TRUE(rig.input.hookLive());
  EXPECT_TRUE(rig.hook.installed());
  EXPECT_TRUE(rig.errors.texts.empty());
  EXPECT_GT(rig.input.injected.size(), 10000u);  // the storm did remap
}

}  // namespace
}  // namespace zv::testing_engine
