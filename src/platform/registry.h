#pragma once
// The registry: keys opened per use, REG_DWORD, REG_SZ and REG_BINARY values, whole keys
// deleted.
#include <cstdint>
#include <string>
#include <vector>

namespace zv::platform {

enum class RegistryRoot { LocalMachine, CurrentUser, Users, ClassesRoot };

// An open key; 0 is no key.
using RegistryKey = std::uintptr_t;

enum class RegistryRead {
  Ok,
  Missing,    // the value does not exist
  WrongType,  // the value exists with another type
  Failed,     // the key is gone or cannot be read
};

// The stored type of a value, as far as the program tells them apart.
enum class RegistryType {
  Binary,        // REG_BINARY
  String,        // REG_SZ
  ExpandString,  // REG_EXPAND_SZ
  Dword,         // REG_DWORD
  Other,         // any other type (REG_NONE, REG_MULTI_SZ, REG_QWORD, ...)
};

class Registry {
 public:
  virtual ~Registry() = default;
  // RegCreateKeyExA with full access: opens path, creating it when absent. 0 when refused.
  virtual RegistryKey CreateKey(RegistryRoot root, const std::string& path) = 0;
  // RegOpenKeyExA with full access; never creates. 0 when absent or refused.
  virtual RegistryKey OpenKey(RegistryRoot root, const std::string& path) = 0;
  // RegOpenKeyExA with read access only; never creates. A user who may not change a key under
  // HKEY_LOCAL_MACHINE may still read it this way. 0 when absent or refused.
  virtual RegistryKey OpenKeyForReading(RegistryRoot root, const std::string& path) = 0;
  virtual void CloseKey(RegistryKey key) = 0;
  virtual RegistryRead ReadDword(RegistryKey key, const std::string& name,
                                 std::uint32_t& value) = 0;
  virtual bool WriteDword(RegistryKey key, const std::string& name, std::uint32_t value) = 0;
  virtual RegistryRead ReadString(RegistryKey key, const std::string& name, std::string& value) = 0;
  virtual bool WriteString(RegistryKey key, const std::string& name, const std::string& value) = 0;
  // The bytes of a value of any type, as stored, with its type (a REG_SZ's bytes end in its NUL).
  virtual RegistryRead ReadBinary(RegistryKey key, const std::string& name,
                                  std::vector<std::uint8_t>& bytes, RegistryType& type) = 0;
  // Stores the bytes as a REG_BINARY value.
  virtual bool WriteBinary(RegistryKey key, const std::string& name,
                           const std::vector<std::uint8_t>& bytes) = 0;
  virtual bool DeleteValue(RegistryKey key, const std::string& name) = 0;
  // The names of the key's values in the order RegEnumValueA lists them; empty when the key
  // cannot be read.
  virtual std::vector<std::string> ValueNames(RegistryKey key) = 0;
  // Deletes a key that has no subkeys, with its values. Handles still open on it stop working:
  // reads and writes through them fail until the key is opened again.
  virtual bool DeleteKey(RegistryRoot root, const std::string& path) = 0;
};

}  // namespace zv::platform
