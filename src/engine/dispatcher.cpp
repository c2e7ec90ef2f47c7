#include "engine/dispatcher.h"

#include <algorithm>
#include <exception>

#include "catalogue/key_catalogue.h"
#include "catalogue/source_key_names.h"
#include "common/error.h"
#include "engine/hook_messages.h"

namespace zv {

namespace {
constexpr const char* kSwapKey = "SwapKey";
}  // namespace

Dispatcher::Dispatcher(SettingsFile& settings, RegistryChannel& channel, platform::Input& input)
    : settings_(settings), channel_(channel), input_(input) {}

std::string Dispatcher::SourceName(const IniDocument& doc, int virtualKey) {
  SourceKeyNames names = SourceKeyNamesOf(virtualKey);
  std::string table(names.tableName);
  if (names.listName.empty()) return table;
  std::string list(names.listName);
  if (!doc.ValueExists(kSwapKey, table) && doc.ValueExists(kSwapKey, list)) return list;
  return table;
}

bool Dispatcher::NoteShiftTarget(const IniDocument& doc, const std::string& keyName) {
  if (doc.ReadString(kSwapKey, keyName, "0").find("Shift") == std::string::npos) return false;
  if (doc.ReadString("NumShiftFlag", "NumDown", "") == "1") return false;  // already there
  try {
    settings_.WriteString("NumShiftFlag", "NumDown", "1");
  } catch (const Error&) {
    // Nothing reads the flag back; a read-only file must not stop the key's mapping.
  }
  return true;
}

void Dispatcher::WMHookKeyDown(int virtualKey) {
  // The mapping comes from the settings file's snapshot in memory (a write updates it).
  const IniDocument& doc = settings_.Snapshot();
  std::string name = SourceName(doc, virtualKey);
  bool wrote = NoteShiftTarget(doc, name);
  int code = Apply(wrote ? settings_.Snapshot() : doc, name, true);
  if (code < 0) return;
  std::vector<int>& pressed = held_[virtualKey];
  if (std::find(pressed.begin(), pressed.end(), code) == pressed.end()) pressed.push_back(code);
}

void Dispatcher::WMHookKeyUp(int virtualKey) {
  auto it = held_.find(virtualKey);
  if (it == held_.end()) {
    const IniDocument& doc = settings_.Snapshot();
    Apply(doc, SourceName(doc, virtualKey), false);
    return;
  }
  std::vector<int> pressed = std::move(it->second);
  held_.erase(it);
  for (int code : pressed) SimulateKey(code, false);
}

int Dispatcher::ApplyMapping(const std::string& keyName, bool isDown) {
  return Apply(settings_.Snapshot(), keyName, isDown);
}

int Dispatcher::Apply(const IniDocument& doc, const std::string& keyName, bool isDown) {
  if (!doc.ValueExists(kSwapKey, keyName)) return -1;
  std::string target = doc.ReadString(kSwapKey, keyName, "Null");
  int code = target == ";" ? 186 : ResolveKeyCode(target);
  if (code < 500) {
    if (code < 0) return -1;  // a name the catalogue does not hold injects nothing
    SimulateKey(code, isDown);
    return code;
  }
  if (!isDown || code == 500 || code == 600) return -1;
  std::string parameter = code > 600 ? doc.ReadString(target, "Parameter", "0") : std::string();
  if (actions_) actions_->RunAction(std::string(KeyNameOfCode(code)), parameter);
  return -1;
}

void Dispatcher::SimulateKey(int code, bool isDown) {
  if (code < 0) return;
  channel_.WriteTempCode(code);
  unsigned scan = input_.MapKey(static_cast<unsigned>(code), 0);
  input_.KeybdEvent(static_cast<std::uint8_t>(code & 0xFF), static_cast<std::uint8_t>(scan & 0xFF),
                    isDown ? 0 : platform::kKeyEventfKeyUp, kInjectionMarker);
}

bool DispatchHookMessage(Dispatcher& dispatcher, ErrorReporter& errors, unsigned message,
                         std::uintptr_t wParam) noexcept {
  if (message != WM_HOOKKEYDOWN && message != WM_HOOKKEYUP) return false;
  try {
    int vk = static_cast<int>(wParam & 0xFFFFFFFF);
    if (message == WM_HOOKKEYDOWN) {
      dispatcher.WMHookKeyDown(vk);
    } else {
      dispatcher.WMHookKeyUp(vk);
    }
  } catch (const std::exception& e) {
    errors.PostError(e.what());
  } catch (...) {
  }
  return true;
}

}  // namespace zv
