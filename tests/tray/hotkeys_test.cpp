// The hotkey settings over the system's hotkey table: the first start, a user's edits, the
// same combination twice, the words excluded while typing, "Use Hotkey" cleared, Exit.
#include "engine/hotkeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_hotkeys.h"
#include "platform/fake/fake_registry.h"
#include "ui/settings_page.h"

namespace zv {
namespace {

using platform::kModAlt;
using platform::kModControl;
using platform::kModShift;

class PageView : public SettingsPageView {
 public:
  std::uint16_t HotKeyWord(int which) override { return words[which]; }
  void SetHotKeyWord(int which, std::uint16_t word) override { words[which] = word; }
  bool UseHotkey() override { return use; }
  void EnableHotKeyControls(bool enabled) override { controlsEnabled = enabled; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string&) override { return false; }
  bool AutoRun() override { return autoRun; }
  void SetAutoRun(bool checked) override { autoRun = checked; }
  void SetUseHotkey(bool checked) override { use = checked; }

  std::map<int, std::uint16_t> words;
  bool use = false, autoRun = false, controlsEnabled = true;
  std::vector<std::string> messages;
};

struct Rig {
  fake::FakeHotKeys system;
  fake::FakeFiles files;
  fake::FakeRegistry registry;
  PageView view;
  HotKeySettings hotKeys{system, view};
  SettingsPage page{view, hotKeys, registry, "C:\\Zorvane\\zorvane.exe"};
  SettingsFile file{files, "C:\\Zorvane\\Keydat.qnp"};

  std::vector<std::pair<unsigned, unsigned>> Registered() {
    std::vector<std::pair<unsigned, unsigned>> all;
    for (const auto& r : system.registered) all.push_back(r.second);
    std::sort(all.begin(), all.end());
    return all;
  }
};

using Combos = std::vector<std::pair<unsigned, unsigned>>;

TEST(HotKeys, WordsSplitIntoModifiersAndKey) {
  ShortcutParts all = SplitShortcut(0xE000 | 0x70);  // Ctrl+Shift+Alt+F1
  EXPECT_EQ(all.modifiers, kModAlt | kModControl | kModShift);
  EXPECT_EQ(all.key, 0x70u);
  EXPECT_EQ(SplitShortcut(kDefaultStartHotKey).modifiers, kModAlt);
  EXPECT_EQ(SplitShortcut(kDefaultStartHotKey).key, unsigned{'1'});
  for (std::uint16_t word : {0, 0x80FF, 0x8000, 0x4000}) EXPECT_TRUE(IsExcludedHotKey(word));
  for (std::uint16_t word : {0x2000, 0x8031, 0x4041, 0x00FF}) EXPECT_FALSE(IsExcludedHotKey(word));
}

TEST(HotKeys, FirstStartShowsAltOneAndTwoAndRegistersNothing) {
  Rig rig;
  rig.page.LoadStartupSettings(rig.file);
  EXPECT_EQ(rig.view.words[1], 0x8031);
  EXPECT_EQ(rig.view.words[2], 0x8032);
  EXPECT_FALSE(rig.view.use);
  EXPECT_FALSE(rig.view.controlsEnabled);
  EXPECT_TRUE(rig.system.registered.empty());
  EXPECT_EQ(rig.hotKeys.StartHotKeyId(), 0);  // no attempt yet
}

TEST(HotKeys, StoredSettingsRegisterAtStartAndExitWritesThemBack) {
  Rig rig;
  rig.files.Put(rig.file.path(), "[Settings]\r\nHotkey=1\r\nStartHotKey=16449\r\n");
  rig.page.LoadStartupSettings(rig.file);  // Ctrl+A and the default Alt+2
  EXPECT_TRUE(rig.view.controlsEnabled);
  EXPECT_EQ(rig.Registered(), (Combos{{kModAlt, '2'}, {kModControl, 'A'}}));
  EXPECT_NE(rig.hotKeys.StartHotKeyId(), rig.hotKeys.StopHotKeyId());

  rig.view.words[2] = 0x4042;  // the user types Ctrl+B into "Suspend:"
  rig.hotKeys.HotKeyChange(2);
  EXPECT_EQ(rig.Registered(), (Combos{{kModControl, 'A'}, {kModControl, 'B'}}));
  rig.page.SaveStartupSettings(rig.file);
  rig.hotKeys.Withdraw();
  EXPECT_TRUE(rig.system.registered.empty());
  EXPECT_EQ(rig.file.ReadString("Settings", "StopHotKey", ""), "16450");
  EXPECT_EQ(rig.file.ReadString("Settings", "Hotkey", ""), "1");
  EXPECT_EQ(rig.file.ReadString("Settings", "AutoRun", ""), "0");
}

TEST(HotKeys, TypingAndClashesKeepOnlyTheShownCombinationsRegistered) {
  Rig rig;
  rig.page.LoadStartupSettings(rig.file);
  rig.view.use = true;
  rig.page.UseHotkeyClick();
  EXPECT_EQ(rig.Registered(), (Combos{{kModAlt, '1'}, {kModAlt, '2'}}));

  // While the user types Alt+3 the field holds Alt alone: nothing registered, no message, and
  // the combination shown before is withdrawn.
  rig.view.words[1] = 0x8000;
  rig.hotKeys.HotKeyChange(1);
  EXPECT_EQ(rig.Registered(), (Combos{{kModAlt, '2'}}));
  rig.view.words[1] = 0x8033;
  rig.hotKeys.HotKeyChange(1);
  EXPECT_EQ(rig.Registered(), (Combos{{kModAlt, '2'}, {kModAlt, '3'}}));
  EXPECT_TRUE(rig.view.messages.empty());

  // The same combination in both fields: the second is refused and cleared.
  rig.view.words[2] = 0x8033;
  rig.hotKeys.HotKeyChange(2);
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{kRegisterHotKeyFail});
  EXPECT_EQ(rig.view.words[2], 0);
  EXPECT_EQ(rig.Registered(), (Combos{{kModAlt, '3'}}));

