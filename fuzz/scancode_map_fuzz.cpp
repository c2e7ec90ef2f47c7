// The scancode map parser takes whatever a registry value holds. Fed the input both as text and
// as the bytes of a stored value, it must stay within them, give only entries that are there,
// and hand back a map that formats to a value the strict check accepts and parses back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "scancode/hex_bytes.h"
#include "scancode/scancode_map.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckParsed(const std::string& hex) {
  const zv::TScancodeMap map = zv::ParseScancodeMap(hex);
  const std::string bytesAsHex = zv::HexOfBytes(zv::BytesOfHex(hex));
  const std::size_t whole = bytesAsHex.size() < 24 ? 0 : (bytesAsHex.size() - 24) / 8;
  Check(map.Entries.size() <= whole);
  for (std::size_t i = 0; i < map.Entries.size(); ++i)
    Check(map.Entries[i] == bytesAsHex.substr(24 + 8 * i, 8));

  if (map.Entries.size() <= zv::kMaxScancodeEntries) {
    const std::string formatted = zv::FormatScancodeMap(map);
    Check(zv::ValidateScancodeMapHex(formatted, nullptr));
    Check(zv::ParseScancodeMap(formatted).Entries == map.Entries);
  }
  // What passes the strict check is exactly what formatting its parse gives.
  if (zv::ValidateScancodeMapHex(hex, nullptr)) Check(zv::FormatScancodeMap(map) == hex);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckParsed(std::string(reinterpret_cast<const char*>(data), size));
  CheckParsed(zv::HexOfBytes(data, size));
  return 0;
}
