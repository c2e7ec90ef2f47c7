// The editor's port to Windows' key map: a write refused for lack of rights comes back with the
// value it meant to store, which the elevated writer then stores.
#include "ui/registry_scancode_map.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/fake/fake_registry.h"
#include "scancode/scancode_map.h"

namespace zv {
namespace {

using platform::RegistryRoot;
using Rows = std::vector<std::string>;

TEST(RegistryScancodeMapPort, ARefusedWriteIsHandedOnWholeToTheElevatedWriter) {
  fake::FakeRegistry reg;
  reg.CloseKey(reg.CreateKey(RegistryRoot::LocalMachine, kScancodeMapKeyPath));
  std::vector<std::string> elevated;
  // Stands for the program started elevated: it may write where the user may not.
  RegistryScancodeMap port(reg, [&](const std::string& hex) {
    elevated.push_back(hex);
    reg.SetWritable(RegistryRoot::LocalMachine, true);
    hex.empty() ? DeleteScancodeMap(reg) : WriteScancodeMap(reg, hex);
    reg.SetWritable(RegistryRoot::LocalMachine, false);
    return ElevatedResult::kDone;
  });

  ScancodeWrite write = port.Add("A", "B");
  EXPECT_FALSE(write.denied);
  reg.SetWritable(RegistryRoot::LocalMachine, false);
  write = port.Add("Caps Lock", "Left Ctrl");
  ASSERT_TRUE(write.denied);
  EXPECT_EQ(port.List(), (Rows{"B@A"}));  // nothing stored yet, but still readable
  EXPECT_EQ(port.WriteElevated(write.hex), ElevatedResult::kDone);
  EXPECT_EQ(port.List(), (Rows{"B@A", "Left Ctrl@Caps Lock"}));

  write = port.Remove("A", "B");
  ASSERT_TRUE(write.denied);
  EXPECT_EQ(port.WriteElevated(write.hex), ElevatedResult::kDone);
  EXPECT_EQ(port.List(), (Rows{"Left Ctrl@Caps Lock"}));
  EXPECT_EQ(elevated.size(), 2u);

  const ScancodeWrite reset = port.DeleteAll();
  EXPECT_TRUE(reset.denied);
  EXPECT_EQ(reset.hex, "");  // the deletion, for the elevated writer
  EXPECT_EQ(port.List().size(), 1u);
  // Not a matter of rights: thrown, not handed on.
  EXPECT_THROW(port.Add("Menu", "B"), Error);
  reg.Plant(RegistryRoot::LocalMachine, kScancodeMapKeyPath, kScancodeMapValueName,
            platform::RegistryType::Dword, {1, 0, 0, 0});
  EXPECT_THROW(port.List(), Error);
  EXPECT_THROW(port.Add("A", "B"), Error);
  EXPECT_EQ(elevated.size(), 2u);
}

}  // namespace
}  // namespace zv
