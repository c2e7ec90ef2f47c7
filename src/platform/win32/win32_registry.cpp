#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <vector>

namespace zv::win32 {

using platform::RegistryKey;
using platform::RegistryRead;
using platform::RegistryRoot;
using platform::RegistryType;

namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::CurrentUser:
      return HKEY_CURRENT_USER;
    case RegistryRoot::Users:
      return HKEY_USERS;
    case RegistryRoot::ClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine:
      break;
  }
  return HKEY_LOCAL_MACHINE;
}

HKEY AsHkey(RegistryKey key) {
  return reinterpret_cast<HKEY>(key);
}

RegistryRead Status(LONG rc) {
  if (rc == ERROR_FILE_NOT_FOUND) return RegistryRead::Missing;
  return rc == ERROR_SUCCESS || rc == ERROR_MORE_DATA ? RegistryRead::Ok : RegistryRead::Failed;
}

RegistryType TypeOf(DWORD type) {
  switch (type) {
    case REG_BINARY:
      return RegistryType::Binary;
    case REG_SZ:
      return RegistryType::String;
    case REG_EXPAND_SZ:
      return RegistryType::ExpandString;
    case REG_DWORD:
      return RegistryType::Dword;
    default:
      return RegistryType::Other;
  }
}

RegistryKey Open(RegistryRoot root, const std::string& path, REGSAM access) {
  HKEY key = nullptr;
  LONG rc = RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &key);
  return rc == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(key) : 0;
}

}  // namespace

RegistryKey Win32Registry::CreateKey(RegistryRoot root, const std::string& path) {
  HKEY key = nullptr;
  LONG rc = RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return rc == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(key) : 0;
}

RegistryKey Win32Registry::OpenKey(RegistryRoot root, const std::string& path) {
  return Open(root, path, KEY_ALL_ACCESS);
}

RegistryKey Win32Registry::OpenKeyForReading(RegistryRoot root, const std::string& path) {
  return Open(root, path, KEY_READ);
}

void Win32Registry::CloseKey(RegistryKey key) {
  if (key) RegCloseKey(AsHkey(key));
}

RegistryRead Win32Registry::ReadDword(RegistryKey key, const std::string& name,
                                      std::uint32_t& value) {
  DWORD type = 0, data = 0, size = sizeof data;
  LONG rc = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(&data), &size);
  if (rc == ERROR_MORE_DATA) return RegistryRead::WrongType;  // larger than a DWORD
  RegistryRead status = Status(rc);
  if (status != RegistryRead::Ok) return status;
  if (type != REG_DWORD || size != sizeof data) return RegistryRead::WrongType;
  value = data;
  return RegistryRead::Ok;
}

bool Win32Registry::WriteDword(RegistryKey key, const std::string& name, std::uint32_t value) {
  DWORD data = value;
  return RegSetValueExA(AsHkey(key), name.c_str(), 0, REG_DWORD,
                        reinterpret_cast<const BYTE*>(&data), sizeof data) == ERROR_SUCCESS;
}

RegistryRead Win32Registry::ReadString(RegistryKey key, const std::string& name,
                                       std::string& value) {
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &type, nullptr, &size);
  RegistryRead status = Status(rc);
  if (status != RegistryRead::Ok) return status;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return RegistryRead::WrongType;
  std::vector<char> buffer(size + 1, '\0');
  rc = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &type,
                        reinterpret_cast<BYTE*>(buffer.data()), &size);
  if (rc != ERROR_SUCCESS)
    return Status(rc) == RegistryRead::Ok ? RegistryRead::Failed : Status(rc);
  value.assign(buffer.data());  // the stored text may or may not end in a NUL
  return RegistryRead::Ok;
}

bool Win32Registry::WriteString(RegistryKey key, const std::string& name,
                                const std::string& value) {
  return RegSetValueExA(AsHkey(key), name.c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

RegistryRead Win32Registry::ReadBinary(RegistryKey key, const std::string& name,
                                       std::vector<std::uint8_t>& bytes, RegistryType& type) {
  // The size first, then the data; another writer may change the size in between.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD stored = 0, size = 0;
    LONG rc = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &stored, nullptr, &size);
    if (Status(rc) != RegistryRead::Ok) return Status(rc);
    std::vector<std::uint8_t> data(size);
    rc = RegQueryValueExA(AsHkey(key), name.c_str(), nullptr, &stored, data.data(), &size);
    if (rc == ERROR_MORE_DATA) continue;
    if (rc != ERROR_SUCCESS)
      return rc == ERROR_FILE_NOT_FOUND ? RegistryRead::Missing : RegistryRead::Failed;
    data.resize(size);
    bytes.swap(data);
    type = TypeOf(stored);
    return RegistryRead::Ok;
  }
  return RegistryRead::Failed;
}

bool Win32Registry::WriteBinary(RegistryKey key, const std::string& name,
                                const std::vector<std::uint8_t>& bytes) {
  return RegSetValueExA(AsHkey(key), name.c_str(), 0, REG_BINARY, bytes.data(),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(RegistryKey key, const std::string& name) {
  return RegDeleteValueA(AsHkey(key), name.c_str()) == ERROR_SUCCESS;
}

std::vector<std::string> Win32Registry::ValueNames(RegistryKey key) {
  std::vector<std::string> names;
  for (DWORD index = 0;; ++index) {
    char name[16384];  // the longest value name the registry allows
    DWORD size = sizeof name;
    if (RegEnumValueA(AsHkey(key), index, name, &size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    names.emplace_back(name, size);
  }
  return names;
}

bool Win32Registry::DeleteKey(RegistryRoot root, const std::string& path) {
  return RegDeleteKeyA(RootKey(root), path.c_str()) == ERROR_SUCCESS;
}

}  // namespace zv::win32
