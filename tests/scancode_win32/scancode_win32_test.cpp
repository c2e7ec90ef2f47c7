// The scancode map operations on Wine's own registry value, checked with the registry API.
#include <windows.h>
// After windows.h.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_registry.h"
#include "scancode/scancode_map.h"
#include "tests/scancode_win32/stored_map.h"

namespace zv::testing_win32 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::string>;

TEST_F(StoredMap, EditsReachTheRealValueAndOddTypesAreTold) {
  win32::Win32Registry registry;
  AddScancodeMapping(registry, "Caps Lock", "Left Ctrl");
  AddScancodeMapping(registry, "Right Alt", "DisableKey");
  DWORD type = 0;
  EXPECT_EQ(Stored(&type), (Bytes{0,    0, 0,    0, 0, 0, 0,    0,    3, 0, 0, 0,
                                  0x1D, 0, 0x3A, 0, 0, 0, 0x38, 0xE0, 0, 0, 0, 0}));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(ListScancodeMappings(registry), (Rows{"Left Ctrl@Caps Lock", "DisableKey@Right Alt"}));
  RemoveScancodeMapping(registry, "Caps Lock", "Left Ctrl");
  EXPECT_EQ(ListScancodeMappings(registry), (Rows{"DisableKey@Right Alt"}));

  // Written by another program: a multi-string reads as its bytes, a string is refused.
  const char entry[] = "\0\0\0\0\0\0\0\0\2\0\0\0\x30\0\x1E\0\0\0\0";  // with the final NUL
  Put(REG_MULTI_SZ, reinterpret_cast<const BYTE*>(entry), sizeof entry);
  EXPECT_EQ(ListScancodeMappings(registry), (Rows{"B@A"}));
  Put(REG_SZ, reinterpret_cast<const BYTE*>("00"), 3);
  EXPECT_THROW(ListScancodeMappings(registry), Error);

  DeleteScancodeMap(registry);
  EXPECT_TRUE(Stored(&type).empty());
  EXPECT_EQ(ReadScancodeMap(registry), "");
}

}  // namespace
}  // namespace zv::testing_win32
