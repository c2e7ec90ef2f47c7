#include "ui/registry_scancode_map.h"

#include "scancode/scancode_map.h"

namespace zv {

std::vector<std::string> RegistryScancodeMap::List() {
  return ListScancodeMappings(registry_);
}

ScancodeWrite RegistryScancodeMap::Add(const std::string& source, const std::string& target) {
  try {
    AddScancodeMapping(registry_, source, target);
    return {};
  } catch (const ScancodeWriteDenied& denied) {
    return {true, denied.hex()};
  }
}

ScancodeWrite RegistryScancodeMap::Remove(const std::string& source, const std::string& target) {
  try {
    RemoveScancodeMapping(registry_, source, target);
    return {};
  } catch (const ScancodeWriteDenied& denied) {
    return {true, denied.hex()};
  }
}

void RegistryScancodeMap::DeleteAll() {
  DeleteScancodeMap(registry_);
}

bool RegistryScancodeMap::WriteElevated(const std::string& hex) {
  return writeElevated_ && writeElevated_(hex);
}

}  // namespace zv
