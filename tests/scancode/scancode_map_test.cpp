// The scancode map as the editor changes it, byte by byte, over an in-memory registry; and what
// becomes of values that other programs wrote.
#include "scancode/scancode_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fake/fake_registry.h"

namespace zv {
namespace {

using platform::RegistryRoot;
using platform::RegistryType;
using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::string>;

const Bytes kHeader = {0, 0, 0, 0, 0, 0, 0, 0};

class ScancodeMap : public testing::Test {
 protected:
  // Windows always has the key; the program never creates it.
  void SetUp() override {
    reg.CloseKey(reg.CreateKey(RegistryRoot::LocalMachine, kScancodeMapKeyPath));
  }

  // The stored value's bytes; {0xEE} when there is none.
  Bytes Stored() {
    platform::RegistryKey key =
        reg.OpenKeyForReading(RegistryRoot::LocalMachine, kScancodeMapKeyPath);
    Bytes bytes;
    RegistryType type;
    if (reg.ReadBinary(key, kScancodeMapValueName, bytes, type) != platform::RegistryRead::Ok)
      bytes = {0xEE};
    reg.CloseKey(key);
    return bytes;
  }
  void Plant(const Bytes& bytes, RegistryType type = RegistryType::Binary) {
    reg.Plant(RegistryRoot::LocalMachine, kScancodeMapKeyPath, kScancodeMapValueName, type, bytes);
  }
  static Bytes Value(std::uint8_t count, const Bytes& entries) {
    Bytes bytes = kHeader;
    bytes.insert(bytes.end(), {count, 0, 0, 0});
    bytes.insert(bytes.end(), entries.begin(), entries.end());
    return bytes;
  }

  fake::FakeRegistry reg;
};

TEST_F(ScancodeMap, ChangesWriteExactlyTheBytesWindowsReads) {
  EXPECT_EQ(ReadScancodeMap(reg), "");
  EXPECT_TRUE(ListScancodeMappings(reg).empty());

  AddScancodeMapping(reg, "Caps Lock", "Left Ctrl");
  EXPECT_EQ(Stored(), Value(2, {0x1D, 0, 0x3A, 0, 0, 0, 0, 0}));
  AddScancodeMapping(reg, "Caps Lock", "Esc");  // replaces the key's entry
  EXPECT_EQ(Stored(), Value(2, {0x01, 0, 0x3A, 0, 0, 0, 0, 0}));
  AddScancodeMapping(reg, "Caps Lock", "DisableKey");  // a zero target switches the key off
  EXPECT_EQ(Stored(), Value(2, {0, 0, 0x3A, 0, 0, 0, 0, 0}));

  AddScancodeMapping(reg, "A", "B");
  AddScancodeMapping(reg, "Caps Lock", "Left Ctrl");
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"B@A", "Left Ctrl@Caps Lock"}));
  AddScancodeMapping(reg, "A", "C");  // a changed entry moves behind the others
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"Left Ctrl@Caps Lock", "C@A"}));
  EXPECT_EQ(ReadScancodeMap(reg), "0000000000000000030000001D003A002E001E0000000000");

  RemoveScancodeMapping(reg, "A", "B");  // not that pair: rewritten unchanged
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"Left Ctrl@Caps Lock", "C@A"}));
  RemoveScancodeMapping(reg, "A", "C");
  RemoveScancodeMapping(reg, "Caps Lock", "Left Ctrl");
  EXPECT_EQ(Stored(), Value(1, {0, 0, 0, 0}));  // the 16-byte empty map
  EXPECT_TRUE(ListScancodeMappings(reg).empty());

  AddScancodeMapping(reg, "Right Alt", "Right Ctrl");  // extended keys keep their E0 byte
  EXPECT_EQ(Stored(), Value(2, {0x1D, 0xE0, 0x38, 0xE0, 0, 0, 0, 0}));
  DeleteScancodeMap(reg);  // Reset All
  EXPECT_EQ(Stored(), Bytes{0xEE});
  EXPECT_TRUE(ListScancodeMappings(reg).empty());
  DeleteScancodeMap(reg);  // nothing to delete: no complaint
}

TEST_F(ScancodeMap, ValuesWrittenByOthersNeverReadPastTheirBytes) {
  // Count 3 with two entries and no terminator; a scan code that has no name lists as "".
  Plant(Value(3, {0x30, 0, 0x1E, 0, 0x34, 0x12, 0x3A, 0}));
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"B@A", "@Caps Lock"}));
  AddScancodeMapping(reg, "Esc", "Tab");  // written back well-formed, with one terminator
  EXPECT_EQ(Stored(),
            Value(4, {0x30, 0, 0x1E, 0, 0x34, 0x12, 0x3A, 0, 0x0F, 0, 0x01, 0, 0, 0, 0, 0}));

  // The count is Windows' 32-bit number, clamped to the whole entries present.
  Bytes huge = Value(2, {0x30, 0, 0x1E, 0, 0x2E, 0});  // one entry, then half of another
  huge[11] = 0x80;
  Plant(huge);
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"B@A"}));
  Bytes beyondOneByte = Value(1, {0x30, 0, 0x1E, 0});
  beyondOneByte[9] = 1;  // 257: the one byte at offset 8 would say there are none
  Plant(beyondOneByte);
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"B@A"}));

  // Shorter than the header, a zero count, a header alone: no entries.
  for (const Bytes& empty : {Bytes{}, Bytes{0, 0, 0}, Value(0, {0x30, 0, 0x1E, 0}), Value(9, {})}) {
    Plant(empty);
    EXPECT_TRUE(ListScancodeMappings(reg).empty());
  }
  RemoveScancodeMapping(reg, "A", "B");  // the next write is well-formed again
  EXPECT_EQ(Stored(), Value(1, {0, 0, 0, 0}));

  // A value of no type the map uses reads as its bytes; strings and numbers are refused.
  Plant(Value(2, {0x30, 0, 0x1E, 0, 0, 0, 0, 0}), RegistryType::Other);
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"B@A"}));
  for (RegistryType wrong :
       {RegistryType::String, RegistryType::ExpandString, RegistryType::Dword}) {
    Plant({1, 0, 0, 0}, wrong);
    EXPECT_THROW(
        try { ListScancodeMappings(reg); } catch (const Error& e) {
          EXPECT_STREQ(e.what(), "Invalid data type for 'Scancode Map'");
          throw;
        },
        Error);
    EXPECT_THROW(AddScancodeMapping(reg, "A", "B"), Error);
  }
  EXPECT_EQ(Stored(), (Bytes{1, 0, 0, 0}));  // nothing was written over it
}

