// The recent settings files: the registry list and the submenu together, through stories of
// loading files one after another, restarting, and choosing entries.
#include "settings/recent_files.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "platform/fake/fake_registry.h"

namespace zv {
namespace {

using platform::RegistryRoot;

// The "Settings File" submenu: three fixed items, then the entries.
class MenuStub : public RecentMenu {
 public:
  int Count() override { return static_cast<int>(items.size()); }
  std::string Caption(int position) override { return items[position]; }
  void Remove(int position) override { items.erase(items.begin() + position); }
  void InsertEntry(int position, const std::string& caption) override {
    items.insert(items.begin() + position, caption);
  }
  void Move(int from, int to) override {
    std::string item = items[from];
    items.erase(items.begin() + from);
    items.insert(items.begin() + to, item);
  }
  std::vector<std::string> Entries() const { return {items.begin() + 3, items.end()}; }
  std::vector<std::string> items{"Load Settings File", "Save Settings File As", "-"};
};

using Texts = std::vector<std::string>;

struct Rig {
  fake::FakeRegistry registry;
  MenuStub menu;
  TRecentFiles recent{registry, menu};
  const std::string key = "SOFTWARE\\Quillon\\RecentFiles";

  Texts Stored(RegistryRoot root = RegistryRoot::LocalMachine) {
    Texts values;
    platform::RegistryKey k = registry.OpenKey(root, key);
    for (int i = 1; i <= 6; ++i) {
      std::string v;
      if (registry.ReadString(k, std::to_string(i), v) == platform::RegistryRead::Ok) {
        values.push_back(std::to_string(i) + "=" + v);
      }
    }
    registry.CloseKey(k);
    return values;
  }
};

TEST(RecentFiles, ParseRootKeyNamesTheRootAndTheRest) {
  RegistryPlace hkcu = ParseRootKey("hkcu\\Software\\A");
  EXPECT_EQ(hkcu.root, RegistryRoot::CurrentUser);
  EXPECT_EQ(hkcu.path, "Software\\A");
  EXPECT_EQ(ParseRootKey("HKEY_CURRENT_USER\\X").root, RegistryRoot::CurrentUser);
  EXPECT_EQ(ParseRootKey("Hkey_Users\\X").root, RegistryRoot::Users);
  EXPECT_EQ(ParseRootKey("HKCR\\X").root, RegistryRoot::ClassesRoot);
  EXPECT_EQ(ParseRootKey("HKEY_CLASSES_ROOT\\X").root, RegistryRoot::ClassesRoot);
  EXPECT_EQ(ParseRootKey("HKLM\\X").root, RegistryRoot::LocalMachine);
  RegistryPlace hku = ParseRootKey("HKU\\Software\\B");  // not a name the list knows
  EXPECT_EQ(hku.root, RegistryRoot::LocalMachine);
  EXPECT_EQ(hku.path, "Software\\B");
  RegistryPlace bare = ParseRootKey("RecentFiles");
  EXPECT_EQ(bare.root, RegistryRoot::LocalMachine);
  EXPECT_EQ(bare.path, "RecentFiles");
}

TEST(RecentFiles, FiveFilesThenASixthThenARestart) {
  Rig rig;
  rig.recent.LoadRecentFiles();  // the first start makes the key
  EXPECT_TRUE(rig.registry.KeyExists(RegistryRoot::LocalMachine, rig.key));
  for (const char* name : {"a", "b", "c", "d", "e"}) {
    rig.recent.AddRecentFile(std::string("C:\\Keys\\") + name + ".qnp");
  }
  EXPECT_EQ(rig.Stored(), (Texts{"1=C:\\Keys\\e.qnp", "2=C:\\Keys\\d.qnp", "3=C:\\Keys\\c.qnp",
                                 "4=C:\\Keys\\b.qnp", "5=C:\\Keys\\a.qnp"}));
  EXPECT_EQ(rig.menu.Entries(), (Texts{"E.QNP", "D.QNP", "C.QNP", "B.QNP"}));

  rig.recent.AddRecentFile("C:\\Keys\\f.qnp");  // "5" becomes the old "4"
  EXPECT_EQ(rig.Stored(), (Texts{"1=C:\\Keys\\f.qnp", "2=C:\\Keys\\e.qnp", "3=C:\\Keys\\d.qnp",
                                 "4=C:\\Keys\\c.qnp", "5=C:\\Keys\\b.qnp"}));
  EXPECT_EQ(rig.menu.Entries(), (Texts{"F.QNP", "E.QNP", "D.QNP", "C.QNP"}));

  Rig restarted;
  restarted.registry = rig.registry;
  restarted.recent.LoadRecentFiles();  // the value listed last ends on top
  EXPECT_EQ(restarted.menu.Entries(), (Texts{"B.QNP", "C.QNP", "D.QNP", "E.QNP"}));
}

TEST(RecentFiles, AFileAddedAgainMovesUpAndIsStoredTwice) {
  Rig rig;
  rig.recent.LoadRecentFiles();
  for (const char* name : {"a", "b", "c", "d"}) {
    rig.recent.AddRecentFile(std::string("C:\\") + name + ".qnp");
  }
  rig.recent.AddRecentFile("D:\\other\\C.QNP");  // the second newest, from another folder
  // The full menu loses its bottom entry first, so three entries are left.
  EXPECT_EQ(rig.menu.Entries(), (Texts{"C.QNP", "D.QNP", "B.QNP"}));
  EXPECT_EQ(rig.Stored()[0], "1=D:\\other\\C.QNP");
  EXPECT_EQ(rig.Stored()[2], "3=C:\\c.qnp");
  // Both paths have that file name; the one listed last ("3") is loaded.
  std::string chosen;
  rig.recent.OnItemClick = [&](const std::string& path) { chosen = path; };
  rig.recent.ItemClick("C.QNP");
  EXPECT_EQ(chosen, "C:\\c.qnp");
}

TEST(RecentFiles, AnEntryIsFoundByItsWholeFileName) {
  Rig rig;
  rig.recent.LoadRecentFiles();
  rig.recent.AddRecentFile("C:\\Keys\\KEYS.QNP");
  rig.recent.AddRecentFile("C:\\Keys\\MYKEYS.QNP");
  rig.recent.AddRecentFile("C:\\Keys\\keys.qnp.bak\\x.qnp");
  EXPECT_EQ(rig.recent.FindRecentPath("KEYS.QNP"), "C:\\Keys\\KEYS.QNP");
  EXPECT_EQ(rig.recent.FindRecentPath("mykeys.qnp"), "C:\\Keys\\MYKEYS.QNP");
  EXPECT_EQ(rig.recent.FindRecentPath("EYS.QNP"), "");
  rig.recent.ItemClick("KEYS.QNP");  // no handler assigned: nothing happens
}

TEST(RecentFiles, AStandardUserKeepsTheListUnderTheCurrentUser) {
  Rig rig;
  rig.registry.SetWritable(RegistryRoot::LocalMachine, false);
  rig.recent.LoadRecentFiles();
  rig.recent.AddRecentFile("C:\\Users\\me\\keys.qnp");
  EXPECT_FALSE(rig.registry.KeyExists(RegistryRoot::LocalMachine, rig.key));
  EXPECT_EQ(rig.Stored(RegistryRoot::CurrentUser), (Texts{"1=C:\\Users\\me\\keys.qnp"}));
  EXPECT_EQ(rig.recent.FindRecentPath("KEYS.QNP"), "C:\\Users\\me\\keys.qnp");
}

TEST(RecentFiles, BothRootsAreReadTheWrittenOneOnTopAndAPathOnce) {
  Rig rig;
  rig.recent.LoadRecentFiles();
  rig.recent.AddRecentFile("C:\\shared\\s.qnp");
  rig.recent.AddRecentFile("C:\\admin\\a.qnp");  // an elevated run's list
  rig.registry.SetWritable(RegistryRoot::LocalMachine, false);
  TRecentFiles user{rig.registry, rig.menu};
  rig.menu.items.resize(3);
  user.LoadRecentFiles();
  EXPECT_EQ(rig.menu.Entries(), (Texts{"S.QNP", "A.QNP"}));
  user.AddRecentFile("C:\\me\\b.qnp");
  user.AddRecentFile("c:\\SHARED\\S.qnp");
  EXPECT_EQ(rig.Stored(RegistryRoot::CurrentUser),
            (Texts{"1=c:\\SHARED\\S.qnp", "2=C:\\me\\b.qnp"}));
  rig.menu.items.resize(3);
  user.LoadRecentFiles();  // the user's own list ends on top; s.qnp from there only
  EXPECT_EQ(rig.menu.Entries(), (Texts{"B.QNP", "S.QNP", "A.QNP"}));
  EXPECT_EQ(user.FindRecentPath("A.QNP"), "C:\\admin\\a.qnp");
  EXPECT_EQ(user.FindRecentPath("S.QNP"), "c:\\SHARED\\S.qnp");
}

TEST(RecentFiles, RegistryFailuresAndForeignValues) {
  Rig rig;
  rig.recent.LoadRecentFiles();
  rig.registry.SetFailWrites(true);
  try {
    rig.recent.AddRecentFile("C:\\a.qnp");
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for '1'");
  }
  EXPECT_TRUE(rig.menu.Entries().empty());  // the store failed first
  rig.registry.SetFailWrites(false);
  platform::RegistryKey k = rig.registry.OpenKey(RegistryRoot::LocalMachine, rig.key);
  rig.registry.WriteDword(k, "1", 5);
  rig.registry.CloseKey(k);
  EXPECT_THROW(rig.recent.FindRecentPath("A.QNP"), Error);
}

}  // namespace
}  // namespace zv
