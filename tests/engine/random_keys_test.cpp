// A fixed-seed storm: random presses, repeats and releases under random mappings (swaps,
// chains, disabled keys, unknown targets, typing actions, shortcuts with Shift, keys with two
// roles and layers), for all programs and for single programs (one of them switched off now
// and then), with the focus moving between them, the settings file edited between events and
// now and then made unreadable, and the keyboard lost and found again as on Windows: the hook
// dropped silently until the watchdog reinstalls it, injected presses that never arrive, the
// lock toggled, the engine suspended and activated, the computer asleep and told of its return
// twice. However it goes, the program never injects a release of a key it did not press, and
// whenever every physical key is up no key is down in the focused program; at the end
// "TempCode" is back to 0 and the hook is still installed.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <random>
#include <set>

#include "engine/hook_watchdog.h"
#include "engine/shortcut_tables.h"
#include "settings/mapping_store.h"
#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

class Storm {
 public:
  Storm() {
    typing_ = std::make_unique<TypingActions>(rig.dispatcher);
    rig.dispatcher.SetActionRunner(typing_.get());
    rig.hook.InstallKeyHook();
  }

  // Edits the settings file as the editor or a person would.
  void Edit() {
    Mend();
    const std::string& source = sources_[Pick(sources_.size())].first;
    const std::string& program = programs_[Pick(programs_.size())];
    switch (Pick(8)) {
      case 0:
        rig.Unmap(source);
        break;
      case 1:
        rig.WriteFile("[DisableKey]\r\nIndex=0\r\n");  // Reset All
        if (Pick(2) == 0) rig.channel.DeleteTempCodeKey();
        break;
      case 2:
        if (!program.empty()) SetProgramOff(rig.settings, program, Pick(2) == 0);
        break;
      case 3:
        MakeUnreadable();
        break;
      case 4:
        rig.settings.WriteString(SwapShortcutSection(program), shortcuts_[Pick(shortcuts_.size())],
                                 targets_[Pick(targets_.size())]);
        break;
      case 5:  // a key with two roles, some of them switching a layer
        rig.Map("A", "D", " ", LayerScope("Nav"));
        rig.Map("B", "Left Shift", " ", LayerScope("Two"));
        RemoveMapping(rig.settings, source, program);
        rig.Map(source, "TapHold", twoRoles_[Pick(twoRoles_.size())], program);
        break;
      default:
        RemoveMapping(rig.settings, source, program);
        rig.Map(source, targets_[Pick(targets_.size())], Pick(2) ? "AB" : "E", program);
    }
  }

  void Mend() {
    if (unreadable_.empty()) return;
    rig.WriteFile(unreadable_);
    unreadable_.clear();
  }

  // A bad entry saved by hand: the list cannot be read until it is mended.
  void MakeUnreadable() {
    std::string text = rig.files.Get(EngineRig::kPath);
    std::size_t at = text.find("Index=");
    if (at == std::string::npos) return;
    unreadable_ = text;
    rig.WriteFile(text.insert(at + 6, "x"));
    for (const std::string& e : rig.errors.texts) EXPECT_NE(e.find("not a valid integer"), e.npos);
    rig.errors.texts.clear();
  }

  // The program never releases a key the user holds that it did not press itself (a
  // modifier it lifts for a shortcut apart); a release it replays after a key with two roles
  // was decided is the user's own.
  void CheckReleases() {
    for (; checked_ < rig.input.injected.size(); ++checked_) {
      const platform::KeyEvent& e = rig.input.injected[checked_];
      int vk = static_cast<int>(e.vkCode & 0xFF);
      bool down = e.message == platform::kWmKeyDown;
      bool modifier = std::count(std::begin(kModifierKeys), std::end(kModifierKeys), vk) > 0;
      bool stray = !down && !modifier && !pressed_[vk] && held.count(vk);
      if (stray && strayRelease < 0) strayRelease = static_cast<int>(checked_);
      pressed_[e.vkCode & 0xFF] = down;
    }
  }

  // The keyboard is lost or found again.
  void Upset() {
    if (asleep_) return;  // no tray menu or hotkey reaches a sleeping computer: no lock, no switch
    switch (Pick(6)) {
      case 4:
        Sleep();
        break;
      case 0:
        rig.input.DropHookSilently();
        break;
      case 1:
        rig.input.LoseInjectedPresses(1 + static_cast<int>(Pick(3)));
        break;
      case 2:
        rig.hook.LockKeyboard();
        ++locks;
        break;
      default:
        rig.hook.RemoveKeyHook();
        ++suspends;
    }
  }

  // The computer goes to sleep: a hook that answered late is dropped, typed keys go nowhere.
  void Sleep() {
    if (asleep_) return;
    asleep_ = true;
    rig.input.DropHookSilently();
    rig.input.LeaveDesktop();
    watchdog_.OnSessionEvent(SessionEvent::Suspending);
  }

  // Windows tells of the return twice (by itself, then for the user), keys typed between.
  void Wake() {
    asleep_ = false;
    rig.input.ReturnToDesktop();
    watchdog_.OnSessionEvent(SessionEvent::Resumed);
    Key();
    watchdog_.OnSessionEvent(SessionEvent::Resumed);
    ++wakes;
  }

