#pragma once
// Behaviours every Registry implementation shares; run against the fake natively and against
// the Win32 registry under Wine, so the fake cannot drift from Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace zv::contract {

using platform::RegistryRead;
using platform::RegistryRoot;

struct RegistryEnv {
  virtual ~RegistryEnv() = default;
  virtual platform::Registry& registry() = 0;
  // A key path of this test's own under HKEY_CURRENT_USER, removed afterwards.
  virtual std::string Base() = 0;
};

std::unique_ptr<RegistryEnv> MakeRegistryEnv();  // provided by each test program

class RegistryContract : public ::testing::Test {
 protected:
  std::unique_ptr<RegistryEnv> env = MakeRegistryEnv();
  platform::Registry& reg = env->registry();
  std::string base = env->Base();
  const RegistryRoot hkcu = RegistryRoot::CurrentUser;
};

TEST_F(RegistryContract, CreateOpensOrMakesAndOpenNeverMakes) {
  EXPECT_EQ(reg.OpenKey(hkcu, base + "\\Channel"), 0u);
  platform::RegistryKey made = reg.CreateKey(hkcu, base + "\\Channel");
  ASSERT_NE(made, 0u);
  ASSERT_TRUE(reg.WriteDword(made, "Handle", 0x10042));
  reg.CloseKey(made);
  platform::RegistryKey again = reg.OpenKey(hkcu, base + "\\CHANNEL");  // paths ignore case
  ASSERT_NE(again, 0u);
  std::uint32_t value = 0;
  EXPECT_EQ(reg.ReadDword(again, "handle", value), RegistryRead::Ok);  // so do value names
  EXPECT_EQ(value, 0x10042u);
  reg.CloseKey(again);
}

TEST_F(RegistryContract, DwordsAndStringsKeepTheirTypes) {
  platform::RegistryKey key = reg.CreateKey(hkcu, base + "\\Values");
  ASSERT_NE(key, 0u);
  std::uint32_t dword = 7;
  std::string text = "x";
  EXPECT_EQ(reg.ReadDword(key, "TempCode", dword), RegistryRead::Missing);
  EXPECT_EQ(reg.ReadString(key, "TempCode", text), RegistryRead::Missing);
  ASSERT_TRUE(reg.WriteDword(key, "TempCode", 0xFFFFFFFFu));
  EXPECT_EQ(reg.ReadDword(key, "TempCode", dword), RegistryRead::Ok);
  EXPECT_EQ(dword, 0xFFFFFFFFu);
  EXPECT_EQ(reg.ReadString(key, "TempCode", text), RegistryRead::WrongType);
  ASSERT_TRUE(reg.WriteString(key, "Text", "C:\\Program Files\\z.exe -Hide"));
  EXPECT_EQ(reg.ReadString(key, "Text", text), RegistryRead::Ok);
  EXPECT_EQ(text, "C:\\Program Files\\z.exe -Hide");
  EXPECT_EQ(reg.ReadDword(key, "Text", dword), RegistryRead::WrongType);
  ASSERT_TRUE(reg.WriteString(key, "Empty", ""));
  EXPECT_EQ(reg.ReadString(key, "Empty", text), RegistryRead::Ok);
  EXPECT_EQ(text, "");
  ASSERT_TRUE(reg.WriteDword(key, "Text", 3));  // a write replaces the type as well
  EXPECT_EQ(reg.ReadDword(key, "Text", dword), RegistryRead::Ok);
  EXPECT_TRUE(reg.DeleteValue(key, "Text"));
  EXPECT_FALSE(reg.DeleteValue(key, "Text"));
  EXPECT_EQ(reg.ReadDword(key, "Text", dword), RegistryRead::Missing);
  reg.CloseKey(key);
}

