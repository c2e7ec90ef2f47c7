#include "settings/autorun.h"

#include "common/error.h"
#include "settings/registry_places.h"

namespace zv {

using platform::RegistryKey;
using platform::RegistryRead;
using platform::RegistryRoot;

std::string AutoRunCommand(const std::string& executablePath) {
  return "\"" + executablePath + "\" -Hide";
}

std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsAutoRun(platform::Registry& registry, const std::string& executablePath) {
  std::string name = FileNameOf(executablePath);
  for (RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
    RegistryKey key = registry.OpenKeyForReading(root, kRunKeyPath);
    if (!key) continue;
    std::string data;
    RegistryRead read = registry.ReadString(key, name, data);
    registry.CloseKey(key);
    if (read == RegistryRead::Ok || read == RegistryRead::WrongType) return true;
  }
  return false;
}

void SetAutoRun(platform::Registry& registry, const std::string& executablePath, bool on) {
  std::string name = FileNameOf(executablePath);
  if (!on) {
    for (RegistryRoot root : {RegistryRoot::LocalMachine, RegistryRoot::CurrentUser}) {
      RegistryKey key = registry.OpenKey(root, kRunKeyPath);
      if (!key) continue;
      registry.DeleteValue(key, name);
      registry.CloseKey(key);
    }
    return;
  }
  RegistryKey key = OpenWritable(registry, {RegistryRoot::LocalMachine, kRunKeyPath}, true);
  bool written = key && registry.WriteString(key, name, AutoRunCommand(executablePath));
  registry.CloseKey(key);
  if (!written) throw Error(FormatMessage("Failed to set data for '%s'", name));
}

}  // namespace zv
