// The autorun entry through the "Settings" page's box: ticked, unticked, moved, and for a user
// who may not write under HKEY_LOCAL_MACHINE.
#include "settings/autorun.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "engine/hotkeys.h"
#include "platform/fake/fake_hotkeys.h"
#include "platform/fake/fake_registry.h"
#include "ui/settings_page.h"

namespace zv {
namespace {

using platform::RegistryRoot;

class BoxView : public SettingsPageView {
 public:
  std::uint16_t HotKeyWord(int) override { return 0; }
  void SetHotKeyWord(int, std::uint16_t) override {}
  bool UseHotkey() override { return false; }
  void EnableHotKeyControls(bool) override {}
  void ShowMessage(const std::string& text) override { shown.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    shown.push_back("? " + text);
    return yes;
  }
  bool AutoRun() override { return autoRun; }
  void SetAutoRun(bool checked) override { autoRun = checked; }
  void SetUseHotkey(bool) override {}
  bool autoRun = false, yes = false;
  std::vector<std::string> shown;
};

struct Rig {
  fake::FakeRegistry registry;
  fake::FakeHotKeys system;
  BoxView view;
  HotKeySettings hotKeys{system, view};
  std::string Run(RegistryRoot root, const std::string& name = "zorvane.exe") {
    platform::RegistryKey key = registry.OpenKeyForReading(root, kRunKeyPath);
    std::string data = "(none)";
    registry.ReadString(key, name, data);
    registry.CloseKey(key);
    return data;
  }
  Rig() {
    registry.CloseKey(registry.CreateKey(RegistryRoot::LocalMachine, kRunKeyPath));
    registry.CloseKey(registry.CreateKey(RegistryRoot::CurrentUser, kRunKeyPath));
  }
};

const std::string kExe = "C:\\Program Files\\Zorvane\\zorvane.exe";

TEST(AutoRun, TickWritesTheQuotedPathAndUntickDeletesIt) {
  Rig rig;
  SettingsPage page(rig.view, rig.hotKeys, rig.registry, kExe);
  page.ReadAutoRunBox();
  EXPECT_FALSE(rig.view.autoRun);
  rig.view.autoRun = true;
  page.AutoRunClick();
  EXPECT_EQ(rig.Run(RegistryRoot::LocalMachine),
            "\"C:\\Program Files\\Zorvane\\zorvane.exe\" -Hide");
  EXPECT_TRUE(IsAutoRun(rig.registry, kExe));

  // After a move, the next start writes the entry again with the new path.
  SettingsPage moved(rig.view, rig.hotKeys, rig.registry, "D:\\Tools\\zorvane.exe");
  rig.view.autoRun = false;
  moved.ReadAutoRunBox();
  EXPECT_TRUE(rig.view.autoRun);
  EXPECT_EQ(rig.Run(RegistryRoot::LocalMachine), "\"D:\\Tools\\zorvane.exe\" -Hide");

  // Renamed, it finds no entry of its name; the old one stays.
  SettingsPage renamed(rig.view, rig.hotKeys, rig.registry, "D:\\Tools\\zv.exe");
  renamed.ReadAutoRunBox();
  EXPECT_FALSE(rig.view.autoRun);
  EXPECT_EQ(rig.Run(RegistryRoot::LocalMachine, "zv.exe"), "(none)");

  rig.view.autoRun = false;
  moved.AutoRunClick();
  EXPECT_EQ(rig.Run(RegistryRoot::LocalMachine), "(none)");
  EXPECT_FALSE(IsAutoRun(rig.registry, kExe));
}

TEST(AutoRun, AStandardUserGetsTheEntryUnderTheCurrentUser) {
  Rig rig;
  // An installer run as administrator wrote the machine's entry: it counts, read only.
  platform::RegistryKey machine = rig.registry.CreateKey(RegistryRoot::LocalMachine, kRunKeyPath);
  rig.registry.WriteString(machine, "other.exe", "x");
  rig.registry.CloseKey(machine);
  rig.registry.SetWritable(RegistryRoot::LocalMachine, false);
  EXPECT_FALSE(IsAutoRun(rig.registry, kExe));

  SetAutoRun(rig.registry, kExe, true);
  EXPECT_EQ(rig.Run(RegistryRoot::CurrentUser), AutoRunCommand(kExe));
  EXPECT_TRUE(IsAutoRun(rig.registry, kExe));
  EXPECT_TRUE(IsAutoRun(rig.registry, "C:\\x\\other.exe"));
  SetAutoRun(rig.registry, kExe, false);  // no error for the machine's key
  EXPECT_FALSE(IsAutoRun(rig.registry, kExe));

  rig.registry.SetWritable(RegistryRoot::CurrentUser, false);
  try {
    SetAutoRun(rig.registry, kExe, true);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'zorvane.exe'");
  }
}

// An entry under HKEY_LOCAL_MACHINE (an elevated run or an older install wrote it) that this
// user may not change: starts never add a second copy, and an untick is offered to an
// administrator, the box always showing what the registry holds.
TEST(AutoRun, AMachineWideEntryStaysTheOnlyCopyAndGoesOnlyAsAdministrator) {
  Rig rig;
  // An earlier version also wrote a user's copy beside it.
  for (RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
    platform::RegistryKey key = rig.registry.CreateKey(root, kRunKeyPath);
    rig.registry.WriteString(key, "zorvane.exe", AutoRunCommand(kExe));
    rig.registry.CloseKey(key);
  }
  rig.registry.SetWritable(RegistryRoot::LocalMachine, false);
  bool elevatedWorks = false;
  SettingsPage page(rig.view, rig.hotKeys, rig.registry, kExe, [&] {
    rig.registry.SetWritable(RegistryRoot::LocalMachine, elevatedWorks);
    return RemoveMachineAutoRun(rig.registry, kExe);
  });
  page.ReadAutoRunBox();  // a start
  EXPECT_TRUE(rig.view.autoRun);
  EXPECT_EQ(rig.Run(RegistryRoot::CurrentUser), "(none)");
  const std::string question = std::string("? ") + kMachineAutoRunQuestion;
  for (bool yes : {false, true}) {  // declined, then the elevated run failed
    rig.view.yes = yes;
    rig.view.autoRun = false;
    page.AutoRunClick();
    EXPECT_TRUE(rig.view.autoRun);
  }
  EXPECT_EQ(rig.view.shown, (std::vector<std::string>{question, question, kMachineAutoRunKept}));
  elevatedWorks = true;
  rig.view.autoRun = false;
  page.AutoRunClick();
  EXPECT_FALSE(rig.view.autoRun);
  EXPECT_FALSE(IsAutoRun(rig.registry, kExe));
}

}  // namespace
}  // namespace zv