TEST_F(ScancodeMap, RefusedWritesLeaveTheValueAndCarryWhatWasToBeWritten) {
  AddScancodeMapping(reg, "A", "B");
  const Bytes before = Stored();

  // A user who is not an administrator still reads the map, so the value handed on for an
  // elevated write keeps the entries already there.
  reg.SetWritable(RegistryRoot::LocalMachine, false);
  EXPECT_EQ(ListScancodeMappings(reg), (Rows{"B@A"}));
  try {
    AddScancodeMapping(reg, "Caps Lock", "Left Ctrl");
    ADD_FAILURE() << "the write went through";
  } catch (const ScancodeWriteDenied& denied) {
    EXPECT_STREQ(denied.what(), "Failed to set data for 'Scancode Map'");
    EXPECT_EQ(denied.hex(), "00000000000000000300000030001E001D003A0000000000");
  }
  EXPECT_THROW(DeleteScancodeMap(reg), ScancodeWriteDenied);  // so is Reset All
  reg.SetWritable(RegistryRoot::LocalMachine, true);
  reg.SetFailWrites(true);
  EXPECT_THROW(RemoveScancodeMapping(reg, "A", "B"), ScancodeWriteDenied);
  reg.SetFailWrites(false);
  EXPECT_EQ(Stored(), before);

  // Keys without a scan code are refused before anything is written.
  for (const char* source : {"Menu", "Print Screen", "Pause Break", "{"}) {
    EXPECT_THROW(AddScancodeMapping(reg, source, "B"), Error);
  }
  EXPECT_THROW(AddScancodeMapping(reg, "A", "TypeText"), Error);
  EXPECT_EQ(Stored(), before);

  // 254 entries can be stored; a 255th is refused plainly (more rights would not help).
  TScancodeMap full;
  const char digits[] = "0123456789ABCDEF";
  for (int i = 0; i < 254; ++i)
    full.Entries.push_back(std::string("1E00") + digits[i >> 4] + digits[i & 15] + "00");
  WriteScancodeMap(reg, FormatScancodeMap(full));
  EXPECT_EQ(Stored()[8], 255);
  EXPECT_EQ(ListScancodeMappings(reg).size(), 254u);
  const Bytes fullBytes = Stored();
  try {
    AddScancodeMapping(reg, "Right Alt", "Esc");
    ADD_FAILURE() << "a 255th entry was written";
  } catch (const ScancodeWriteDenied&) {
    ADD_FAILURE() << "a too long map is no matter of rights";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Failed to set data for 'Scancode Map'");
  }
  EXPECT_EQ(Stored(), fullBytes);
}

TEST(ScancodeMapText, OnlyWhatFormatWritesPassesTheStrictCheck) {
  TScancodeMap map;
  map.Entries = {"1D003A00", "00003A00"};
  const std::string good = FormatScancodeMap(map);
  EXPECT_EQ(good,
            "000000000000000003000000"
            "1D003A00"
            "00003A00"
            "00000000");
  EXPECT_EQ(ParseScancodeMap(good).Entries, map.Entries);
  std::string why;
  EXPECT_TRUE(ValidateScancodeMapHex(good, &why));
  EXPECT_TRUE(ValidateScancodeMapHex(FormatScancodeMap({}), nullptr));
  // Each bad text is refused and says why.
  for (const std::string& bad : {
           std::string(""),                                    // nothing
           good.substr(1),                                     // odd length
           "1d003a00" + good.substr(8),                        // lower-case digits
           good.substr(0, 30) + "G0",                          // not a digit
           good + " ",                                         // trailing blank
           good.substr(0, good.size() - 8),                    // no terminator
           good.substr(0, good.size() - 2),                    // half an entry
           good.substr(0, 46) + "01",                          // terminator not zero
           "01" + good.substr(2),                              // version not zero
           good.substr(0, 8) + "01" + good.substr(10),         // flags not zero
           good.substr(0, 16) + "02" + good.substr(18),        // count too small
           good.substr(0, 16) + "03000001" + good.substr(24),  // count beyond one byte
       }) {
    why.clear();
    EXPECT_FALSE(ValidateScancodeMapHex(bad, &why)) << bad;
    EXPECT_FALSE(why.empty()) << bad;
  }
  // Parsing is lenient where checking is strict: lower case reads, the rest stops at a non-digit.
  EXPECT_EQ(ParseScancodeMap("000000000000000003000000"
                             "1d003a00"
                             "3000zz")
                .Entries,
            (std::vector<std::string>{"1D003A00"}));
}

}  // namespace
}  // namespace zv
