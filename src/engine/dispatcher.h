#pragma once
// The main window's handling of the hook's messages: names the event's key, looks its mapping
// up in the settings file ("SwapKey"), and injects the target key in the same direction or, on
// key-down, runs the target's action. Mappings come from the settings file's snapshot in
// memory, which the program's own writes update at once and the folder watch (SettingsWatch)
// within moments of another program's edit.
//
// The one thing the dispatcher remembers is which target keys it pressed for a source key that
// is still held: the source's key-up releases exactly those, even when the mapping changed or
// went away meanwhile, so no injected key is ever left down.
#include <map>
#include <string>
#include <vector>

#include "engine/action_runner.h"
#include "engine/error_reporter.h"
#include "engine/registry_channel.h"
#include "platform/input.h"
#include "settings/settings_file.h"

namespace zv {

class Dispatcher : public KeySimulator {
 public:
  Dispatcher(SettingsFile& settings, RegistryChannel& channel, platform::Input& input);

  // The actions the targets 501 and up run; none until set (then actions run nothing).
  void SetActionRunner(ActionRunner* actions) { actions_ = actions; }

  void WMHookKeyDown(int virtualKey);
  void WMHookKeyUp(int virtualKey);
  // Carries out the mapping of the named source key for one event. Returns the key code it
  // injected, or -1 when it injected none (no mapping, an action, or an unknown target).
  int ApplyMapping(const std::string& keyName, bool isDown);
  // Announces code in "TempCode", then injects one event for it (marked as the program's own,
  // never with the extended-key flag). An unknown target (-1) injects nothing.
  void SimulateKey(int code, bool isDown) override;

 private:
  std::string SourceName(const IniDocument& doc, int virtualKey);
  // Writes "NumShiftFlag" "NumDown" = "1" for a target containing "Shift"; true when it wrote
  // (the caller then looks at the file again).
  bool NoteShiftTarget(const IniDocument& doc, const std::string& keyName);
  int Apply(const IniDocument& doc, const std::string& keyName, bool isDown);

  SettingsFile& settings_;
  RegistryChannel& channel_;
  platform::Input& input_;
  ActionRunner* actions_ = nullptr;
  std::map<int, std::vector<int>> held_;  // source key -> target keys pressed for it
};

// The window procedure's part: runs the handler for WM_HOOKKEYDOWN / WM_HOOKKEYUP and posts any
// error, since the handler runs inside the hook. Returns false for other messages.
bool DispatchHookMessage(Dispatcher& dispatcher, ErrorReporter& errors, unsigned message,
                         std::uintptr_t wParam) noexcept;

}  // namespace zv
