#include "engine/registry_channel.h"

#include <gtest/gtest.h>

#include <functional>

#include "common/error.h"
#include "platform/fake/fake_registry.h"

namespace zv {
namespace {

using platform::RegistryRead;
using platform::RegistryRoot;

class RegistryChannelTest : public ::testing::Test {
 protected:
  // A value as another program reads it: -999 when missing, -998 when of another type.
  long long Value(RegistryRoot root, const char* path, const char* name) {
    platform::RegistryKey key = registry.OpenKey(root, path);
    if (!key) return -997;
    std::uint32_t v = 0;
    RegistryRead status = registry.ReadDword(key, name, v);
    registry.CloseKey(key);
    if (status == RegistryRead::Missing) return -999;
    if (status != RegistryRead::Ok) return -998;
    return static_cast<std::int32_t>(v);
  }
  void Put(RegistryRoot root, const char* path, const char* name, const std::string& text) {
    platform::RegistryKey key = registry.CreateKey(root, path);
    registry.WriteString(key, name, text);
    registry.CloseKey(key);
  }
  std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }

  fake::FakeRegistry registry;
  RegistryChannel channel{registry};
};

TEST_F(RegistryChannelTest, PublishWritesHandleAndZeroTempCodeUnderLocalMachine) {
  channel.PublishWindowHandle(0x20304);
  EXPECT_EQ(channel.root(), RegistryRoot::LocalMachine);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kPropertyKeyPath, kHandleValue), 0x20304);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kDisableKeyPath, kTempCodeValue), 0);
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, kPropertyKeyPath));
  EXPECT_EQ(channel.ReadHandle(), 0x20304u);
  // The instance that published knows its window without asking the registry again.
  registry.DeleteKey(RegistryRoot::LocalMachine, kPropertyKeyPath);
  EXPECT_EQ(channel.ReadHandle(), 0x20304u);
}

TEST_F(RegistryChannelTest, WithoutWriteAccessToLocalMachineEveryoneUsesCurrentUser) {
  registry.SetWritable(RegistryRoot::LocalMachine, false);
  EXPECT_EQ(ResolveChannelRoot(registry, kPropertyKeyPath), RegistryRoot::CurrentUser);
  channel.PublishWindowHandle(77);
  EXPECT_EQ(Value(RegistryRoot::CurrentUser, kPropertyKeyPath, kHandleValue), 77);
  channel.WriteTempCode(66);
  EXPECT_EQ(Value(RegistryRoot::CurrentUser, kDisableKeyPath, kTempCodeValue), 66);
  EXPECT_EQ(channel.TakeTempCode(), 66);
  EXPECT_EQ(Value(RegistryRoot::CurrentUser, kDisableKeyPath, kTempCodeValue), 0);
  // A second channel (another reader) finds the same values.
  RegistryChannel other(registry);
  EXPECT_EQ(other.ReadHandle(), 77u);
}

TEST_F(RegistryChannelTest, TakeTempCodeReadsThenResets) {
  EXPECT_EQ(channel.TakeTempCode(), 0);  // absent reads as 0 and is created
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kDisableKeyPath, kTempCodeValue), 0);
  channel.WriteTempCode(-1);  // signed: an unknown target's code survives the round trip
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kDisableKeyPath, kTempCodeValue), -1);
  EXPECT_EQ(channel.TakeTempCode(), -1);
  EXPECT_EQ(channel.TakeTempCode(), 0);
}

TEST_F(RegistryChannelTest, FailuresCarryTheSystemsTexts) {
  EXPECT_EQ(ErrorOf([&] { channel.ReadHandle(); }), "Failed to get data for 'Handle'");
  Put(RegistryRoot::LocalMachine, kPropertyKeyPath, kHandleValue, "12");
  EXPECT_EQ(ErrorOf([&] { channel.ReadHandle(); }), "Invalid data type for 'Handle'");
  Put(RegistryRoot::LocalMachine, kDisableKeyPath, kTempCodeValue, "66");
  EXPECT_EQ(ErrorOf([&] { channel.TakeTempCode(); }), "Invalid data type for 'TempCode'");
  registry.SetFailWrites(true);
  EXPECT_EQ(ErrorOf([&] { channel.PublishWindowHandle(5); }), "Failed to set data for 'Handle'");
  EXPECT_EQ(ErrorOf([&] { channel.WriteTempCode(65); }), "Failed to set data for 'TempCode'");
}

TEST_F(RegistryChannelTest, ADeletedKeyIsCreatedAgainByTheNextUse) {
  channel.PublishWindowHandle(9);
  channel.WriteTempCode(65);
  // Deleted by another program while the channel holds the key open. The channel answers from
  // what it wrote, and its reset creates the key again.
  ASSERT_TRUE(registry.DeleteKey(RegistryRoot::LocalMachine, kDisableKeyPath));
  EXPECT_EQ(channel.TakeTempCode(), 65);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kDisableKeyPath, kTempCodeValue), 0);
  channel.DeleteTempCodeKey();  // Reset All
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::LocalMachine, kDisableKeyPath));
  channel.WriteTempCode(70);
  EXPECT_EQ(Value(RegistryRoot::LocalMachine, kDisableKeyPath, kTempCodeValue), 70);
}

TEST_F(RegistryChannelTest, KeysStayOpenAcrossEvents) {
  channel.PublishWindowHandle(9);
  int opens = registry.opens;
  for (int i = 0; i < 100; ++i) {
    channel.ReadHandle();
    channel.WriteTempCode(i);
    EXPECT_EQ(channel.TakeTempCode(), i);
  }
  EXPECT_EQ(registry.opens, opens);
  int writes = registry.writes;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(channel.TakeTempCode(), 0);
  EXPECT_EQ(registry.writes, writes);  // 0 stays 0 without a write
}

}  // namespace
}  // namespace zv
