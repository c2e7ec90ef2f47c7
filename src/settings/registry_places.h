#pragma once
// Where the program's registry entries live: under HKEY_LOCAL_MACHINE where this user may
// write, under HKEY_CURRENT_USER otherwise, so a standard user gets a working recent list and
// autorun without errors.
#include <string>

#include "platform/registry.h"

namespace zv {

// A root key and the path below it.
struct RegistryPlace {
  platform::RegistryRoot root = platform::RegistryRoot::LocalMachine;
  std::string path;
};

// "HKEY_LOCAL_MACHINE\SOFTWARE\Quillon\RecentFiles": the first segment names the root in any
// letter case ("HKLM", "HKEY_LOCAL_MACHINE", "HKCU", "HKEY_CURRENT_USER", "HKEY_USERS", "HKCR",
// "HKEY_CLASSES_ROOT"); anything else, or no backslash at all, is HKEY_LOCAL_MACHINE. The path
// is the rest after the first backslash (a path without one is taken whole).
RegistryPlace ParseRootKey(const std::string& registryPath);

// Opens place's key with full access (create: making it when absent); when that is refused
// under HKEY_LOCAL_MACHINE, the same path under HKEY_CURRENT_USER. 0 when neither opens. The
// root that opened goes to *opened when given.
platform::RegistryKey OpenWritable(platform::Registry& registry, const RegistryPlace& place,
                                   bool create, platform::RegistryRoot* opened = nullptr);

}  // namespace zv