  // A combination another program holds is refused the same way.
  rig.system.TakenByAnotherProgram(kModControl, 'Q');
  rig.view.words[2] = 0x4051;
  rig.hotKeys.HotKeyChange(2);
  EXPECT_EQ(rig.view.messages.size(), 2u);
  EXPECT_EQ(rig.view.words[2], 0);

  rig.view.use = false;
  rig.page.UseHotkeyClick();
  EXPECT_FALSE(rig.view.controlsEnabled);
  EXPECT_TRUE(rig.system.registered.empty());
  rig.view.words[1] = 0x8034;  // edits while cleared register nothing
  rig.hotKeys.HotKeyChange(1);
  EXPECT_TRUE(rig.system.registered.empty());
}

TEST(HotKeys, EditsAreStoredAtOnceSoAnEndWithoutExitKeepsThem) {
  Rig rig;
  rig.page.LoadStartupSettings(rig.file);
  rig.view.use = true;
  rig.page.UseHotkeyClick(rig.file);
  rig.view.words[1] = 0x4041;  // Ctrl+A
  rig.page.HotKeyChange(1, rig.file);
  rig.view.words[2] = 0x4041;  // the same: refused and cleared
  rig.page.HotKeyChange(2, rig.file);
  EXPECT_EQ(rig.Registered(), (Combos{{kModControl, 'A'}}));

  // The system ends the program (or it crashes): no Exit. The next start reads the edits.
  Rig next;
  next.files.Put(next.file.path(), rig.files.Get(rig.file.path()));
  next.page.LoadStartupSettings(next.file);
  EXPECT_TRUE(next.view.use);
  EXPECT_EQ(next.view.words[1], 0x4041);
  EXPECT_EQ(next.view.words[2], 0);
  EXPECT_EQ(next.Registered(), (Combos{{kModControl, 'A'}}));
  // Clearing "Use Hotkey" is stored the same way.
  next.view.use = false;
  next.page.UseHotkeyClick(next.file);
  EXPECT_NE(next.files.Get(next.file.path()).find("Hotkey=0"), std::string::npos);
}

}  // namespace
}  // namespace zv
