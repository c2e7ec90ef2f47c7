#pragma once
// The two registry values through which the main window, the dispatcher and the hook agree:
// "Handle" (the main window that receives the hook's messages) under
// "Software\Quillon\Propertiy", and "TempCode" (the code of the key the program is injecting
// right now) under "Software\Quillon\DisableKey".
//
// The keys belong under HKEY_LOCAL_MACHINE, but a 64-bit program run by a standard user cannot
// write there; then the same paths under HKEY_CURRENT_USER are used. Every reader and writer
// goes through ResolveChannelRoot, so all of them agree on the root.
//
// The hook touches "TempCode" on every key event, so the channel keeps its two keys open
// between uses instead of opening and closing them each time. A key deleted behind its back
// (Reset All, or another program) makes the next read or write fail; the channel then opens
// the key again, creating it, and retries once.
#include <cstdint>
#include <string>

#include "platform/registry.h"

namespace zv {

inline constexpr const char* kPropertyKeyPath = "Software\\Quillon\\Propertiy";
inline constexpr const char* kDisableKeyPath = "Software\\Quillon\\DisableKey";
inline constexpr const char* kHandleValue = "Handle";
inline constexpr const char* kTempCodeValue = "TempCode";

// HKEY_LOCAL_MACHINE when path can be opened there with full access (created when absent),
// else HKEY_CURRENT_USER.
platform::RegistryRoot ResolveChannelRoot(platform::Registry& registry, const std::string& path);

class RegistryChannel {
 public:
  explicit RegistryChannel(platform::Registry& registry);
  ~RegistryChannel();
  RegistryChannel(const RegistryChannel&) = delete;
  RegistryChannel& operator=(const RegistryChannel&) = delete;

  // Start-up: "Handle" = window, then "TempCode" = 0. Throws "Failed to set data for '%s'".
  void PublishWindowHandle(std::uint32_t window);
  // "Handle". Only one instance of the program runs, and only it publishes, so a channel that
  // published answers from memory and spares the hook a registry call per key event; any other
  // reads the registry, and throws "Failed to get data for '%s'" when the value is missing and
  // "Invalid data type for '%s'" when it is not a REG_DWORD.
  std::uint32_t ReadHandle();
  // The hook's read-and-reset: "TempCode" (0 when absent), then "TempCode" = 0. A value that
  // is 0 already is not written again, which spares a registry call on every typed key.
  // Throws "Invalid data type for '%s'" or "Failed to set data for '%s'".
  int TakeTempCode();
  // Announces the code of the key about to be injected. Throws "Failed to set data for '%s'".
  void WriteTempCode(int code);
  // Reset All removes "Software\Quillon\DisableKey" as a whole.
  void DeleteTempCodeKey();

  platform::RegistryRoot root();

 private:
  platform::RegistryKey Key(platform::RegistryKey& slot, const char* path);
  void Reopen(platform::RegistryKey& slot, const char* path);
  // Reads a REG_DWORD, re-creating a deleted key; throws "Invalid data type for '%s'".
  platform::RegistryRead Read(platform::RegistryKey& slot, const char* path, const char* name,
                              std::uint32_t& value);
  void Write(platform::RegistryKey& slot, const char* path, const char* name, std::uint32_t value);

  platform::Registry& registry_;
  bool resolved_ = false;
  platform::RegistryRoot root_ = platform::RegistryRoot::LocalMachine;
  platform::RegistryKey property_ = 0;
  platform::RegistryKey disable_ = 0;
  bool published_ = false;
  std::uint32_t window_ = 0;
};

}  // namespace zv
