// The operations on the stored scancode map: every one reads the value afresh and writes the
// whole value back.
#include "scancode/scancode_map.h"

#include <algorithm>

#include "catalogue/key_catalogue.h"
#include "scancode/hex_bytes.h"

namespace zv {

namespace {

using platform::RegistryRoot;
using platform::RegistryType;

std::string FailedToSet() {
  return FormatMessage("Failed to set data for '%s'", kScancodeMapValueName);
}

std::string ScancodeText(const std::string& name) {
  return std::string(ScancodeOfName(name));
}

}  // namespace

ScancodeWriteDenied::ScancodeWriteDenied(std::string hex)
    : Error(FailedToSet()), hex_(std::move(hex)) {}

std::string ReadScancodeMap(platform::Registry& registry) {
  const platform::RegistryKey key =
      registry.OpenKeyForReading(RegistryRoot::LocalMachine, kScancodeMapKeyPath);
  if (!key) return "";
  std::vector<std::uint8_t> bytes;
  RegistryType type = RegistryType::Binary;
  const platform::RegistryRead status =
      registry.ReadBinary(key, kScancodeMapValueName, bytes, type);
  registry.CloseKey(key);
  if (status != platform::RegistryRead::Ok) return "";
  if (type == RegistryType::String || type == RegistryType::ExpandString ||
      type == RegistryType::Dword)
    throw Error(FormatMessage("Invalid data type for '%s'", kScancodeMapValueName));
  return HexOfBytes(bytes);
}

void WriteScancodeMap(platform::Registry& registry, const std::string& hex) {
  // Only a well-formed value is ever stored: Windows reads a longer list wrongly.
  if (!ValidateScancodeMapHex(hex, nullptr)) throw Error(FailedToSet());
  const platform::RegistryKey key =
      registry.OpenKey(RegistryRoot::LocalMachine, kScancodeMapKeyPath);
  const bool stored = key && registry.WriteBinary(key, kScancodeMapValueName, BytesOfHex(hex));
  registry.CloseKey(key);
  if (!stored) throw ScancodeWriteDenied(hex);
}

void AddScancodeMapping(platform::Registry& registry, const std::string& source,
                        const std::string& target) {
  TScancodeMap map = ParseScancodeMap(ReadScancodeMap(registry));
  const std::string s = ScancodeText(source), t = ScancodeText(target);
  if (s == "-1" || t == "-1") throw Error(kRawMapRefusal);  // no bytes to write for it
  auto same = std::find_if(map.Entries.begin(), map.Entries.end(),
                           [&](const std::string& entry) { return entry.compare(4, 4, s) == 0; });
  if (same != map.Entries.end()) map.Entries.erase(same);
  map.Entries.push_back(t + s);  // a replaced entry moves to the end
  WriteScancodeMap(registry, FormatScancodeMap(map));
}

void RemoveScancodeMapping(platform::Registry& registry, const std::string& source,
                           const std::string& target) {
  TScancodeMap map = ParseScancodeMap(ReadScancodeMap(registry));
  auto it = std::find(map.Entries.begin(), map.Entries.end(),
                      ScancodeText(target) + ScancodeText(source));
  if (it != map.Entries.end()) map.Entries.erase(it);
  WriteScancodeMap(registry, FormatScancodeMap(map));
}

std::vector<std::string> ListScancodeMappings(platform::Registry& registry) {
  std::vector<std::string> rows;
  for (const std::string& entry : ParseScancodeMap(ReadScancodeMap(registry)).Entries) {
    std::string target, source;
    NameOfScancode(entry.substr(0, 4), target);
    NameOfScancode(entry.substr(4, 4), source);
    rows.push_back(target + "@" + source);
  }
  return rows;
}

void DeleteScancodeMap(platform::Registry& registry) {
  platform::RegistryKey key = registry.OpenKey(RegistryRoot::LocalMachine, kScancodeMapKeyPath);
  if (key) {
    registry.DeleteValue(key, kScancodeMapValueName);
    registry.CloseKey(key);
  }
  // Whether it went is read back as any reader sees it: refusals come at the open or the delete.
  key = registry.OpenKeyForReading(RegistryRoot::LocalMachine, kScancodeMapKeyPath);
  std::vector<std::uint8_t> bytes;
  RegistryType type = RegistryType::Binary;
  const bool stays = key && registry.ReadBinary(key, kScancodeMapValueName, bytes, type) ==
                                platform::RegistryRead::Ok;
  registry.CloseKey(key);
  if (stays) throw ScancodeWriteDenied("");
}

}  // namespace zv
