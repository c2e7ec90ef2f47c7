// The settings file's snapshot following other programs' edits: the folder watcher's thread
// only signals, the look runs as posted work on the main thread, a held file is tried again by
// timer, and a refused file is reported once.
#include "settings/settings_watch.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_files.h"
#include "platform/fake/fake_folder_watcher.h"
#include "platform/fake/fake_scheduler.h"
#include "tests/settings/ini_lines.h"

namespace zv {
namespace {
using testing_settings::Lines;

const char* const kPath = "C:\\zv\\Keydat.qnp";

class SettingsWatchTest : public ::testing::Test {
 protected:
  SettingsWatchTest() { files.Put(kPath, Lines({"[SwapKey]", "A=B"})); }
  std::string A() { return file.Snapshot().ReadString("SwapKey", "A", "Null"); }

  fake::FakeFiles files;
  fake::FakeFolderWatcher watcher;
  fake::FakeScheduler scheduler;
  SettingsFile file{files, kPath};
  std::vector<std::string> reports;
  SettingsWatch watch{file, watcher, scheduler,
                      [this](const std::string& text) { reports.push_back(text); }};
};

TEST_F(SettingsWatchTest, AnEditIsInForceOnceTheMainThreadRunsThePostedLook) {
  ASSERT_TRUE(watch.Start());
  EXPECT_EQ(watcher.folder(), "C:\\zv");
  EXPECT_EQ(A(), "B");  // the first look is taken at the start
  files.Put(kPath, Lines({"[SwapKey]", "A=C"}));
  int reads = files.reads;
  for (int i = 0; i < 3; ++i) watcher.Fire();  // a burst of notifications: one look
  EXPECT_EQ(A(), "B");                         // the watcher's thread touched nothing
  scheduler.RunPending();
  EXPECT_EQ(A(), "C");
  EXPECT_EQ(files.reads, reads + 1);
  watcher.Fire();  // another file of the folder changed: a stamp check, no read
  scheduler.RunPending();
  EXPECT_EQ(files.reads, reads + 1);
  EXPECT_TRUE(scheduler.Idle());
}

TEST_F(SettingsWatchTest, AHeldFileIsTriedAgainUntilItCanBeRead) {
  watch.Start();
  files.Hold(kPath, true);
  files.Put(kPath, Lines({"[SwapKey]", "A=D"}));
  watcher.Fire();
  scheduler.RunPending();
  EXPECT_EQ(A(), "B");  // the last good snapshot stays in force
  scheduler.Advance(SettingsWatch::kRetryMs * SettingsWatch::kRetriesSoon);
  EXPECT_EQ(A(), "B");
  EXPECT_EQ(scheduler.PendingTimers(), 1u);  // still trying, at a slower pace
  files.Hold(kPath, false);
  scheduler.Advance(SettingsWatch::kRetryLaterMs);
  EXPECT_EQ(A(), "D");
  EXPECT_TRUE(scheduler.Idle());
  // A notification while a retry is due takes its place.
  files.FailNextReads(1);
  files.Put(kPath, Lines({"[SwapKey]", "A=E"}));
  watcher.Fire();
  scheduler.RunPending();
  watcher.Fire();
  scheduler.RunPending();
  EXPECT_EQ(A(), "E");
  EXPECT_TRUE(scheduler.Idle());
  // A notification in the middle of our own batch of writes (a message box of the editor lets
  // the message loop run) is looked at again once the batch has ended.
  {
    SettingsFile::Batch batch(file);
    files.Put(kPath, Lines({"[SwapKey]", "A=F"}));
    watcher.Fire();
    scheduler.RunPending();
    EXPECT_EQ(A(), "E");
  }
  scheduler.Advance(SettingsWatch::kRetryMs);
  EXPECT_EQ(A(), "F");
  EXPECT_TRUE(reports.empty());
}

TEST_F(SettingsWatchTest, ARefusedFileIsReportedOnceAndTheWatchStopsWithItsOwner) {
  {
    SettingsWatch second(file, watcher, scheduler,
                         [this](const std::string& text) { reports.push_back(text); });
    second.Start();
    files.Put(kPath, std::string("\xFF\xFE[\0S\0]\0", 8));
    watcher.Fire();
    scheduler.RunPending();
    watcher.Fire();
    scheduler.RunPending();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(kPath), std::string::npos);
    EXPECT_EQ(A(), "B");
    watcher.Fire();  // its look is still posted when the watch goes
  }
  EXPECT_FALSE(watcher.watching());
  scheduler.RunPending();
  EXPECT_EQ(reports.size(), 1u);
  watcher.watchable = false;
  EXPECT_FALSE(watch.Start());
  EXPECT_EQ(A(), "B");
}

TEST(FolderOfTest, ARootKeepsItsSeparator) {
  // "E:" alone would be the current folder of drive E, not the folder the program runs from.
  const std::pair<const char*, const char*> cases[] = {{"E:\\Keydat.qnp", "E:\\"},
                                                       {"\\Keydat.qnp", "\\"},
                                                       {"C:\\zv\\Keydat.qnp", "C:\\zv"},
                                                       {"Keydat.qnp", "."}};
  for (const auto& c : cases) EXPECT_EQ(FolderOf(c.first), c.second) << c.first;
}

}  // namespace
}  // namespace zv
