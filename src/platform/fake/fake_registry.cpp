#include "platform/fake/fake_registry.h"

#include <cctype>

namespace zv::fake {

using platform::RegistryKey;
using platform::RegistryRead;
using platform::RegistryRoot;

std::string FakeRegistry::Fold(const std::string& text) {
  std::string out = text;
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string FakeRegistry::FullName(RegistryRoot root, const std::string& path) const {
  return (root == RegistryRoot::LocalMachine ? "hklm\\" : "hkcu\\") + Fold(path);
}

RegistryKey FakeRegistry::Open(RegistryRoot root, const std::string& path, bool create) {
  if (readOnly_[root]) return 0;
  std::string full = FullName(root, path);
  auto it = keys_.find(full);
  if (it == keys_.end()) {
    if (!create) return 0;
    it = keys_.emplace(full, std::make_shared<Key>()).first;
  }
  RegistryKey handle = ++next_;
  handles_[handle] = it->second;
  ++opens;
  return handle;
}

RegistryKey FakeRegistry::CreateKey(RegistryRoot root, const std::string& path) {
  return Open(root, path, true);
}

RegistryKey FakeRegistry::OpenKey(RegistryRoot root, const std::string& path) {
  return Open(root, path, false);
}

void FakeRegistry::CloseKey(RegistryKey key) {
  handles_.erase(key);
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

RegistryRead FakeRegistry::ReadDword(RegistryKey key, const std::string& name,
                                     std::uint32_t& value) {
  Key* k = Live(key);
  if (!k) return RegistryRead::Failed;
  auto it = k->values.find(Fold(name));
  if (it == k->values.end()) return RegistryRead::Missing;
  if (!it->second.isDword) return RegistryRead::WrongType;
  value = it->second.dword;
  return RegistryRead::Ok;
}

bool FakeRegistry::WriteDword(RegistryKey key, const std::string& name, std::uint32_t value) {
  Key* k = Live(key);
  if (!k || failWrites_) return false;
  Value& v = k->values[Fold(name)];
  v.isDword = true;
  v.dword = value;
  v.text.clear();
  ++writes;
  return true;
}

RegistryRead FakeRegistry::ReadString(RegistryKey key, const std::string& name,
                                      std::string& value) {
  Key* k = Live(key);
  if (!k) return RegistryRead::Failed;
  auto it = k->values.find(Fold(name));
  if (it == k->values.end()) return RegistryRead::Missing;
  if (it->second.isDword) return RegistryRead::WrongType;
  value = it->second.text;
  return RegistryRead::Ok;
}

bool FakeRegistry::WriteString(RegistryKey key, const std::string& name, const std::string& value) {
  Key* k = Live(key);
  if (!k || failWrites_) return false;
  Value& v = k->values[Fold(name)];
  v.isDword = false;
  v.text = value;
  ++writes;
  return true;
}

bool FakeRegistry::DeleteValue(RegistryKey key, const std::string& name) {
  Key* k = Live(key);
  return k && k->values.erase(Fold(name)) != 0;
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

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& path) const {
  return keys_.count(FullName(root, path)) != 0;
}

}  // namespace zv::fake
