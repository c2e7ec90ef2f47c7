// Loading and saving settings files from the tray, with the recent list in the registry.
#include "settings/settings_file_commands.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_registry.h"

namespace zv {
namespace {

class ViewStub : public SettingsFileView, public RecentMenu {
 public:
  std::string ChooseFileToLoad() override { return choice; }
  std::string ChooseFileToSave() override { return choice; }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  void RefreshKeyboardMap() override { ++refreshed; }
  int Count() override { return static_cast<int>(items.size()); }
  std::string Caption(int position) override { return items[position]; }
  void Remove(int position) override { items.erase(items.begin() + position); }
  void InsertEntry(int position, const std::string& caption) override {
    items.insert(items.begin() + position, caption);
  }
  void Move(int, int) override {}

  std::string choice;
  std::vector<std::string> messages;
  int refreshed = 0;
  std::vector<std::string> items{"load", "save", "-"};
};

const std::string kSettings = "C:\\Zorvane\\Keydat.qnp";
const std::string kOurs = "[Settings]\r\nSign=Zorvane\r\n[SwapKey]\r\nA=B\r\n";

struct Rig {
  fake::FakeFiles files;
  fake::FakeRegistry registry;
  ViewStub view;
  TRecentFiles recent{registry, view};
  SettingsFileCommands commands{files, kSettings, recent, view};
  Rig() {
    files.Put(kSettings, "[Settings]\r\nSign=Zorvane\r\n");
    recent.LoadRecentFiles();
  }
  std::string Recent1() {
    platform::RegistryKey k =
        registry.OpenKey(platform::RegistryRoot::LocalMachine, "SOFTWARE\\Quillon\\RecentFiles");
    std::string v;
    registry.ReadString(k, "1", v);
    registry.CloseKey(k);
    return v;
  }
};

TEST(SettingsFileCommands, LoadingAValidForeignAndMissingFile) {
  Rig rig;
  rig.files.Put("D:\\keys.qnp", kOurs);
  rig.view.choice = "D:\\keys.qnp";
  rig.commands.N6Click();
  EXPECT_EQ(rig.files.Get(kSettings), kOurs);
  EXPECT_EQ(rig.view.refreshed, 1);
  EXPECT_TRUE(rig.view.messages.empty());
  EXPECT_EQ(rig.Recent1(), "D:\\keys.qnp");
  EXPECT_EQ(rig.view.items.back(), "KEYS.QNP");

  // A file signed in lower case, or by another program, is not loaded; the user is told and
  // the path is remembered all the same.
  rig.files.Put("D:\\lower.qnp", "[Settings]\r\nSign=zorvane\r\n[SwapKey]\r\nA=C\r\n");
  rig.view.choice = "D:\\lower.qnp";
  rig.commands.N6Click();
  EXPECT_EQ(rig.files.Get(kSettings), kOurs);
  EXPECT_EQ(rig.view.messages.back(), "D:\\lower.qnp is not a Zorvane settings file.");
  EXPECT_EQ(rig.Recent1(), "D:\\lower.qnp");

  rig.view.choice = "D:\\gone.qnp";
  rig.commands.N6Click();
  EXPECT_EQ(rig.view.messages.back(), "Cannot find the settings file D:\\gone.qnp.");
  EXPECT_EQ(rig.Recent1(), "D:\\gone.qnp");
  EXPECT_EQ(rig.view.refreshed, 1);

  // A load that Windows stops half way keeps the settings file as it was, and says so.
  rig.files.Put("D:\\other.qnp", "[Settings]\r\nSign=Zorvane\r\n[SwapKey]\r\nA=E\r\n");
  rig.files.FailNextSwaps(fake::FakeFiles::SwapFailure::kMoveReplacement2, 1, 1);
  rig.view.choice = "D:\\other.qnp";
  rig.commands.N6Click();
  EXPECT_EQ(rig.files.Get(kSettings), kOurs);
  EXPECT_EQ(rig.view.messages.back(), "Unable to load D:\\other.qnp");

  // Choosing the settings file itself, or cancelling, does nothing at all.
  for (const std::string& choice : {kSettings, std::string()}) {
    rig.view.choice = choice;
    rig.commands.N6Click();
  }
  EXPECT_EQ(rig.Recent1(), "D:\\other.qnp");
  EXPECT_EQ(rig.view.messages.size(), 3u);

  // A recent entry loads its path again without touching the list.
  rig.files.Put("D:\\keys.qnp", "[Settings]\r\nSign=Zorvane\r\n[SwapKey]\r\nA=D\r\n");
  rig.recent.OnItemClick = [&](const std::string& path) { rig.commands.RecentItemClick(path); };
  rig.recent.ItemClick("KEYS.QNP");
  EXPECT_EQ(rig.view.refreshed, 2);
  EXPECT_NE(rig.files.Get(kSettings).find("A=D"), std::string::npos);
  EXPECT_EQ(rig.Recent1(), "D:\\other.qnp");
}

TEST(SettingsFileCommands, SaveAsAddsTheExtensionUnlessTheNameHoldsIt) {
  Rig rig;
  rig.view.choice = "D:\\backup";
  rig.commands.N5Click();
  EXPECT_EQ(rig.files.Get("D:\\backup.qnp"), rig.files.Get(kSettings));
  for (const char* name : {"D:\\x.QNP", "D:\\a.qnp.old", "D:\\b.Qnpx"}) {
    EXPECT_EQ(SaveNameWithExtension(name), name);
  }
  EXPECT_EQ(SaveNameWithExtension("D:\\qnp"), "D:\\qnp.qnp");

  rig.files.SetReadOnly("D:\\backup.qnp", true);
  rig.view.choice = "D:\\backup";
  rig.commands.N5Click();
  EXPECT_EQ(rig.view.messages, std::vector<std::string>{"Unable to save D:\\backup.qnp"});
}

}  // namespace
}  // namespace zv
