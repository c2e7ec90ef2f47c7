#include "tests/engine/engine_rig.h"

#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "tests/engine/key_notation.h"

namespace zv::testing_engine {

EngineRig::EngineRig() {
  PrepareSettingsFile(settings);
  channel.PublishWindowHandle(kWindow);
  windows.AddOwnWindow(kWindow, [this](unsigned message, std::uintptr_t wParam) {
    DispatchHookMessage(dispatcher, errors, message, wParam);
  });
  dispatcher.SetActionRunner(&actions);
  dispatcher.SetScheduler(&scheduler);
  channel.SetScheduler(&scheduler);
  hook.SetClient(&client);
  settingsWatch.Start();
  dispatcher.programs().SetForeground(&foreground);
  foreground.Watch(focus);
}

void EngineRig::WriteFile(const std::string& text) {
  files.Put(kPath, text);
  Notify();
}

void EngineRig::Notify() {
  folderWatcher.Fire();
  scheduler.RunPending();
}

void EngineRig::Map(const std::string& source, const std::string& target,
                    const std::string& parameter, const std::string& program) {
  StoreMapping(settings, source, target, parameter, program);
}

void EngineRig::Unmap(const std::string& source) {
  RemoveMapping(settings, source);
}

std::string EngineRig::run(const std::string& keys) {
  std::size_t from = input.received.size();
  std::uint32_t start = input.now;
  for (const KeyStroke& k : ParseKeys(keys)) {
    if (k.at >= 0) {
      std::uint32_t to = start + static_cast<std::uint32_t>(k.at);
      scheduler.Advance(to - input.now);  // the timers due meanwhile run first
      input.now = to;
    }
    if (k.vk == 1) {
      if (k.down) input.ClickMouse();
    } else if (k.vk == kAltGr) {
      input.PressAltGr(k.down);
    } else {
      input.Press(k.vk, k.down, k.sys);
    }
    scheduler.RunPending();
  }
  return FormatEvents({input.received.begin() + static_cast<long>(from), input.received.end()});
}

std::string EngineRig::injectedSince(std::size_t from) const {
  return FormatEvents({input.injected.begin() + static_cast<long>(from), input.injected.end()});
}

int EngineRig::TempCode() {
  scheduler.RunPending();  // the writes posted by the hook go out
  platform::RegistryKey key = registry.OpenKey(channel.root(), kDisableKeyPath);
  std::uint32_t value = 0;
  platform::RegistryRead status = registry.ReadDword(key, kTempCodeValue, value);
  registry.CloseKey(key);
  return status == platform::RegistryRead::Ok ? static_cast<int>(value) : -999;
}

}  // namespace zv::testing_engine
