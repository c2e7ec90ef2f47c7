#include "platform/fake/fake_registry.h"

#include <cctype>

namespace zv::fake {

using platform::RegistryKey;
using platform::RegistryRead;
using platform::RegistryRoot;
using platform::RegistryType;

std::string FakeRegistry::Fold(const std::string& text) {
  std::string out = text;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string FakeRegistry::FullName(RegistryRoot root, const std::string& path) const {
  static const char* const kRoots[] = {"hklm\\", "hkcu\\", "hku\\", "hkcr\\"};
  return kRoots[static_cast<int>(root)] + Fold(path);
}

RegistryKey FakeRegistry::Open(RegistryRoot root, const std::string& path, bool create,
                               bool forWriting) {
  if (forWriting && readOnly_[root]) return 0;
  std::string full = FullName(root, path);
  auto it = keys_.find(full);
  if (it == keys_.end()) {
    if (!create) return 0;
    it = keys_.emplace(full, std::make_shared<Key>()).first;
  }
  RegistryKey handle = ++next_;
  handles_[handle] = it->second;
  if (!forWriting) readingHandles_.insert(handle);
  ++opens;
  return handle;
}

RegistryKey FakeRegistry::CreateKey(RegistryRoot root, const std::string& path) {
  return Open(root, path, true);
}

RegistryKey FakeRegistry::OpenKey(RegistryRoot root, const std::string& path) {
  return Open(root, path, false);
}

RegistryKey FakeRegistry::OpenKeyForReading(RegistryRoot root, const std::string& path) {
  return Open(root, path, false, false);
}

void FakeRegistry::CloseKey(RegistryKey key) {
  handles_.erase(key);
  readingHandles_.erase(key);
}

FakeRegistry::Key* FakeRegistry::Writable(RegistryKey key) {
  return readingHandles_.count(key) ? nullptr : Live(key);
}

FakeRegistry::Key* FakeRegistry::Live(RegistryKey key) {
  auto h = handles_.find(key);
  if (h == handles_.end()) return nullptr;
  // A key deleted since it was opened is no longer in keys_: its handle is dead.
  for (const auto& k : keys_) {
    if (k.second == h->second) return k.second.get();
  }
  return nullptr;
}

bool FakeRegistry::Store(RegistryKey key, const std::string& name, Value value) {
  Key* k = Writable(key);
  if (!k || failWrites_) return false;
  Value& stored = k->values[Fold(name)];
  if (!stored.name.empty()) value.name = stored.name;  // a value keeps its first spelling
  stored = std::move(value);
  ++writes;
  return true;
}

RegistryRead FakeRegistry::ReadDword(RegistryKey key, const std::string& name,
                                     std::uint32_t& value) {
  std::vector<std::uint8_t> bytes;
  RegistryType type;
  RegistryRead status = ReadBinary(key, name, bytes, type);
  if (status != RegistryRead::Ok) return status;
  if (type != RegistryType::Dword || bytes.size() != 4) return RegistryRead::WrongType;
  value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  return RegistryRead::Ok;
}

bool FakeRegistry::WriteDword(RegistryKey key, const std::string& name, std::uint32_t value) {
  std::vector<std::uint8_t> bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back((value >> shift) & 0xFF);
  return Store(key, name, {RegistryType::Dword, bytes, name});
}

RegistryRead FakeRegistry::ReadString(RegistryKey key, const std::string& name,
                                      std::string& value) {
  std::vector<std::uint8_t> bytes;
  RegistryType type;
  RegistryRead status = ReadBinary(key, name, bytes, type);
  if (status != RegistryRead::Ok) return status;
  if (type != RegistryType::String && type != RegistryType::ExpandString)
    return RegistryRead::WrongType;
  std::string text(bytes.begin(), bytes.end());
  value = text.substr(0, text.find('\0'));
  return RegistryRead::Ok;
}

bool FakeRegistry::WriteString(RegistryKey key, const std::string& name, const std::string& value) {
  std::vector<std::uint8_t> bytes(value.begin(), value.end());
  bytes.push_back(0);
  return Store(key, name, {RegistryType::String, bytes, name});
}

RegistryRead FakeRegistry::ReadBinary(RegistryKey key, const std::string& name,
                                      std::vector<std::uint8_t>& bytes, RegistryType& type) {
  ++reads;
  Key* k = Live(key);
  if (!k) return RegistryRead::Failed;
  auto it = k->values.find(Fold(name));
  if (it == k->values.end()) return RegistryRead::Missing;
  bytes = it->second.bytes;
  type = it->second.type;
  return RegistryRead::Ok;
}

bool FakeRegistry::WriteBinary(RegistryKey key, const std::string& name,
                               const std::vector<std::uint8_t>& bytes) {
  return Store(key, name, {RegistryType::Binary, bytes, name});
}

bool FakeRegistry::DeleteValue(RegistryKey key, const std::string& name) {
  Key* k = Writable(key);
  return k && k->values.erase(Fold(name)) != 0;
}

std::vector<std::string> FakeRegistry::ValueNames(RegistryKey key) {
  std::vector<std::string> names;
  if (Key* k = Live(key)) {
    for (const auto& v : k->values) names.push_back(v.second.name);
  }
  return names;
}

bool FakeRegistry::DeleteKey(RegistryRoot root, const std::string& path) {
  if (readOnly_[root]) return false;
  std::string full = FullName(root, path);
  // Windows refuses to delete a key that has subkeys.
  for (const auto& k : keys_) {
    if (k.first.size() > full.size() && k.first.compare(0, full.size() + 1, full + "\\") == 0) {
      return false;
    }
  }
  return keys_.erase(full) != 0;
}

void FakeRegistry::SetWritable(RegistryRoot root, bool writable) {
  readOnly_[root] = !writable;
}

void FakeRegistry::Plant(RegistryRoot root, const std::string& path, const std::string& name,
                         RegistryType type, const std::vector<std::uint8_t>& bytes) {
  auto& key = keys_[FullName(root, path)];
  if (!key) key = std::make_shared<Key>();
  key->values[Fold(name)] = {type, bytes, name};
}

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& path) const {
  return keys_.count(FullName(root, path)) != 0;
}

}  // namespace zv::fake