  // The user unlocks and activates again after a while, the focus moves.
  void Recover() {
    if (asleep_ && Pick(20) == 0) Wake();
    if (Pick(50) == 0) rig.foreground.Focus(programs_[Pick(programs_.size())]);
    if (rig.hook.KeyboardLocked() && Pick(30) == 0) rig.hook.UnlockKeyboard();
    if (!rig.hook.HookedForMapping() && Pick(30) == 0) rig.hook.InstallKeyHook();
  }

  // One physical key event; false when it was skipped.
  bool Key() {
    int vk = sources_[Pick(sources_.size())].second;
    bool down = Pick(3) == 0;
    if (down) {
      held.insert(vk);
    } else if (held.erase(vk) == 0 && Pick(4) != 0) {
      return false;  // mostly, ups follow downs
    }
    rig.input.now += 100;
    rig.input.Press(vk, down, Pick(8) == 0);
    rig.scheduler.Advance(100);  // what was posted, and the timers of undecided keys
    if (rig.input.now % 3000 == 0 && watchdog_.Check()) ++reinstalls;  // its timer
    return true;
  }

  // Every physical key is up: a dropped hook is found once there was input it missed.
  bool SettledWithNothingDown() {
    if (rig.hook.installed() && !rig.input.hookLive() && watchdog_.Check()) ++reinstalls;
    if (rig.hook.installed() && !rig.input.hookLive()) return true;  // not noticed yet
    if (!rig.input.anyKeyDown()) return true;
    for (int k = 0; k < 256; ++k) {
      if (rig.input.AsyncKeyState(k)) rig.input.Press(k, false);  // clear it, go on
    }
    return false;
  }

  std::size_t Pick(std::size_t n) { return static_cast<std::size_t>(random_() % n); }

  EngineRig rig;
  std::set<int> held;
  int locks = 0, suspends = 0, reinstalls = 0, wakes = 0;
  int strayRelease = -1;  // the first injected release without its press

 private:
  std::string unreadable_;  // the text before it was made unreadable
  bool asleep_ = false;
  std::size_t checked_ = 0;
  std::bitset<256> pressed_;  // keys the program injected down
  std::unique_ptr<TypingActions> typing_;
  HookWatchdog watchdog_{rig.hook, rig.input};
  std::mt19937 random_{20261207};
  const std::vector<std::pair<std::string, int>> sources_ = {
      {"A", 'A'}, {"B", 'B'},          {"C", 'C'},        {"D", 'D'},
      {"E", 'E'}, {"Left Shift", 160}, {"Caps Lock", 20}, {"Volume Up", 175}};
  const std::vector<std::string> programs_ = {"", "notepad.exe", "game.exe"};
  const std::vector<std::string> twoRoles_ = {"Esc|Left Shift|200|press", "B|Layer Nav|300|release",
                                              "C|Left Ctrl|150|time", "D|Layer Two|250|press"};
  const std::vector<std::string> shortcuts_ = {"Shift+A", "Left Shift+B", "Shift+Caps Lock"};
  const std::vector<std::string> targets_ = {"A",    "B",          "C",         "D",
                                             "E",    "Left Shift", "Caps Lock", "DisableKey",
                                             "Mute", "Volume Up",  "TypeText"};
};

TEST(RandomKeysTest, NothingStaysDownAfterAHundredThousandEvents) {
  Storm storm;
  EngineRig& rig = storm.rig;
  int stuck = 0, firstStuck = -1, idle = 0;
  for (int i = 0; i < 100000; ++i) {
    if (storm.Pick(10) == 0) storm.Edit();
    if (storm.Pick(200) == 0) storm.Upset();
    storm.Recover();
    bool typed = storm.Key();
    storm.CheckReleases();
    if (!typed || !storm.held.empty()) continue;
    ++idle;
    if (!storm.SettledWithNothingDown() && stuck++ == 0) firstStuck = i;
  }
  EXPECT_EQ(stuck, 0) << "first at event " << firstStuck;
  EXPECT_EQ(storm.strayRelease, -1);
  EXPECT_GT(storm.wakes, 10);
  EXPECT_GT(idle, 1000);
  EXPECT_GT(storm.locks, 20);
  EXPECT_GT(storm.suspends, 20);
  EXPECT_GT(storm.reinstalls, 20);

  // Back to an awake, active, unlocked engine on a live hook, then every key up.
  storm.Wake();
  storm.Mend();
  if (rig.hook.KeyboardLocked()) rig.hook.UnlockKeyboard();
  rig.hook.InstallKeyHook();
  rig.input.now += 5000;
  for (int vk : storm.held) rig.input.Press(vk, false);
  storm.held.clear();
  rig.run("+F1 -F1");
  EXPECT_TRUE(storm.SettledWithNothingDown());
  rig.run("+F1 -F1");  // an unmapped key takes the last announcement
  EXPECT_FALSE(rig.input.anyKeyDown());
  for (int vk = 0; vk < 256; ++vk) EXPECT_EQ(rig.input.AsyncKeyState(vk), 0) << vk;
  EXPECT_EQ(rig.TempCode(), 0);
  EXPECT_TRUE(rig.input.hookLive());
  EXPECT_TRUE(rig.hook.installed());
  EXPECT_TRUE(rig.errors.texts.empty());
  EXPECT_GT(rig.input.injected.size(), 4000u);  // the storm did remap
  auto taps = std::count_if(rig.input.injected.begin(), rig.input.injected.end(),
                            [](const platform::KeyEvent& e) { return e.vkCode == 27; });
  EXPECT_GT(taps, 50);  // and decided keys with two roles
}

}  // namespace
}  // namespace zv::testing_engine
