#include "engine/registry_channel.h"

#include "common/error.h"

namespace zv {

using platform::RegistryKey;
using platform::RegistryRead;
using platform::RegistryRoot;

RegistryRoot ResolveChannelRoot(platform::Registry& registry, const std::string& path) {
  RegistryKey key = registry.CreateKey(RegistryRoot::LocalMachine, path);
  if (!key) return RegistryRoot::CurrentUser;
  registry.CloseKey(key);
  return RegistryRoot::LocalMachine;
}

RegistryChannel::RegistryChannel(platform::Registry& registry) : registry_(registry) {}

RegistryChannel::~RegistryChannel() {
  try {
    FlushTempCode();
  } catch (...) {
    // The program ends: there is nobody left to tell.
  }
  registry_.CloseKey(property_);
  registry_.CloseKey(disable_);
}

RegistryRoot RegistryChannel::root() {
  if (!resolved_) {
    root_ = ResolveChannelRoot(registry_, kPropertyKeyPath);
    resolved_ = true;
  }
  return root_;
}

RegistryKey RegistryChannel::Key(RegistryKey& slot, const char* path) {
  if (!slot) slot = registry_.CreateKey(root(), path);
  return slot;
}

void RegistryChannel::Reopen(RegistryKey& slot, const char* path) {
  registry_.CloseKey(slot);
  slot = 0;
  Key(slot, path);
}

void RegistryChannel::Write(RegistryKey& slot, const char* path, const char* name,
                            std::uint32_t value) {
  if (registry_.WriteDword(Key(slot, path), name, value)) return;
  Reopen(slot, path);
  if (!slot || !registry_.WriteDword(slot, name, value)) {
    throw Error(FormatMessage("Failed to set data for '%s'", name));
  }
}

void RegistryChannel::PublishWindowHandle(std::uint32_t window) {
  published_ = false;
  Write(property_, kPropertyKeyPath, kHandleValue, window);
  published_ = true;
  window_ = window;
  WriteTempCode(0);
}

RegistryRead RegistryChannel::Read(RegistryKey& slot, const char* path, const char* name,
                                   std::uint32_t& value) {
  RegistryRead status = registry_.ReadDword(Key(slot, path), name, value);
  if (status == RegistryRead::Failed) {
    // The key was deleted (Reset All): this read re-creates it.
    Reopen(slot, path);
    status = registry_.ReadDword(slot, name, value);
  }
  if (status == RegistryRead::WrongType) {
    throw Error(FormatMessage("Invalid data type for '%s'", name));
  }
  return status;
}

std::uint32_t RegistryChannel::ReadHandle() {
  if (published_) return window_;
  std::uint32_t value = 0;
  if (Read(property_, kPropertyKeyPath, kHandleValue, value) != RegistryRead::Ok) {
    throw Error(FormatMessage("Failed to get data for '%s'", kHandleValue));
  }
  return value;
}

int RegistryChannel::TakeTempCode() {
  if (!tempCodeKnown_) {
    std::uint32_t value = 0;
    RegistryRead status = Read(disable_, kDisableKeyPath, kTempCodeValue, value);
    if (status == RegistryRead::Ok && value == 0) {
      tempCodeKnown_ = true;
      tempCode_ = 0;
      return 0;
    }
    tempCode_ = status == RegistryRead::Ok ? static_cast<int>(value) : 0;
  }
  int expected = tempCode_;
  if (!tempCodeKnown_ || expected != 0) WriteTempCode(0);  // absent or set: reset it
  return expected;
}

void RegistryChannel::SetScheduler(platform::Scheduler* scheduler) {
  try {
    FlushTempCode();
  } catch (const Error&) {
    // The value stays unknown and is read again when next needed.
  }
  scheduler_ = scheduler;
}

void RegistryChannel::WriteTempCode(int code) {
  if (!scheduler_) {
    WriteTempCodeNow(code);
    return;
  }
  tempCode_ = code;
  tempCodeKnown_ = true;
  waiting_.push_back(code);
  if (waiting_.size() > 1) return;  // a flush is already on its way
  scheduler_->Post([this, alive = std::weak_ptr<char>(alive_)] {
    if (!alive.expired()) FlushTempCode();
  });
}

void RegistryChannel::FlushTempCode() {
  std::vector<int> codes;
  codes.swap(waiting_);
  for (int code : codes) WriteTempCodeNow(code);  // a failure leaves the value unknown
}

void RegistryChannel::WriteTempCodeNow(int code) {
  tempCodeKnown_ = false;  // a failed write leaves the registry's value unknown
  Write(disable_, kDisableKeyPath, kTempCodeValue, static_cast<std::uint32_t>(code));
  tempCode_ = code;
  tempCodeKnown_ = true;
}

void RegistryChannel::DeleteTempCodeKey() {
  waiting_.clear();  // the key goes, and with it whatever they would have written
  tempCodeKnown_ = false;
  registry_.CloseKey(disable_);
  disable_ = 0;
  registry_.DeleteKey(root(), kDisableKeyPath);
}

}  // namespace zv
