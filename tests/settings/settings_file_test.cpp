#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "platform/fake/fake_files.h"
#include "tests/settings/ini_lines.h"

namespace zv {
namespace {
using testing_settings::Lines;

const char* const kPath = "C:\\zv\\Keydat.qnp";

class SettingsFileTest : public ::testing::Test {
 protected:
  fake::FakeFiles files;
  SettingsFile file{files, kPath};
};

using SettingsCache = SettingsFileTest;

TEST_F(SettingsCache, AnUnchangedFileIsReadOnce) {
  files.Put(kPath, Lines({"[DisableKey]", "Index=1", "KeyCode1=65"}));
  for (int i = 0; i < 50; ++i) {
    EXPECT_EQ(file.ReadString("DisableKey", "KeyCode1", "0"), "65");
    EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "Index"), 1);
  }
  EXPECT_EQ(files.reads, 1);
}

TEST_F(SettingsCache, AnotherWriterIsSeenByTheNextRead) {
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "B");
  files.Put(kPath, Lines({"[SwapKey]", "A=C"}));  // the same size as before
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "C");
  files.Put(kPath, Lines({"[SwapKey]", "A=Tab"}));
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "Tab");
}

TEST_F(SettingsCache, ADeletedFileReadsAsEmptyAndTheNextWriteCreatesIt) {
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  EXPECT_TRUE(file.ValueExists("SwapKey", "A"));
  files.Delete(kPath);
  EXPECT_FALSE(file.ValueExists("SwapKey", "A"));
  EXPECT_TRUE(file.ReadSections().empty());
  file.WriteString("DisableKey", "Index", "0");
  EXPECT_EQ(files.Get(kPath), Lines({"[DisableKey]", "Index=0"}));
}

TEST_F(SettingsCache, OwnWritesAreSeenWithoutReadingTheFileAgain) {
  file.WriteString("SwapKey", "A", "B");
  file.WriteString("SwapKey", "C", "D");
  EXPECT_EQ(file.ReadString("SwapKey", "A", "-"), "B");
  EXPECT_EQ(file.ReadSection("SwapKey"), (std::vector<std::string>{"A", "C"}));
  EXPECT_EQ(files.reads, 0);
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=B", "C=D"}));
}

TEST_F(SettingsCache, OneLookServesOneTextUntilItEnds) {
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  {
    SettingsFile::OneLook look(file);
    files.Put(kPath, Lines({"[SwapKey]", "A=C"}));
    EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "B");
    // A write inside the look starts from the file as it is, and is seen at once.
    file.WriteString("SwapKey", "D", "E");
    EXPECT_EQ(file.ReadString("SwapKey", "D", "Null"), "E");
  }
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=C", "D=E"}));
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "C");
}

TEST_F(SettingsCache, AWriteStartsFromWhatAnotherWriterLeft) {
  file.WriteString("SwapKey", "A", "B");
  files.Put(kPath, Lines({"[SwapKey]", "A=B", "X=Y"}));
  file.WriteString("SwapKey", "C", "D");
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=B", "X=Y", "C=D"}));
}

TEST_F(SettingsCache, TwoObjectsOnOneFileSeeEachOthersWrites) {
  SettingsFile other(files, kPath);
  file.WriteString("s", "k", "1");
  EXPECT_EQ(other.ReadString("s", "k", "-"), "1");
  other.WriteString("s", "k", "22");
  EXPECT_EQ(file.ReadString("s", "k", "-"), "22");
  file.DeleteKey("s", "k");
  EXPECT_FALSE(other.ValueExists("s", "k"));
}

TEST_F(SettingsCache, VersionChangesExactlyWhenTheContentDoes) {
  std::uint64_t v0 = file.Version();
  EXPECT_EQ(file.Version(), v0);
  file.WriteString("s", "k", "1");
  std::uint64_t v1 = file.Version();
  EXPECT_NE(v1, v0);
  file.WriteString("s", "k", "1");  // no change
  EXPECT_EQ(file.Version(), v1);
  files.Put(kPath, files.Get(kPath));  // touched, same bytes
  EXPECT_EQ(file.Version(), v1);
  files.Put(kPath, Lines({"[s]", "k=2"}));
  std::uint64_t v2 = file.Version();
  EXPECT_NE(v2, v1);
  files.Delete(kPath);
  EXPECT_NE(file.Version(), v2);
}

TEST_F(SettingsCache, AWriteThatChangesNothingLeavesTheFileAlone) {
  file.WriteString("s", "k", "1");
  int before = files.replaces;
  file.WriteString("S", "K", " 1 ");
  file.DeleteKey("s", "missing");
  file.EraseSection("missing");
  EXPECT_EQ(files.replaces, before);
}

using SettingsWrites = SettingsFileTest;

