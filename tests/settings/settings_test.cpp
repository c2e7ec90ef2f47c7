#include "settings/settings.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "platform/fake/fake_files.h"
#include "settings/mapping_store.h"
#include "tests/settings/ini_lines.h"

namespace zv {
namespace {
using testing_settings::Lines;

const char* const kPath = "C:\\Program Files\\Zorvane\\Keydat.qnp";

class SettingsTest : public ::testing::Test {
 protected:
  fake::FakeFiles files;
  SettingsFile file{files, kPath};
};

TEST(SettingsPath, IsTheExecutablesFolderAndKeydat) {
  EXPECT_EQ(SettingsPathFor("C:\\Program Files\\Zorvane\\zorvane.exe"), kPath);
  EXPECT_EQ(SettingsPathFor("zorvane.exe"), "Keydat.qnp");
}

using SettingsValues = SettingsTest;

TEST_F(SettingsValues, AMissingSettingReadsAsZero) {
  EXPECT_EQ(ReadSetting(file, "Settings", "Hotkey"), "0");
  WriteSetting(file, "Settings", "Hotkey", "1");
  EXPECT_EQ(ReadSetting(file, "settings", "HOTKEY"), "1");
}

TEST_F(SettingsValues, TipFlagsAreShownUntilSwitchedOff) {
  EXPECT_TRUE(ReadTipFlag(file, "ChangeSuc"));
  WriteTipFlag(file, "ChangeSuc", false);
  EXPECT_FALSE(ReadTipFlag(file, "ChangeSuc"));
  EXPECT_EQ(files.Get(kPath), Lines({"[ShowDiag]", "ChangeSuc=0"}));
  WriteTipFlag(file, "ChangeSuc", true);
  EXPECT_TRUE(ReadTipFlag(file, "ChangeSuc"));
}

using SettingsSignature = SettingsTest;

TEST_F(SettingsSignature, OnlyTheExactProductNameMarksASettingsFile) {
  const std::string other = "C:\\copies\\other.qnp";
  EXPECT_FALSE(IsSettingsFile(files, other));  // missing file
  files.Put(other, Lines({"[Settings]", "Sign=zorvane"}));
  EXPECT_FALSE(IsSettingsFile(files, other));
  files.Put(other, Lines({"[Settings]", "Hotkey=1"}));
  EXPECT_FALSE(IsSettingsFile(files, other));
  files.Put(other, Lines({"[SETTINGS]", "SIGN = \"Zorvane\""}));
  EXPECT_TRUE(IsSettingsFile(files, other));
}

using SettingsStartUp = SettingsTest;

TEST_F(SettingsStartUp, AFirstStartCreatesIndexThenSign) {
  PrepareSettingsFile(file);
  EXPECT_EQ(files.Get(kPath), Lines({"[DisableKey]", "Index=0", "[Settings]", "Sign=Zorvane"}));
  EXPECT_TRUE(IsSettingsFile(file));
}

TEST_F(SettingsStartUp, AnExistingListIsLeftAsItIs) {
  std::string text =
      Lines({"[Settings]", "Sign=Zorvane", "[DisableKey]", "Index=1", "KeyCode1=65"});
  files.Put(kPath, text);
  int before = files.replaces;
  PrepareSettingsFile(file);
  EXPECT_EQ(files.Get(kPath), text);
  EXPECT_EQ(files.replaces, before);
}

TEST_F(SettingsStartUp, AFailingWriteStopsTheStartUp) {
  files.Put(kPath, "");
  files.SetReadOnly(kPath, true);
  EXPECT_THROW(PrepareSettingsFile(file), Error);
  EXPECT_EQ(files.Get(kPath), "");
}

using SettingsReset = SettingsTest;

TEST_F(SettingsReset, ResetAllLeavesOnlyAnEmptyList) {
  PrepareSettingsFile(file);
  StoreMapping(file, "A", "TypeText", "hi");
  WriteTipFlag(file, "ChangeSuc", false);
  ResetSettingsFile(file);
  EXPECT_EQ(files.Get(kPath), Lines({"[DisableKey]", "Index=0"}));
  EXPECT_FALSE(IsSettingsFile(files, kPath));
  EXPECT_FALSE(file.ValueExists("SwapKey", "A"));
  EXPECT_TRUE(ReadTipFlag(file, "ChangeSuc"));
}

TEST_F(SettingsReset, ResetAllWorksWithoutAFile) {
  ResetSettingsFile(file);
  EXPECT_EQ(files.Get(kPath), Lines({"[DisableKey]", "Index=0"}));
}

TEST_F(SettingsReset, ACopySavedAfterResetIsNoSettingsFile) {
  PrepareSettingsFile(file);
  ResetSettingsFile(file);
  ASSERT_TRUE(files.Copy(kPath, "C:\\copy.qnp"));
  EXPECT_FALSE(IsSettingsFile(files, "C:\\copy.qnp"));
}

TEST_F(SettingsStartUp, FirstStartThenTwoMappingsGivesTheDocumentedFile) {
  PrepareSettingsFile(file);
  StoreMapping(file, "A", "DisableKey", " ");
  StoreMapping(file, "F1", "TypeText", "hello");
  EXPECT_EQ(files.Get(kPath),
            Lines({"[DisableKey]", "Index=2", "KeyCode1=65", "KeyCode2=112", "[Settings]",
                   "Sign=Zorvane", "TypeTextCount=1", "[SwapKey]", "A=DisableKey", "F1=TypeText1",
                   "[SwapScrKeyCode]", "A=65", "F1=112", "[TypeText1]", "Parameter=hello"}));
}

}  // namespace
}  // namespace zv
