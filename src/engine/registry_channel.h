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
// This process is the only writer of both values (one instance runs), so the channel answers
// them from memory once it has written or read them: the hook's per-event read of "TempCode"
// costs no registry call. Every change of "TempCode" is still written to the registry at once
// and in order, so what the registry shows is what it always showed. The channel keeps its two
// keys open between writes; a key deleted behind its back (Reset All, or another program) makes
// the next write fail, and the channel then opens the key again, creating it, and retries once.
//
// Given a scheduler, the channel keeps the hook's path free of registry calls: a change of
// "TempCode" takes effect in memory at once and its registry write is posted, to go out once the
// hook has returned, every change in the order it was made. A write that then fails is reported
// by the scheduler (its error box); the registry's value counts as unknown until written again.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/scheduler.h"

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

  // Where the "TempCode" writes are posted; without one (nullptr) they are written at once.
  // Setting it writes what is still waiting (a failure there is not reported).
  void SetScheduler(platform::Scheduler* scheduler);
  // Writes every "TempCode" change still waiting, in order.
  void FlushTempCode();

  // Start-up: "Handle" = window, then "TempCode" = 0. Throws "Failed to set data for '%s'".
  void PublishWindowHandle(std::uint32_t window);
  // "Handle". Only one instance of the program runs, and only it publishes, so a channel that
  // published answers from memory and spares the hook a registry call per key event; any other
  // reads the registry, and throws "Failed to get data for '%s'" when the value is missing and
  // "Invalid data type for '%s'" when it is not a REG_DWORD.
  std::uint32_t ReadHandle();
  // The hook's read-and-reset: "TempCode" (0 when absent), then "TempCode" = 0. Answered from
  // memory; the registry is read only while the channel does not know the value (before its
  // first write, after Reset All), and written only when the value changes, so an unmapped key
  // costs no registry call. Throws "Invalid data type for '%s'" or "Failed to set data for '%s'".
  int TakeTempCode();
  // Announces the code of the key about to be injected. Throws "Failed to set data for '%s'"
  // (when written at once).
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
  void WriteTempCodeNow(int code);

  platform::Registry& registry_;
  bool resolved_ = false;
  platform::RegistryRoot root_ = platform::RegistryRoot::LocalMachine;
  platform::RegistryKey property_ = 0;
  platform::RegistryKey disable_ = 0;
  bool published_ = false;
  std::uint32_t window_ = 0;
  bool tempCodeKnown_ = false;  // tempCode_ is what the registry holds
  int tempCode_ = 0;
  platform::Scheduler* scheduler_ = nullptr;
  std::vector<int> waiting_;  // "TempCode" values not written yet, oldest first
  // A flush posted before this object went away finds the token gone and does nothing.
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace zv
