#pragma once
// The main window's handling of the hook's messages: names the event's key, looks its mapping
// up in the settings file (the focused program's "SwapKey <exe>", then "SwapKey"), and injects the
// target key in the same direction or, on key-down, runs the target's action. Mappings come from
// the settings file's snapshot in memory, which the program's own writes update at once and the
// folder watch (SettingsWatch) within moments of another program's edit.
//
// What the dispatcher remembers is which keys it pressed: per source key still held, the targets
// pressed for it (the source's key-up releases exactly those, even when the mapping changed or
// went away meanwhile), and every key injected down and not yet up. When the program loses
// sight of the keyboard, ReleasePressedKeys releases all of those at once; the sources' later
// key-ups then inject nothing, so each key is released exactly once.
#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/action_runner.h"
#include "engine/error_reporter.h"
#include "engine/hook_client.h"
#include "engine/program_mappings.h"
#include "engine/registry_channel.h"
#include "engine/scan_code_table.h"
#include "platform/input.h"
#include "platform/scheduler.h"
#include "settings/settings_file.h"

namespace zv {

class Dispatcher : public KeySimulator, public HookClient {
 public:
  Dispatcher(SettingsFile& settings, RegistryChannel& channel, platform::Input& input);

  // The actions the targets 501 and up run; none until set (then actions run nothing).
  void SetActionRunner(ActionRunner* actions) { actions_ = actions; }
  // Where the "NumShiftFlag" write is posted, to run once the hook has returned (the hook path
  // never waits for the disk), and the look at the keyboard layout after each injection (its
  // scan codes are taken from a table built once per layout). Until one is set the flag is not
  // written and the table stays on the layout it was built for.
  void SetScheduler(platform::Scheduler* scheduler) { scheduler_ = scheduler; }

  void WMHookKeyDown(int virtualKey) override;
  void WMHookKeyUp(int virtualKey) override;
  // Carries out the mapping of the named source key for one event. Returns the key code it
  // injected, or -1 when it injected none (no mapping, an action, or an unknown target).
  int ApplyMapping(const std::string& keyName, bool isDown);
  // Announces code in "TempCode", then injects one event for it (marked as the program's own,
  // with its scan code from the layout's table and, for extended keys, the extended-key flag).
  // An unknown target (-1) injects nothing.
  void SimulateKey(int code, bool isDown) override;
  void SimulateKeys(const std::vector<SimulatedKey>& keys) override;
  void ReleasePressedKeys() noexcept override;
  bool HandlesKey(int virtualKey) override;
  bool InterceptsHere(int virtualKey) override;
  // Which program has the focus, and its mappings.
  ProgramMappings& programs() { return programs_; }

 private:
  std::string SourceName(const IniDocument& doc, const std::string& section, int virtualKey);
  // Posts the write of "NumShiftFlag" "NumDown" = "1" for a target containing "Shift", once
  // per version of the file: a write that fails (the file is read-only or held) is not posted
  // again at every key press, only once the file has changed.
  void NoteShiftTarget(const std::string& target);
  int Apply(const IniDocument& doc, const std::string& section, const std::string& keyName,
            bool isDown);
  void Inject(const std::vector<platform::KeyInput>& events);
  platform::KeyInput KeyInputOf(int code, bool isDown);

  SettingsFile& settings_;
  RegistryChannel& channel_;
  platform::Input& input_;
  ActionRunner* actions_ = nullptr;
  platform::Scheduler* scheduler_ = nullptr;
  std::uint64_t shiftFlagTried_ = 0;  // the snapshot version the flag was last posted for
  ScanCodeTable scans_;
  bool layoutLookPosted_ = false;
  std::map<int, std::vector<int>> held_;  // source key -> target keys pressed for it
  std::bitset<256> pressed_;              // keys injected down and not yet up
  std::set<int> released_;  // held sources whose targets a loss released: their up is done
  ProgramMappings programs_{settings_};  // per snapshot: each program's mapped keys
};

// The window procedure's part: runs the handler for WM_HOOKKEYDOWN / WM_HOOKKEYUP and posts any
// error, since the handler runs inside the hook. Returns false for other messages.
bool DispatchHookMessage(Dispatcher& dispatcher, ErrorReporter& errors, unsigned message,
                         std::uintptr_t wParam) noexcept;

}  // namespace zv
