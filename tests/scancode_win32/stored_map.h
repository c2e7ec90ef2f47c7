#pragma once
// A test that changes the "Scancode Map" of Wine's registry: the value as it was is put back
// afterwards. The key is made if this prefix lacks it (Windows always has it).
#include <windows.h>
// After windows.h.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "scancode/scancode_map.h"

namespace zv::testing_win32 {

class StoredMap : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScancodeMapKeyPath, 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
    saved_ = Stored(&savedType_);
    RegDeleteValueA(key_, kScancodeMapValueName);
  }
  void TearDown() override {
    if (savedType_ != REG_NONE)
      Put(savedType_, saved_.data(), saved_.size());
    else
      RegDeleteValueA(key_, kScancodeMapValueName);
    RegCloseKey(key_);
  }
  // The value's bytes and type; empty and REG_NONE when there is none.
  std::vector<std::uint8_t> Stored(DWORD* type) {
    DWORD size = 0;
    *type = REG_NONE;
    if (RegQueryValueExA(key_, kScancodeMapValueName, nullptr, type, nullptr, &size) !=
        ERROR_SUCCESS)
      return {};
    std::vector<std::uint8_t> bytes(size);
    RegQueryValueExA(key_, kScancodeMapValueName, nullptr, type, bytes.data(), &size);
    return bytes;
  }
  void Put(DWORD type, const BYTE* bytes, std::size_t size) {
    RegSetValueExA(key_, kScancodeMapValueName, 0, type, bytes, static_cast<DWORD>(size));
  }

 private:
  HKEY key_ = nullptr;
  std::vector<std::uint8_t> saved_;
  DWORD savedType_ = REG_NONE;
};

}  // namespace zv::testing_win32
