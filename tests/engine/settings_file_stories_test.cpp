// Key stories over a settings file as Windows leaves it: saved with a byte-order mark, edited
// by another program while it is held, edited twice within one tick of the file clock.
#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

class SettingsFileStories : public ::testing::Test {
 protected:
  SettingsFileStories() { rig.hook.InstallKeyHook(); }
  void TearDown() override {
    EXPECT_FALSE(rig.input.anyKeyDown());
    EXPECT_TRUE(rig.errors.texts.empty());
  }
  EngineRig rig;
};

TEST_F(SettingsFileStories, AFileSavedWithAByteOrderMarkKeepsItsFirstSection) {
  // Notepad on older Windows saves UTF-8 with a mark; the intercepted list comes first.
  rig.WriteFile("\xEF\xBB\xBF[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=B\r\n");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  rig.Map("C", "D");
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +D -D");
  EXPECT_EQ(rig.files.Get(EngineRig::kPath).substr(0, 3), "\xEF\xBB\xBF");
}

TEST_F(SettingsFileStories, AReadThatFailsForAMomentKeepsTheMappingsInForce) {
  rig.Map("A", "B");
  // Another program adds C = D and still holds the file when the notification arrives.
  std::string edited = rig.files.Get(EngineRig::kPath);
  edited.replace(edited.find("Index=1"), 7, "Index=2\r\nKeyCode2=67");
  edited.replace(edited.find("A=B"), 3, "A=B\r\nC=D");
  rig.files.Hold(EngineRig::kPath, true);
  rig.WriteFile(edited);
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +C -C");
  rig.files.Hold(EngineRig::kPath, false);
  rig.scheduler.Advance(SettingsWatch::kRetryMs);  // the look is tried again shortly
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +D -D");
}

TEST_F(SettingsFileStories, AnEditIsInForceFromTheNotificationOn) {
  rig.files.SetCoarseClock(true);
  rig.WriteFile("[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=B\r\n");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  // The same size within the same tick: the stamp stays, the bytes tell.
  rig.files.Put(EngineRig::kPath, "[DisableKey]\r\nIndex=1\r\nKeyCode1=65\r\n[SwapKey]\r\nA=C\r\n");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");  // not before the notification: no disk in the hook
  rig.Notify();
  EXPECT_EQ(rig.run("+A -A"), "+C -C");
}

// The intercepted codes are worked out when the file changes, never inside the hook, and cost
// the entries the file holds, whatever its "Index" says.
TEST_F(SettingsFileStories, AHandEditedIndexCostsOnlyTheEntriesThatExist) {
  rig.WriteFile("[DisableKey]\r\nIndex=abc\r\n");
  ASSERT_EQ(rig.errors.texts.size(), 1u);  // reported as the file is taken in, before any key
  EXPECT_EQ(rig.errors.texts[0], "'abc' is not a valid integer value");
  rig.errors.texts.clear();
  for (const char* index : {"2000000000", "2147483647"}) {
    rig.WriteFile(std::string("[disablekey]\r\nIndex=") + index +
                  "\r\nKeyCode1=65\r\nkeycode7=67\r\nKeyCode01=68\r\n[swapkey]\r\nA=B\r\nc=E\r\n"
                  "[SwapScrKeyCode]\r\nC=67\r\n");
    EXPECT_EQ(rig.run("+A -A +C -C +D -D"), "+B -B +E -E +D -D");
  }
  rig.Unmap("C");  // the editor's removal walks the same entries
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +C -C");
}

}  // namespace
}  // namespace zv::testing_engine
