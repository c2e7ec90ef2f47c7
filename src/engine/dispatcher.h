#pragma once
// The engine's side of the hook: looks each key's mapping up in the settings file (a held
// layer's, the focused program's "SwapKey <exe>", then "SwapKey"; the shortcuts likewise), and
// carries out what the decision makes of it: target keys injected, actions run. Mappings come
// from the settings file's snapshot in memory, which the program's own writes update at once and
// the folder watch (SettingsWatch) within moments of another program's edit. The window's
// WM_HOOKKEYDOWN / WM_HOOKKEYUP, sent by others, take the same decision.
//
// The dispatcher remembers nothing about keys itself: it holds the engine's one owner of key
// state (KeyDecision), answers its questions from the focused program's tables, and carries out
// what it decides: the keys it asks for go out in one SendInput, each announced in "TempCode"
// first; an action runs after the hook has returned. Every key injected, by a mapping or by an
// action, is noted there, so a loss of sight (LoseSight) releases each exactly once; the
// actions then drop the keys they still had to press.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/action_runner.h"
#include "engine/error_reporter.h"
#include "engine/hook_client.h"
#include "engine/layer_tables.h"
#include "engine/program_mappings.h"
#include "engine/registry_channel.h"
#include "engine/scan_code_table.h"
#include "engine/shortcut_tables.h"
#include "platform/input.h"
#include "platform/scheduler.h"
#include "settings/settings_file.h"

namespace zv {

class Dispatcher : public KeySimulator,
                   public HookClient,
                   public platform::MouseButtonSink,
                   private KeyTables {
 public:
  Dispatcher(SettingsFile& settings, RegistryChannel& channel, platform::Input& input);

  // The actions the targets 501 and up run; none until set (then actions run nothing).
  void SetActionRunner(ActionRunner* actions) { actions_ = actions; }
  // Where the "NumShiftFlag" write is posted, to run once the hook has returned (the hook path
  // never waits for the disk), and the look at the keyboard layout after each injection (its
  // scan codes are taken from a table built once per layout). Until one is set the flag is not
  // written and the table stays on the layout it was built for.
  void SetScheduler(platform::Scheduler* scheduler) { scheduler_ = scheduler; }

  // The window's messages: an event of a listed key, decided as the hook decides, so that its
  // release undoes what its press did.
  void WMHookKeyDown(int virtualKey);
  void WMHookKeyUp(int virtualKey);
  // Announces code in "TempCode", then injects one event for it (marked as the program's own,
  // with its scan code from the layout's table and, for extended keys, the extended-key flag).
  // An unknown target (-1) injects nothing. These are the actions' keys: a modifier that the
  // user or a held key holds down is neither pressed again nor let go by them.
  void SimulateKey(int code, bool isDown) override;
  void SimulateKeys(const std::vector<SimulatedKey>& keys) override;
  // An action cut short: what it pressed goes up; what held keys pressed stays.
  void ReleasePressedKeys() noexcept override;
  void LoseSight(bool keysUnseen) noexcept override;
  bool Maps(int virtualKey) override;
  bool Unseen(int virtualKey) override { return keys_.Unseen(virtualKey); }
  bool OnKeyEvent(const KeyIn& in) override;
  const KeyDecision& keys() const { return keys_; }
  // Which program has the focus, and its mappings.
  ProgramMappings& programs() { return programs_; }

 private:
  bool Intercepts(int virtualKey) override { return programs_.Intercepts(virtualKey); }
  Target TargetOf(int virtualKey, int layer) override;
  bool LayerMaps(int layer, int virtualKey) override { return layers_.Maps(layer, virtualKey); }
  bool TapHoldOf(int virtualKey, TapHoldRoles& roles) override;
  // The stored value of vk's mapping here ("" when none): "TapHold3", "B", ...
  std::string TargetValue(int virtualKey);
  // Carries out a batch the decision filled: keys, the action, the timer.
  void Carry(const KeyBatch& batch);
  // All of a batch but its keys: the action, the timer, the mouse watch.
  void CarryRest(const KeyBatch& batch);
  void Expire(std::uint64_t timerKey);
  // While a key with two roles is undecided, a mouse button press decides it.
  bool OnMouseButton(unsigned message, std::uint32_t mouseData) noexcept override;
  void WatchMouseWhileUndecided();
  ShortcutHit ShortcutOf(int virtualKey, std::uint8_t held) override;
  void RunAction(const std::string& target, const IniDocument& doc, bool repeat);
  int ActionNumber(const std::string& target);
  bool MapsHere(int virtualKey);
  std::string SourceName(const IniDocument& doc, const std::string& section, int virtualKey);
  // Posts the write of "NumShiftFlag" "NumDown" = "1" for a target containing "Shift", once
  // per version of the file: a write that fails (the file is read-only or held) is not posted
  // again at every key press, only once the file has changed.
  void NoteShiftTarget(const std::string& target);
  // False when the system took none of the events.
  bool Inject(const std::vector<platform::KeyInput>& events);
  // The decision's keys, each announced in "TempCode", in one SendInput.
  bool Send(const std::vector<SimulatedKey>& keys);
  // Releases after a loss, sent even when "TempCode" cannot be written.
  void SendReleases(const KeyBatch& ups);
  platform::KeyInput KeyInputOf(int code, bool isDown);

  SettingsFile& settings_;
  RegistryChannel& channel_;
  platform::Input& input_;
  ActionRunner* actions_ = nullptr;
  platform::Scheduler* scheduler_ = nullptr;
  std::uint64_t shiftFlagTried_ = 0;  // the snapshot version the flag was last posted for
  ScanCodeTable scans_;
  bool layoutLookPosted_ = false;
  KeyDecision keys_;
  KeyBatch batch_;  // reused: a decision allocates nothing once the batch has grown
  ProgramMappings programs_{settings_};  // per snapshot: each program's mapped keys
  ShortcutTables shortcuts_{settings_};  // per snapshot: the shortcut mappings
  LayerTables layers_{settings_};        // per snapshot: the layers
  bool watchingMouse_ = false;
  // The actions the decision's records name by number (ActionNumber): each target as stored in
  // the file, so that a key's repeats run its press's action whatever the focus or the file
  // says by then. Only grows, by the few targets a file holds.
  std::vector<std::string> actionTargets_;
};

// The window procedure's part: runs the handler for WM_HOOKKEYDOWN / WM_HOOKKEYUP and posts any
// error, since the handler runs inside the hook. Returns false for other messages.
bool DispatchHookMessage(Dispatcher& dispatcher, ErrorReporter& errors, unsigned message,
                         std::uintptr_t wParam) noexcept;

}  // namespace zv
