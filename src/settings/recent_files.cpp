#include "settings/recent_files.h"

#include <algorithm>
#include <cctype>

#include "common/error.h"
#include "settings/autorun.h"

namespace zv {

using platform::RegistryKey;
using platform::RegistryRoot;

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void TRecentFiles::AddRecentFile(const std::string& path) {
  StoreRecentPath(path);
  AddRecentMenuItem(FileNameOf(path));
}

void TRecentFiles::StoreRecentPath(const std::string& path) {
  RegistryKey key = OpenWritable(registry_, ParseRootKey(RegPath), false);
  int count = key ? static_cast<int>(registry_.ValueNames(key).size()) : 0;
  std::vector<std::string> list;
  for (int i = 1; i <= count; ++i) {
    std::string value;
    if (registry_.ReadString(key, std::to_string(i), value) != platform::RegistryRead::Ok) {
      value.clear();
    }
    list.push_back(value);
  }
  auto write = [&](int number, const std::string& text) {
    if (!key || !registry_.WriteString(key, std::to_string(number), text)) {
      registry_.CloseKey(key);
      throw Error(FormatMessage("Failed to set data for '%s'", std::to_string(number)));
    }
  };
  write(1, path);
  int n = std::min(Max, count);
  for (int i = 0; i < n; ++i) write(i + 2, list[i]);
  registry_.CloseKey(key);
}

void TRecentFiles::AddRecentMenuItem(const std::string& fileName) {
  while (menu_.Count() >= Max + kFixedItems) menu_.Remove(menu_.Count() - 1);
  std::string caption = Upper(fileName);
  int found = -1;
  for (int i = 0; i < menu_.Count(); ++i) {
    if (menu_.Caption(i) == caption) found = i;
  }
  if (found < 0) {
    menu_.InsertEntry(kFixedItems, caption);
  } else {
    menu_.Move(found, kFixedItems);
  }
}

std::vector<std::string> TRecentFiles::ReadPaths(RegistryKey key) {
  std::vector<std::string> paths;
  if (!key) return paths;
  for (const std::string& name : registry_.ValueNames(key)) {
    std::string value;
    platform::RegistryRead read = registry_.ReadString(key, name, value);
    if (read == platform::RegistryRead::WrongType) {
      registry_.CloseKey(key);
      throw Error(FormatMessage("Invalid data type for '%s'", name));
    }
    paths.push_back(value);
  }
  registry_.CloseKey(key);
  return paths;
}

std::vector<std::string> TRecentFiles::StoredPaths(bool create) {
  const RegistryPlace place = ParseRootKey(RegPath);
  RegistryRoot own = place.root;
  RegistryKey key = OpenWritable(registry_, place, create, &own);
  if (!key) key = registry_.OpenKeyForReading(place.root, place.path);
  std::vector<std::string> written = ReadPaths(key);
  if (place.root != RegistryRoot::LocalMachine) return written;
  // A run with other rights (elevated, or a standard user's) kept its list under the other
  // root. The list written now is the newer: the other's entries come first, so that the
  // newer ones end on top of the menu and win a file name both hold.
  const RegistryRoot other =
      own == RegistryRoot::LocalMachine ? RegistryRoot::CurrentUser : RegistryRoot::LocalMachine;
  std::vector<std::string> paths;
  for (const std::string& path : ReadPaths(registry_.OpenKeyForReading(other, place.path))) {
    const bool twice = std::any_of(written.begin(), written.end(),
                                   [&](const std::string& w) { return Upper(w) == Upper(path); });
    if (!twice) paths.push_back(path);
  }
  paths.insert(paths.end(), written.begin(), written.end());
  return paths;
}

void TRecentFiles::LoadRecentFiles() {
  for (const std::string& path : StoredPaths(true)) AddRecentMenuItem(FileNameOf(path));
}

std::string TRecentFiles::FindRecentPath(const std::string& caption) {
  // The file name must match whole: a substring would take "MYKEYS.QNP" for "KEYS.QNP".
  std::string path;
  for (const std::string& stored : StoredPaths(true)) {
    if (Upper(FileNameOf(stored)) == Upper(caption)) path = stored;
  }
  return path;
}

void TRecentFiles::ItemClick(const std::string& caption) {
  if (!OnItemClick) return;
  OnItemClick(FindRecentPath(caption));
}

}  // namespace zv
