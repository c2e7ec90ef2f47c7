// The settings file on real files: what another program writes (Windows' own profile
// functions) is seen at the next read, refused writes give the exact message, and the mapping
// store produces the same bytes as Windows' functions would.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/error.h"
#include "platform/win32/win32_files.h"
#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "tests/settings/ini_lines.h"
#include "tests/settings_win32/windows_profile.h"
#include "tests/win32/temp_folder.h"

namespace zv {
namespace {
using testing_settings::Lines;

class SettingsFileOnDisk : public ::testing::Test {
 protected:
  // File times move in ticks of the system clock; another program's write in a later tick than
  // our last look is what the stamp can tell apart.
  static void NextTick() { Sleep(30); }

  testing_win32::TempFolder folder;
  win32::Win32Files files;
  std::string path = folder.Path("Keydat.qnp");
  SettingsFile file{files, path};
  testing_win32::WindowsProfile other{path};
};

TEST_F(SettingsFileOnDisk, AnotherProgramsWritesAreSeenByTheNextRead) {
  file.WriteString("SwapKey", "A", "B");
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "B");
  NextTick();
  other.Write("SwapKey", "A", "C");  // same size, written in place
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "C");
  NextTick();
  other.Write("SwapKey", "Tab", "Enter");
  EXPECT_EQ(file.ReadSection("SwapKey"), (std::vector<std::string>{"A", "Tab"}));
  NextTick();
  file.WriteString("SwapKey", "X", "Y");  // starts from the other program's text
  EXPECT_EQ(other.Read("SwapKey", "Tab", "-"), "Enter");
  EXPECT_EQ(other.Read("SwapKey", "X", "-"), "Y");
}

TEST_F(SettingsFileOnDisk, ADeletedFileReadsAsEmpty) {
  file.WriteString("DisableKey", "Index", "1");
  EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "Index"), 1);
  ASSERT_TRUE(file.RemoveFile());
  EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "Index"), 0);
  ResetSettingsFile(file);
  EXPECT_EQ(testing_win32::FileBytes(path), Lines({"[DisableKey]", "Index=0"}));
}

TEST_F(SettingsFileOnDisk, AReadOnlyFileRefusesWithItsPathAndKeepsEarlierWrites) {
  file.WriteString("Settings", "Sign", "Zorvane");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  try {
    StoreMapping(file, "A", "DisableKey", " ");
    FAIL() << "the file is read-only";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(testing_win32::FileBytes(path), Lines({"[Settings]", "Sign=Zorvane"}));
  EXPECT_FALSE(file.ValueExists("SwapKey", "A"));
}

TEST_F(SettingsFileOnDisk, AWriteLeavesNoTemporaryFileBehind) {
  for (int i = 0; i < 5; ++i) file.WriteInteger("Settings", "StartHotKey", 32817 + i);
  WIN32_FIND_DATAA found;
  HANDLE h = FindFirstFileA(folder.Path("*").c_str(), &found);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  std::vector<std::string> names;
  do {
    if (found.cFileName[0] != '.') names.push_back(found.cFileName);
  } while (FindNextFileA(h, &found));
  FindClose(h);
  EXPECT_EQ(names, std::vector<std::string>{"Keydat.qnp"});
}

TEST_F(SettingsFileOnDisk, TheDocumentedExampleFileIsProducedByteForByte) {
  PrepareSettingsFile(file);
  StoreMapping(file, "A", "DisableKey", " ");
  StoreMapping(file, "F1", "TypeText", "hello");
  EXPECT_EQ(testing_win32::FileBytes(path),
            Lines({"[DisableKey]", "Index=2", "KeyCode1=65", "KeyCode2=112", "[Settings]",
                   "Sign=Zorvane", "TypeTextCount=1", "[SwapKey]", "A=DisableKey", "F1=TypeText1",
                   "[SwapScrKeyCode]", "A=65", "F1=112", "[TypeText1]", "Parameter=hello"}));
  EXPECT_TRUE(IsSettingsFile(files, path));
}

TEST_F(SettingsFileOnDisk, WindowsReadsWhatTheMappingStoreWrote) {
  PrepareSettingsFile(file);
  for (const char* key : {"X", "Y", "Z", ";", "="}) StoreMapping(file, key, "TypeText", key);
  RemoveMapping(file, "X");
  NextTick();
  EXPECT_EQ(other.Read("SwapKey", "Z", "-"), "TypeText3");
  EXPECT_EQ(other.Read("SwapKey", "%3D", "-"), "TypeText1");  // the last section moved
  EXPECT_EQ(other.Read("TypeText1", "Parameter", "-"), "=");
  EXPECT_EQ(other.Read("Settings", "TypeTextCount", "-"), "4");
  EXPECT_EQ(other.Read("DisableKey", "Index", "-"), "4");
  // The escaped names are ordinary keys to Windows.
  EXPECT_EQ(other.Read("SwapKey", "%3B", "-"), "TypeText4");
  EXPECT_EQ(other.Keys("SwapScrKeyCode"), (std::vector<std::string>{"Y", "Z", "%3B", "%3D"}));
}

}  // namespace
}  // namespace zv
