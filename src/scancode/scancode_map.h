#pragma once
// Windows' own key map: the binary value "Scancode Map" under HKEY_LOCAL_MACHINE
// "SYSTEM\CurrentControlSet\Control\Keyboard Layout", which the system applies when it starts,
// without this program. In its text form every byte is two upper-case hexadecimal digits:
// version (4 bytes), flags (4), count (4, little-endian: entries plus the terminator), the
// entries (4 each: the target's scan code word, then the source's) and a zero terminator.
// The codec is in scancode_codec.cpp, the registry operations in scancode_map.cpp.
#include <string>
#include <vector>

#include "common/error.h"
#include "platform/registry.h"

namespace zv {

inline constexpr const char* kScancodeMapKeyPath =
    "SYSTEM\\CurrentControlSet\\Control\\Keyboard Layout";
inline constexpr const char* kScancodeMapValueName = "Scancode Map";
// Windows reads the count as one byte, so the map holds at most this many entries.
inline constexpr std::size_t kMaxScancodeEntries = 254;
// The editor's answer to a key that has no scan code.
inline constexpr const char* kRawMapRefusal =
    "Raw map do not support this change,please select other keys!";

// The parsed value. Entries are eight digits each: target scan code text, source scan code text.
struct TScancodeMap {
  std::string Version = "00000000";
  std::string Flags = "00000000";
  std::vector<std::string> Entries;
  std::string Terminator = "00000000";
};

// The value could not be stored for lack of rights ("Failed to set data for 'Scancode Map'");
// hex() is the value that was to be written, for a writer with more rights; empty when the
// value was to be deleted.
class ScancodeWriteDenied : public Error {
 public:
  explicit ScancodeWriteDenied(std::string hex);
  const std::string& hex() const { return hex_; }

 private:
  std::string hex_;
};

// The stored value as text; "" when the key or the value is missing. The key is opened for
// reading only, so a user who may not change the map still sees it. A string or 32-bit number
// throws zv::Error "Invalid data type for 'Scancode Map'"; any other type reads as its bytes.
std::string ReadScancodeMap(platform::Registry& registry);
// Stores the text's bytes as the binary value. A text that ValidateScancodeMapHex refuses (more
// than 254 entries among others) throws zv::Error "Failed to set data for 'Scancode Map'";
// a value the registry refuses throws ScancodeWriteDenied with the same message.
void WriteScancodeMap(platform::Registry& registry, const std::string& hex);

// Splits any text into header and entries and never reads beyond the bytes it holds: the
// count is the 32-bit little-endian number at offset 8, clamped to the whole entries present;
// a text shorter than the 12-byte header has none. Reading stops at the first pair of
// characters that is not two hexadecimal digits.
TScancodeMap ParseScancodeMap(const std::string& hex);
// The inverse: zero version and flags, the count, the entries, a zero terminator.
std::string FormatScancodeMap(const TScancodeMap& map);
// True for exactly what FormatScancodeMap writes: an even number of the digits 0-9 and A-F, a
// zero version and flags, a count of the entries plus one, at most 254 entries and a zero
// terminator. Otherwise false, with the reason in *why when why is given.
bool ValidateScancodeMapHex(const std::string& hex, std::string* why);

// Adds the entry target+source at the end, dropping the source's earlier entry. A name without
// a scan code throws zv::Error kRawMapRefusal before anything is written.
void AddScancodeMapping(platform::Registry& registry, const std::string& source,
                        const std::string& target);
// Removes the entry target+source if present, and writes the map back in any case.
void RemoveScancodeMapping(platform::Registry& registry, const std::string& source,
                           const std::string& target);
// One text per entry, in stored order: the target's name, "@", the source's name (a scan code
// without a name gives the empty name).
std::vector<std::string> ListScancodeMappings(platform::Registry& registry);
// Reset All: deletes the value. A value that stays for lack of rights throws
// ScancodeWriteDenied with an empty hex; a missing key or value is no error.
void DeleteScancodeMap(platform::Registry& registry);

}  // namespace zv
