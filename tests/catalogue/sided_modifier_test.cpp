// Generic Shift, Ctrl and Alt codes become the sided codes by the live state of the left key.
#include <gtest/gtest.h>

#include "catalogue/key_catalogue.h"
#include "platform/fake/fake_key_state.h"

namespace zv {
namespace {

int Sided(int code, std::initializer_list<int> down) {
  fake::FakeKeyState keys;
  for (int key : down) keys.Press(key);
  return SidedModifierCode(code, keys);
}

TEST(SidedModifierCode, LeftKeyDownGivesTheLeftCode) {
  EXPECT_EQ(Sided(16, {160}), 160);
  EXPECT_EQ(Sided(17, {162}), 162);
  EXPECT_EQ(Sided(18, {164}), 164);
}

TEST(SidedModifierCode, OtherwiseTheRightCode) {
  EXPECT_EQ(Sided(17, {163}), 163);
  EXPECT_EQ(Sided(16, {161}), 161);
  EXPECT_EQ(Sided(18, {}), 165);
  // Only the matching left key counts, not the generic code or another modifier.
  EXPECT_EQ(Sided(16, {16, 162, 164}), 161);
  EXPECT_EQ(Sided(17, {17, 160}), 163);
}

TEST(SidedModifierCode, BothKeysDownGivesTheLeftOne) {
  EXPECT_EQ(Sided(16, {160, 161}), 160);
  EXPECT_EQ(Sided(18, {164, 165}), 164);
}

TEST(SidedModifierCode, OtherCodesPassUnchangedWithoutAsking) {
  fake::FakeKeyState keys;
  keys.Press(160);
  for (int code : {65, 160, 161, 15, 19, 0, -1, 603})
    EXPECT_EQ(SidedModifierCode(code, keys), code);
  EXPECT_EQ(keys.queries, 0);
}

}  // namespace
}  // namespace zv