TEST_F(SettingsWrites, ARefusedWriteFailsWithThePathAndEarlierWritesStay) {
  file.WriteString("s", "first", "1");
  files.SetReadOnly(kPath, true);
  try {
    file.WriteString("s", "second", "2");
    FAIL() << "the write should have failed";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to C:\\zv\\Keydat.qnp");
  }
  EXPECT_FALSE(file.ValueExists("s", "second"));  // not even in the cache
  EXPECT_EQ(file.ReadString("s", "first", "-"), "1");
  EXPECT_EQ(files.Get(kPath), Lines({"[s]", "first=1"}));
  file.DeleteKey("s", "first");  // never reports a failure
  file.EraseSection("s");
  EXPECT_EQ(file.ReadString("s", "first", "-"), "1");
  files.SetReadOnly(kPath, false);
  file.WriteString("s", "second", "2");
  EXPECT_EQ(files.Get(kPath), Lines({"[s]", "first=1", "second=2"}));
}

TEST_F(SettingsWrites, AKeyNameTheFileCannotHoldIsRefusedWithTheWriteFailure) {
  file.WriteString("s", "first", "1");
  try {
    file.WriteString("s", "[Evil]", "1");
    FAIL() << "a key name that would read back as a section must be refused";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to C:\\zv\\Keydat.qnp");
  }
  EXPECT_EQ(files.Get(kPath), Lines({"[s]", "first=1"}));
  EXPECT_EQ(file.ReadSections(), std::vector<std::string>{"s"});
}

// A file that exists but cannot be read (another program holds it) must not be overwritten
// with a text that lacks its content.
class LockedFiles : public fake::FakeFiles {
 public:
  bool locked = false;
  bool Read(const std::string& path, std::string& bytes) override {
    return !locked && FakeFiles::Read(path, bytes);
  }
};

TEST(SettingsUnreadable, AFileThatCannotBeReadIsNeverOverwritten) {
  LockedFiles files;
  SettingsFile file(files, kPath);
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  files.locked = true;
  EXPECT_EQ(file.ReadString("SwapKey", "A", "none"), "none");
  EXPECT_THROW(file.WriteString("Settings", "Sign", "Zorvane"), Error);
  file.DeleteKey("SwapKey", "A");
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=B"}));
  files.locked = false;
  EXPECT_EQ(file.ReadString("SwapKey", "A", "none"), "B");
}

using SettingsValueForms = SettingsFileTest;

TEST_F(SettingsValueForms, StrictReadsTakeDecimalOnlyAndNameTheBadText) {
  files.Put(kPath,
            Lines({"[DisableKey]", "Index=12", "KeyCode1=-1", "KeyCode2=$41", "KeyCode3=6x"}));
  EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "Index"), 12);
  EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "KeyCode1"), -1);
  EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "Missing"), 0);
  try {
    file.ReadIntegerStrict("DisableKey", "KeyCode3");
    FAIL() << "6x is no integer";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "'6x' is not a valid integer value");
  }
  EXPECT_THROW(file.ReadIntegerStrict("DisableKey", "KeyCode2"), Error);
}

TEST_F(SettingsValueForms, LenientReadsTakeHexAndFallBackToTheDefault) {
  files.Put(kPath, Lines({"[Settings]", "a=32817", "b=$8031", "c=0x8031", "d=0X8031", "e=-1",
                          "f=12ab", "g=", "h=$", "i=99999999999", "j=$FFFFFFFF", "k=0x1FFFFFFFF"}));
  EXPECT_EQ(file.ReadInteger("Settings", "a", 7), 32817);
  EXPECT_EQ(file.ReadInteger("Settings", "b", 7), 32817);
  EXPECT_EQ(file.ReadInteger("Settings", "c", 7), 32817);
  EXPECT_EQ(file.ReadInteger("Settings", "d", 7), 32817);
  EXPECT_EQ(file.ReadInteger("Settings", "e", 7), -1);
  for (const char* bad : {"f", "g", "h", "i", "k", "missing"})
    EXPECT_EQ(file.ReadInteger("Settings", bad, 7), 7) << bad;
  EXPECT_EQ(file.ReadInteger("Settings", "j", 7), -1);
}

TEST_F(SettingsValueForms, BooleansAreLenientAndWrittenAsOneOrZero) {
  files.Put(kPath, Lines({"[ShowDiag]", "a=0", "b=2", "c=$0", "d=yes"}));
  EXPECT_FALSE(file.ReadBool("ShowDiag", "a", true));
  EXPECT_TRUE(file.ReadBool("ShowDiag", "b", false));
  EXPECT_FALSE(file.ReadBool("ShowDiag", "c", true));
  EXPECT_TRUE(file.ReadBool("ShowDiag", "d", true));
  EXPECT_FALSE(file.ReadBool("ShowDiag", "d", false));
  file.WriteBool("ShowDiag", "a", true);
  file.WriteBool("ShowDiag", "b", false);
  file.WriteInteger("Settings", "StartHotKey", 32817);
  EXPECT_EQ(files.Get(kPath), Lines({"[ShowDiag]", "a=1", "b=0", "c=$0", "d=yes", "[Settings]",
                                     "StartHotKey=32817"}));
}

}  // namespace
}  // namespace zv
