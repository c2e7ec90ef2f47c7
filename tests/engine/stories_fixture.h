#pragma once
// The fixture of the key stories: the engine with its hook installed, and the invariants every
// story keeps, checked once after it (nothing left pressed, "TempCode" back to 0, no error).
#include <gtest/gtest.h>

#include "tests/engine/engine_rig.h"

namespace zv::testing_engine {

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

}  // namespace zv::testing_engine
