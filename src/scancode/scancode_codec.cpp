// The text form of the scancode map and its parsed form.
#include <algorithm>
#include <cstdint>

#include "scancode/hex_bytes.h"
#include "scancode/scancode_map.h"

namespace zv {

namespace {

constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kEntryBytes = 4;

std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

bool Refuse(std::string* why, const char* reason) {
  if (why) *why = reason;
  return false;
}

}  // namespace

TScancodeMap ParseScancodeMap(const std::string& hex) {
  TScancodeMap map;
  const std::vector<std::uint8_t> bytes = BytesOfHex(hex);
  if (bytes.size() < kHeaderBytes) return map;
  const std::uint32_t count = Le32(bytes, 8);
  const std::size_t present = (bytes.size() - kHeaderBytes) / kEntryBytes;
  const std::size_t entries = count == 0 ? 0 : std::min<std::size_t>(count - 1, present);
  for (std::size_t i = 0; i < entries; ++i)
    map.Entries.push_back(HexOfBytes(&bytes[kHeaderBytes + i * kEntryBytes], kEntryBytes));
  return map;
}

std::string FormatScancodeMap(const TScancodeMap& map) {
  const std::uint32_t count = static_cast<std::uint32_t>(map.Entries.size() + 1);
  const std::uint8_t countBytes[4] = {
      static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(count >> 8),
      static_cast<std::uint8_t>(count >> 16), static_cast<std::uint8_t>(count >> 24)};
  std::string hex = "0000000000000000" + HexOfBytes(countBytes, 4);
  for (const std::string& entry : map.Entries) hex += entry;
  return hex + "00000000";
}

bool ValidateScancodeMapHex(const std::string& hex, std::string* why) {
  if (hex.size() % 2 != 0) return Refuse(why, "the value has an odd number of digits");
  for (char c : hex) {
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')))
      return Refuse(why, "the value holds characters other than the digits 0-9 and A-F");
  }
  const std::vector<std::uint8_t> bytes = BytesOfHex(hex);
  if (bytes.size() < kHeaderBytes + kEntryBytes)
    return Refuse(why, "the value is shorter than a header and a terminator");
  if ((bytes.size() - kHeaderBytes) % kEntryBytes != 0)
    return Refuse(why, "the value does not end on a whole entry");
  const std::size_t entries = (bytes.size() - kHeaderBytes) / kEntryBytes - 1;
  if (Le32(bytes, 0) != 0 || Le32(bytes, 4) != 0)
    return Refuse(why, "the header's version and flags are not zero");
  if (entries > kMaxScancodeEntries) return Refuse(why, "the value has more than 254 entries");
  if (Le32(bytes, 8) != entries + 1)
    return Refuse(why, "the count does not match the entries present");
  if (Le32(bytes, bytes.size() - kEntryBytes) != 0)
    return Refuse(why, "the value does not end with a zero terminator");
  return true;
}

}  // namespace zv
