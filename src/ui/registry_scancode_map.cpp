#include "ui/registry_scancode_map.h"

#include "scancode/scancode_map.h"

namespace zv {

namespace {

template <class Change>
ScancodeWrite Attempt(Change change) {
  try {
    change();
  } catch (const ScancodeWriteDenied& denied) {
    return {true, denied.hex()};
  }
  return {};
}

}  // namespace

std::vector<std::string> RegistryScancodeMap::List() {
  return ListScancodeMappings(registry_);
}

ScancodeWrite RegistryScancodeMap::Add(const std::string& source, const std::string& target) {
  return Attempt([&] { AddScancodeMapping(registry_, source, target); });
}

ScancodeWrite RegistryScancodeMap::Remove(const std::string& source, const std::string& target) {
  return Attempt([&] { RemoveScancodeMapping(registry_, source, target); });
}

ScancodeWrite RegistryScancodeMap::DeleteAll() {
  return Attempt([&] { DeleteScancodeMap(registry_); });
}

}  // namespace zv