TEST_F(RegistryContract, BinaryValuesKeepTheirBytesAndEveryValueReadsWithItsType) {
  platform::RegistryKey key = reg.CreateKey(hkcu, base + "\\Layout");
  ASSERT_NE(key, 0u);
  std::vector<std::uint8_t> bytes = {9};
  platform::RegistryType type = platform::RegistryType::Other;
  EXPECT_EQ(reg.ReadBinary(key, "Scancode Map", bytes, type), RegistryRead::Missing);
  const std::vector<std::uint8_t> map = {0, 0, 0,    0, 0,    0, 0, 0, 2, 0,
                                         0, 0, 0x1D, 0, 0x3A, 0, 0, 0, 0, 0};
  ASSERT_TRUE(reg.WriteBinary(key, "Scancode Map", map));
  EXPECT_EQ(reg.ReadBinary(key, "scancode map", bytes, type), RegistryRead::Ok);
  EXPECT_EQ(bytes, map);
  EXPECT_EQ(type, platform::RegistryType::Binary);
  std::string text;
  std::uint32_t dword = 0;
  EXPECT_EQ(reg.ReadString(key, "Scancode Map", text), RegistryRead::WrongType);
  EXPECT_EQ(reg.ReadDword(key, "Scancode Map", dword), RegistryRead::WrongType);
  ASSERT_TRUE(reg.WriteBinary(key, "Empty", {}));
  EXPECT_EQ(reg.ReadBinary(key, "Empty", bytes, type), RegistryRead::Ok);
  EXPECT_TRUE(bytes.empty());

  // Other types read as their stored bytes: a DWORD little-endian, a string with its NUL.
  ASSERT_TRUE(reg.WriteDword(key, "Scancode Map", 0x01020304));
  EXPECT_EQ(reg.ReadBinary(key, "Scancode Map", bytes, type), RegistryRead::Ok);
  EXPECT_EQ(type, platform::RegistryType::Dword);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{4, 3, 2, 1}));
  ASSERT_TRUE(reg.WriteString(key, "Scancode Map", "AB"));
  EXPECT_EQ(reg.ReadBinary(key, "Scancode Map", bytes, type), RegistryRead::Ok);
  EXPECT_EQ(type, platform::RegistryType::String);
  EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'A', 'B', 0}));
  reg.CloseKey(key);

  // A key opened for reading reads; it never creates.
  EXPECT_EQ(reg.OpenKeyForReading(hkcu, base + "\\Absent"), 0u);
  platform::RegistryKey reader = reg.OpenKeyForReading(hkcu, base + "\\LAYOUT");
  ASSERT_NE(reader, 0u);
  EXPECT_EQ(reg.ReadBinary(reader, "Scancode Map", bytes, type), RegistryRead::Ok);
  EXPECT_EQ(bytes.size(), 3u);
  reg.CloseKey(reader);
}

TEST_F(RegistryContract, DeletedKeyGoesWithItsValuesAndOpenHandlesStopWorking) {
  std::string path = base + "\\DisableKey";
  platform::RegistryKey held = reg.CreateKey(hkcu, path);
  ASSERT_TRUE(reg.WriteDword(held, "TempCode", 66));
  EXPECT_FALSE(reg.DeleteKey(hkcu, base));  // a key with subkeys stays
  EXPECT_TRUE(reg.DeleteKey(hkcu, path));
  EXPECT_FALSE(reg.DeleteKey(hkcu, path));
  EXPECT_EQ(reg.OpenKey(hkcu, path), 0u);
  std::uint32_t value = 0;
  EXPECT_FALSE(reg.WriteDword(held, "TempCode", 0));
  EXPECT_EQ(reg.ReadDword(held, "TempCode", value), RegistryRead::Failed);
  reg.CloseKey(held);
  platform::RegistryKey fresh = reg.CreateKey(hkcu, path);
  EXPECT_EQ(reg.ReadDword(fresh, "TempCode", value), RegistryRead::Missing);
  reg.CloseKey(fresh);
}

TEST_F(RegistryContract, ValuesAreListedAndAReadOnlyKeyRefusesWrites) {
  std::string path = base + "\\RecentFiles";
  EXPECT_EQ(reg.OpenKeyForReading(hkcu, path), 0u);
  platform::RegistryKey key = reg.CreateKey(hkcu, path);
  ASSERT_NE(key, 0u);
  EXPECT_TRUE(reg.ValueNames(key).empty());
  for (const char* name : {"2", "1", "3"}) ASSERT_TRUE(reg.WriteString(key, name, name));
  reg.CloseKey(key);
  platform::RegistryKey reading = reg.OpenKeyForReading(hkcu, path);
  ASSERT_NE(reading, 0u);
  std::vector<std::string> names = reg.ValueNames(reading);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"1", "2", "3"}));
  std::string text;
  EXPECT_EQ(reg.ReadString(reading, "2", text), RegistryRead::Ok);
  EXPECT_EQ(text, "2");
  EXPECT_FALSE(reg.WriteString(reading, "4", "x"));
  EXPECT_FALSE(reg.DeleteValue(reading, "1"));
  EXPECT_EQ(reg.ValueNames(reading).size(), 3u);
  reg.CloseKey(reading);
}

}  // namespace zv::contract
