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
  static const char* const kRoots[] = {"hklm\\", "hkcu\\", "hku\\", "hkcr\\"};
  return kRoots[static_cast<int>(root)] + Fold(path);
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

RegistryKey FakeRegistry::OpenKeyToRead(RegistryRoot root, const std::string& path) {
  bool readOnly = readOnly_[root];
  readOnly_[root] = false;
  RegistryKey key = Open(root, path, false);
  readOnly_[root] = readOnly;
  if (key) readOnlyHandles_.insert(key);
  return key;
}

void FakeRegistry::CloseKey(RegistryKey key) {
  handles_.erase(key);
  readOnlyHandles_.erase(key);
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

FakeRegistry::Key* FakeRegistry::Writable(RegistryKey key) {
  return readOnlyHandles_.count(key) ? nullptr : Live(key);
}

FakeRegistry::Value* FakeRegistry::Put(RegistryKey key, const std::string& name) {
  Key* k = Writable(key);
  if (!k || failWrites_) return nullptr;
  Value& v = k->values[Fold(name)];
  if (v.name.empty()) v.name = name;
  ++writes;
  return &v;
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
  Value* v = Put(key, name);
  if (!v) return false;
  v->isDword = true;
  v->dword = value;
  v->text.clear();
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
  Value* v = Put(key, name);
  if (!v) return false;
  v->isDword = false;
  v->text = value;
  return true;
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

bool FakeRegistry::KeyExists(RegistryRoot root, const std::string& path) const {
  return keys_.count(FullName(root, path)) != 0;
}

}  // namespace zv::fake
