#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_scheduler.h"
#include "platform/fake/fake_text_codec.h"
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

TEST_F(SettingsCache, TheSnapshotNeverLooksAtTheDiskAndFollowsOwnWritesAndRefreshes) {
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Changed);
  files.Put(kPath, Lines({"[SwapKey]", "A=C"}));  // another program, no refresh yet
  int stamps = files.stamps;
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "Null"), "B");
  std::uint64_t version = file.SnapshotVersion();
  EXPECT_EQ(files.stamps, stamps);
  // A write starts from the file as it is, and the snapshot has the result at once.
  file.WriteString("SwapKey", "D", "E");
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=C", "D=E"}));
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "Null"), "C");
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "D", "Null"), "E");
  EXPECT_NE(file.SnapshotVersion(), version);
  files.Put(kPath, Lines({"[SwapKey]", "A=F"}));
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Changed);
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "Null"), "F");
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Unchanged);
  file.RemoveFile();  // Reset All's delete shows at once too
  EXPECT_FALSE(file.Snapshot().ValueExists("SwapKey", "A"));
}

TEST_F(SettingsCache, ASameSizeEditWithinOneClockTickIsToldByItsBytes) {
  files.SetCoarseClock(true);
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  file.Refresh();
  files.Put(kPath, Lines({"[SwapKey]", "A=C"}));  // same size, same tick: the same stamp
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Changed);
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "Null"), "C");
  file.WriteString("SwapKey", "A", "D");  // our own write in the same tick
  files.Put(kPath, Lines({"[SwapKey]", "A=E"}));
  EXPECT_EQ(file.ReadString("SwapKey", "A", "Null"), "E");
  // Once the clock has moved past the last write, one more read settles it and the stamp
  // alone serves again.
  files.NextTick();
  file.Refresh();
  int reads = files.reads;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Unchanged);
  EXPECT_EQ(files.reads, reads);
}

TEST_F(SettingsCache, AReadThatFailsForAMomentKeepsTheLastGoodText) {
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  file.Refresh();
  files.Put(kPath, Lines({"[SwapKey]", "A=B", "C=D"}));
  files.FailNextReads(2);
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Unreadable);
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "Null"), "B");
  // A write would start from a text that lacks the other program's edit: refused, not lost.
  EXPECT_THROW(file.WriteString("SwapKey", "X", "Y"), Error);
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=B", "C=D"}));
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Changed);
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "C", "Null"), "D");
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

// ReplaceFileA can stop half way; whatever step fails, a reader finds the old or the new text.
TEST(SettingsReplace, AReplaceThatStopsHalfWayNeverLosesTheFile) {
  using How = fake::FakeFiles::SwapFailure;
  const struct {
    How how;
    int moveFailures;
    const char* found;  // what a reader finds afterwards
  } cases[] = {
      {How::kRemoveReplaced, 0, "B"},   {How::kMoveReplacement, 0, "B"},
      {How::kMoveReplacement2, 0, "C"},  // the new file takes the name by a rename
      {How::kMoveReplacement2, 1, "B"},  // that rename fails: the old file goes back
      {How::kMoveReplacement2, 2, "B"},  // so does that one: it waits under the backup name
  };
  for (const auto& c : cases) {
    fake::FakeFiles files;
    files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
    SettingsFile file(files, kPath);
    files.FailNextSwaps(c.how, 1, c.moveFailures);
    if (std::string(c.found) == "C")
      EXPECT_NO_THROW(file.WriteString("SwapKey", "A", "C"));
    else
      EXPECT_THROW(file.WriteString("SwapKey", "A", "C"), Error);  // no scheduler to wait with
    SettingsFile reader(files, kPath);
    EXPECT_EQ(reader.ReadString("SwapKey", "A", "lost"), c.found) << c.moveFailures;
    EXPECT_EQ(files.Exists(std::string(kPath) + ".new"), false);
  }
}

// A held file is not waited for: the write waits in memory and is tried again by timer.
TEST(SettingsReplace, AWriteToAHeldFileIsRetriedByTimerAndGivenUpWithAReport) {
  fake::FakeFiles files;
  fake::FakeScheduler scheduler;
  std::vector<std::string> reports;
  SettingsFile file(files, kPath);
  file.SetScheduler(&scheduler, [&](const std::string& text) { reports.push_back(text); });
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  file.Refresh();
  files.Hold(kPath, true);
  file.WriteString("SwapKey", "A", "C");                            // returns at once
  file.WriteString("SwapKey", "D", "E");                            // joins the waiting write
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "-"), "C");  // in force meanwhile
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Deferred);
  scheduler.Advance(5 * SettingsFile::kWriteRetryMs);
  files.Hold(kPath, false);
  scheduler.Advance(SettingsFile::kWriteRetryMs);
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=C", "D=E"}));
  EXPECT_TRUE(scheduler.Idle());
  // Held for longer: the snapshot goes back to the file, and the failure is told once.
  files.Hold(kPath, true);
  file.WriteString("SwapKey", "A", "F");
  scheduler.RunAll();
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "-"), "C");
  EXPECT_EQ(reports, std::vector<std::string>{"Unable to write to C:\\zv\\Keydat.qnp"});
  // The other program saves the file while a write waits: what it saved is not overwritten.
  file.WriteString("SwapKey", "A", "F");
  files.Put(kPath, Lines({"[SwapKey]", "A=H"}));
  files.Hold(kPath, false);
  scheduler.RunAll();
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=H"}));
  EXPECT_EQ(reports.size(), 2u);
  EXPECT_EQ(file.ReadString("SwapKey", "A", "-"), "H");
  files.Hold(kPath, true);
  // Without a scheduler (the program ends) a waiting write gets one last try.
  file.WriteString("SwapKey", "A", "G");
  files.Hold(kPath, false);
  file.SetScheduler(nullptr);
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=G"}));
}

