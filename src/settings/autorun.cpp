#include "settings/autorun.h"

#include "common/error.h"
#include "settings/registry_places.h"

namespace zv {

using platform::RegistryKey;
using platform::RegistryRead;
using platform::RegistryRoot;

namespace {

bool Holds(platform::Registry& registry, RegistryRoot root, const std::string& name) {
  RegistryKey key = registry.OpenKeyForReading(root, kRunKeyPath);
  if (!key) return false;
  std::string data;
  RegistryRead read = registry.ReadString(key, name, data);
  registry.CloseKey(key);
  return read == RegistryRead::Ok || read == RegistryRead::WrongType;
}

// Deletes the value where this user may; refusals are found by reading again.
void Delete(platform::Registry& registry, RegistryRoot root, const std::string& name) {
  RegistryKey key = registry.OpenKey(root, kRunKeyPath);
  if (!key) return;
  registry.DeleteValue(key, name);
  registry.CloseKey(key);
}

bool Write(platform::Registry& registry, RegistryKey key, const std::string& executablePath) {
  bool written =
      key && registry.WriteString(key, FileNameOf(executablePath), AutoRunCommand(executablePath));
  registry.CloseKey(key);
  return written;
}

}  // namespace

std::string AutoRunCommand(const std::string& executablePath) {
  return "\"" + executablePath + "\" -Hide";
}

std::string FileNameOf(const std::string& path) {
  std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsAutoRun(platform::Registry& registry, const std::string& executablePath) {
  std::string name = FileNameOf(executablePath);
  return Holds(registry, RegistryRoot::LocalMachine, name) ||
         Holds(registry, RegistryRoot::CurrentUser, name);
}

bool SetAutoRun(platform::Registry& registry, const std::string& executablePath, bool on) {
  const std::string name = FileNameOf(executablePath);
  const bool machine = Holds(registry, RegistryRoot::LocalMachine, name);
  if (!on) {
    Delete(registry, RegistryRoot::CurrentUser, name);
    return !machine || RemoveMachineAutoRun(registry, executablePath);
  }
  // Windows starts every copy: the program keeps one. A machine-wide value this user may not
  // rewrite stays as it is, and a user's copy beside it (an earlier version wrote one) goes.
  if (machine) {
    Write(registry, registry.OpenKey(RegistryRoot::LocalMachine, kRunKeyPath), executablePath);
    Delete(registry, RegistryRoot::CurrentUser, name);
    return true;
  }
  RegistryKey key = Holds(registry, RegistryRoot::CurrentUser, name)
                        ? registry.OpenKey(RegistryRoot::CurrentUser, kRunKeyPath)
                        : OpenWritable(registry, {RegistryRoot::LocalMachine, kRunKeyPath}, true);
  if (!Write(registry, key, executablePath))
    throw Error(FormatMessage("Failed to set data for '%s'", name));
  return true;
}

bool RemoveMachineAutoRun(platform::Registry& registry, const std::string& executablePath) {
  const std::string name = FileNameOf(executablePath);
  Delete(registry, RegistryRoot::LocalMachine, name);
  return !Holds(registry, RegistryRoot::LocalMachine, name);
}

}  // namespace zv
