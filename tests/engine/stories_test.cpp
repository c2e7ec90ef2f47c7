// Whole key stories through the hook, the dispatcher and the fake input, which brings every
// injected event back through the hook as Windows does.
#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {
namespace {

class StoriesTest : public ::testing::Test {
 protected:
  StoriesTest() { rig.hook.InstallKeyHook(); }
  void TearDown() override {
    EXPECT_EQ(rig.TempCode(), 0);
    EXPECT_FALSE(rig.input.anyKeyDown());
    EXPECT_TRUE(rig.errors.texts.empty());
  }
  EngineRig rig;
};

TEST_F(StoriesTest, OneKeyToAnother) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  EXPECT_EQ(rig.run("+A +A +A -A"), "+B +B +B -B");  // auto-repeat
  EXPECT_EQ(rig.run("+C -C"), "+C -C");              // unmapped keys pass untouched
}

TEST_F(StoriesTest, SwappedPairDoesNotLoop) {
  rig.Map("A", "B");
  rig.Map("B", "A");
  EXPECT_EQ(rig.run("+A -A +B -B"), "+B -B +A -A");
  EXPECT_EQ(rig.run("+A +B -A -B"), "+B +A -B -A");
}

TEST_F(StoriesTest, ChainsAreNotFollowed) {
  rig.Map("A", "B");
  rig.Map("B", "C");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
}

TEST_F(StoriesTest, DisabledKeyProducesOnlyVirtualKeyZero) {
  rig.Map("A", "DisableKey");
  EXPECT_EQ(rig.run("+A -A"), "+Null -Null");
}

TEST_F(StoriesTest, ModifiersStayHeldAroundTheTarget) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+LShift +A -A -LShift"), "+LShift +B -B -LShift");
  EXPECT_EQ(rig.run("+LCtrl +A -LCtrl -A"), "+LCtrl +B -LCtrl -B");
  EXPECT_EQ(rig.run("+LAlt +^A -^A -LAlt"), "+LAlt +B -B -LAlt");
}

TEST_F(StoriesTest, PhysicalVolumeKeyMappedUnderItsListName) {
  rig.WriteFile("[DisableKey]\r\nIndex=1\r\nKeyCode1=175\r\n[SwapKey]\r\nVolume Up=F5\r\n");
  EXPECT_EQ(rig.run("+VolUp -VolUp +VolDown -VolDown"), "+F5 -F5 +VolDown -VolDown");
}

TEST_F(StoriesTest, KeyEventsNeverTouchTheDisk) {
  // The hook and the dispatcher decide from the settings file's snapshot in memory.
  rig.Map("A", "B");
  rig.files.stamps = rig.files.reads = 0;
  EXPECT_EQ(rig.run("+A -A +C -C"), "+B -B +C -C");
  EXPECT_EQ(rig.files.stamps, 0);
  EXPECT_EQ(rig.files.reads, 0);
}

TEST_F(StoriesTest, EditsApplyAtTheNextKey) {
  rig.Map("A", "B");
  EXPECT_EQ(rig.run("+A -A"), "+B -B");
  rig.WriteFile(rig.files.Get(EngineRig::kPath) + "[SwapKey]\r\n");  // no-op edit
  rig.Unmap("A");
  EXPECT_EQ(rig.run("+A -A"), "+A -A");
  rig.Map("A", "C");
  EXPECT_EQ(rig.run("+A"), "+C");
  rig.Unmap("A");                     // while held: the program releases what it pressed
  EXPECT_EQ(rig.run("-A"), "-A -C");  // the physical up goes on before the queued -C
}

TEST_F(StoriesTest, BurstsOfInjectedKeysAreAllTheProgramsOwn) {
  TypingActions typing(rig.dispatcher);
  rig.dispatcher.SetActionRunner(&typing);
  rig.Map("A", "TypeText", "ABBA");
  rig.Map("B", "C");
  EXPECT_EQ(rig.run("+A -A"), "+A -A +B -B +B -B +A -A");
}

}  // namespace
}  // namespace zv::testing_engine