// A file that exists but cannot be read (another program holds it) must not be overwritten
// with a text that lacks its content.
TEST(SettingsUnreadable, AFileThatCannotBeReadIsNeverOverwritten) {
  fake::FakeFiles files;
  SettingsFile file(files, kPath);
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  files.Hold(kPath, true);
  EXPECT_EQ(file.ReadString("SwapKey", "A", "none"), "none");
  EXPECT_THROW(file.WriteString("Settings", "Sign", "Zorvane"), Error);
  file.DeleteKey("SwapKey", "A");
  EXPECT_EQ(files.Get(kPath), Lines({"[SwapKey]", "A=B"}));
  files.Hold(kPath, false);
  EXPECT_EQ(file.ReadString("SwapKey", "A", "none"), "B");
}

using SettingsEncodings = SettingsFileTest;

TEST_F(SettingsEncodings, AUtf8ByteOrderMarkIsSkippedAndKeptOnWrite) {
  const std::string bom = "\xEF\xBB\xBF";
  files.Put(kPath, bom + Lines({"[DisableKey]", "Index=0", "[Settings]", "Sign=Zorvane"}));
  EXPECT_EQ(file.ReadSections(), (std::vector<std::string>{"DisableKey", "Settings"}));
  EXPECT_EQ(file.ReadIntegerStrict("DisableKey", "Index"), 0);
  file.WriteString("DisableKey", "Index", "1");
  EXPECT_EQ(files.Get(kPath),
            bom + Lines({"[DisableKey]", "Index=1", "[Settings]", "Sign=Zorvane"}));
  files.Put(kPath, Lines({"[DisableKey]", "Index=1"}));  // saved again without the mark
  file.WriteString("DisableKey", "Index", "2");
  EXPECT_EQ(files.Get(kPath), Lines({"[DisableKey]", "Index=2"}));
}

TEST_F(SettingsEncodings, ALineNotInUtf8IsReadInTheUsersAnsiCodePageAndWrittenBackAsUtf8) {
  fake::FakeTextCodec ansi;
  SettingsFile local(files, kPath, &ansi);
  files.Put(kPath,
            "[TypeText1]\r\nParameter=caf\xE9 \x80"
            "5\r\n[TypeText2]\r\nParameter=café €5\r\n");
  EXPECT_EQ(local.ReadString("TypeText1", "Parameter", ""), "café €5");
  EXPECT_EQ(local.ReadString("TypeText2", "Parameter", ""), "café €5");  // UTF-8 as it is
  local.WriteString("SwapKey", "A", "B");
  EXPECT_EQ(files.Get(kPath), Lines({"[TypeText1]", "Parameter=café €5", "[TypeText2]",
                                     "Parameter=café €5", "[SwapKey]", "A=B"}));
}

TEST_F(SettingsEncodings, AUtf16FileIsRefusedByNameAndNeverOverwritten) {
  files.Put(kPath, Lines({"[SwapKey]", "A=B"}));
  file.Refresh();
  std::string utf16("\xFF\xFE[\0S\0]\0\r\0\n\0", 12);
  files.Put(kPath, utf16);
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Refused);
  const std::string message =
      "Unable to read C:\\zv\\Keydat.qnp: the file is saved as Unicode (UTF-16). Save it as ANSI "
      "or UTF-8.";
  EXPECT_EQ(file.refusal(), message);
  EXPECT_EQ(file.Snapshot().ReadString("SwapKey", "A", "Null"), "B");  // the last good text
  try {
    file.WriteString("SwapKey", "C", "D");
    FAIL() << "a UTF-16 file must not be written over";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
  file.DeleteKey("SwapKey", "A");
  EXPECT_EQ(files.Get(kPath), utf16);
  files.Put(kPath, Lines({"[SwapKey]", "A=C"}));  // saved as ANSI
  EXPECT_EQ(file.Refresh(), SettingsFile::Refreshed::Changed);
  EXPECT_TRUE(file.refusal().empty());
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
