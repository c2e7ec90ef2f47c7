#pragma once
// An in-memory registry for native tests. Key paths match without regard to case, as Windows'.
// Values are listed sorted by name, as Wine lists them.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace zv::fake {

class FakeRegistry : public platform::Registry {
 public:
  platform::RegistryKey CreateKey(platform::RegistryRoot root, const std::string& path) override;
  platform::RegistryKey OpenKey(platform::RegistryRoot root, const std::string& path) override;
  platform::RegistryKey OpenKeyForReading(platform::RegistryRoot root,
                                          const std::string& path) override;
  void CloseKey(platform::RegistryKey key) override;
  platform::RegistryRead ReadDword(platform::RegistryKey key, const std::string& name,
                                   std::uint32_t& value) override;
  bool WriteDword(platform::RegistryKey key, const std::string& name, std::uint32_t value) override;
  platform::RegistryRead ReadString(platform::RegistryKey key, const std::string& name,
                                    std::string& value) override;
  bool WriteString(platform::RegistryKey key, const std::string& name,
                   const std::string& value) override;
  platform::RegistryRead ReadBinary(platform::RegistryKey key, const std::string& name,
                                    std::vector<std::uint8_t>& bytes,
                                    platform::RegistryType& type) override;
  bool WriteBinary(platform::RegistryKey key, const std::string& name,
                   const std::vector<std::uint8_t>& bytes) override;
  bool DeleteValue(platform::RegistryKey key, const std::string& name) override;
  std::vector<std::string> ValueNames(platform::RegistryKey key) override;
  bool DeleteKey(platform::RegistryRoot root, const std::string& path) override;

  // Test controls.
  // false: opens with full access are refused, as for a user who is not an administrator;
  // OpenKeyForReading still succeeds.
  void SetWritable(platform::RegistryRoot root, bool writable);
  void SetFailWrites(bool fail) { failWrites_ = fail; }  // every value write fails
  bool KeyExists(platform::RegistryRoot root, const std::string& path) const;
  // Stores a value of any type as other programs may have written it; creates the key.
  void Plant(platform::RegistryRoot root, const std::string& path, const std::string& name,
             platform::RegistryType type, const std::vector<std::uint8_t>& bytes);
  int openKeys() const { return static_cast<int>(handles_.size()); }
  int opens = 0;   // CreateKey and OpenKey calls that gave a key
  int writes = 0;  // successful value writes
  int reads = 0;   // value reads, whatever their type or outcome

 private:
  struct Value {
    platform::RegistryType type = platform::RegistryType::Binary;
    std::vector<std::uint8_t> bytes;  // as stored: a DWORD little-endian, a string with its NUL
    std::string name;                 // as first written
  };
  struct Key {
    std::map<std::string, Value> values;  // by lower-case name
  };
  using KeyPtr = std::shared_ptr<Key>;
  static std::string Fold(const std::string& text);
  std::string FullName(platform::RegistryRoot root, const std::string& path) const;
  platform::RegistryKey Open(platform::RegistryRoot root, const std::string& path, bool create,
                             bool forWriting = true);
  Key* Live(platform::RegistryKey key);      // null when closed or deleted since opening
  Key* Writable(platform::RegistryKey key);  // null as well when opened for reading only
  bool Store(platform::RegistryKey key, const std::string& name, Value value);

  std::map<std::string, KeyPtr> keys_;  // by folded full name
  std::map<platform::RegistryKey, KeyPtr> handles_;
  std::set<platform::RegistryKey> readingHandles_;
  std::map<platform::RegistryRoot, bool> readOnly_;
  platform::RegistryKey next_ = 0x100;
  bool failWrites_ = false;
};

}  // namespace zv::fake
