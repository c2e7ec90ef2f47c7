#include "settings/registry_places.h"

#include <cctype>

namespace zv {

using platform::RegistryRoot;

RegistryPlace ParseRootKey(const std::string& registryPath) {
  RegistryPlace place;
  std::size_t slash = registryPath.find('\\');
  if (slash == std::string::npos) {
    place.path = registryPath;
    return place;
  }
  std::string first = registryPath.substr(0, slash);
  for (char& c : first) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (first == "HKCU" || first == "HKEY_CURRENT_USER") {
    place.root = RegistryRoot::CurrentUser;
  } else if (first == "HKEY_USERS") {
    place.root = RegistryRoot::Users;
  } else if (first == "HKCR" || first == "HKEY_CLASSES_ROOT") {
    place.root = RegistryRoot::ClassesRoot;
  }
  // The registry refuses a path that starts with a backslash: the rest begins after it.
  place.path = registryPath.substr(slash + 1);
  return place;
}

platform::RegistryKey OpenWritable(platform::Registry& registry, const RegistryPlace& place,
                                   bool create, RegistryRoot* opened) {
  auto open = [&](RegistryRoot root) {
    platform::RegistryKey key =
        create ? registry.CreateKey(root, place.path) : registry.OpenKey(root, place.path);
    if (key && opened) *opened = root;
    return key;
  };
  platform::RegistryKey key = open(place.root);
  if (!key && place.root == RegistryRoot::LocalMachine) key = open(RegistryRoot::CurrentUser);
  return key;
}

}  // namespace zv
