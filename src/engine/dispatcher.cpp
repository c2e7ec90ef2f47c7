#include "engine/dispatcher.h"

#include <algorithm>
#include <exception>

#include "catalogue/key_catalogue.h"
#include "catalogue/parameter_forms.h"
#include "catalogue/shortcut_name.h"
#include "catalogue/source_key_names.h"
#include "common/error.h"
#include "engine/hook_messages.h"
#include "engine/key_injection.h"
#include "engine/tap_hold_roles.h"
#include "settings/mapping_store.h"

namespace zv {

namespace {
constexpr int kKeyCombinationCode = 602;
}  // namespace

Dispatcher::Dispatcher(SettingsFile& settings, RegistryChannel& channel, platform::Input& input)
    : settings_(settings), channel_(channel), input_(input) {}

std::string Dispatcher::SourceName(const IniDocument& doc, const std::string& section,
                                   int virtualKey) {
  SourceKeyNames names = SourceKeyNamesOf(virtualKey);
  std::string table(names.tableName);
  if (names.listName.empty()) return table;
  std::string list(names.listName);
  if (!doc.ValueExists(section, table) && doc.ValueExists(section, list)) return list;
  return table;
}

void Dispatcher::NoteShiftTarget(const std::string& target) {
  if (!scheduler_ || shiftFlagTried_ == settings_.SnapshotVersion()) return;
  if (target.find("Shift") == std::string::npos) return;
  if (settings_.Snapshot().ReadString("NumShiftFlag", "NumDown", "") == "1") return;
  shiftFlagTried_ = settings_.SnapshotVersion();
  scheduler_->Post([this] {
    try {
      settings_.WriteString("NumShiftFlag", "NumDown", "1");
    } catch (const Error&) {
      // Nothing reads the flag back; a read-only file must not stop the key's mapping.
    }
    // A write that went nowhere leaves the version as it was, so it is not tried again until
    // the file changes.
  });
}

void Dispatcher::WMHookKeyDown(int virtualKey) {
  KeyIn in;
  in.vk = virtualKey;
  in.time = input_.TickCount();
  in.listed = true;
  Maps(virtualKey);
  OnKeyEvent(in);
}

void Dispatcher::WMHookKeyUp(int virtualKey) {
  KeyIn in;
  in.vk = virtualKey;
  in.time = input_.TickCount();
  in.down = false;
  OnKeyEvent(in);
}

bool Dispatcher::Maps(int virtualKey) {
  bool shortcut = shortcuts_.IsKey(virtualKey);
  programs_.Follow(virtualKey,
                   shortcuts_.Dependent(virtualKey) || (shortcut && programs_.AnyOff()));
  return MapsHere(virtualKey) || shortcut || layers_.AnyMaps(virtualKey);
}

bool Dispatcher::MapsHere(int virtualKey) {
  ProgramMappings::Source source = programs_.SourceOf(virtualKey);
  return source == ProgramMappings::Source::All || source == ProgramMappings::Source::Own;
}

bool Dispatcher::OnKeyEvent(const KeyIn& in) {
  batch_.Clear();
  bool swallow = keys_.Decide(in, *this, batch_);
  Carry(batch_);
  return swallow;
}

void Dispatcher::Carry(const KeyBatch& batch) {
  Send(batch.keys);
  CarryRest(batch);
}

void Dispatcher::CarryRest(const KeyBatch& batch) {
  if (batch.lost && actions_) actions_->DropKeys();  // a key sequence in a delay types no more
  const IniDocument& doc = settings_.Snapshot();
  for (const KeyAction& a : batch.actions) RunAction(actionTargets_[a.action], doc, a.repeat);
  if (batch.timerMs >= 0 && scheduler_) {
    std::uint64_t key = batch.timerKey;
    scheduler_->StartTimer(batch.timerMs, [this, key] { Expire(key); });
  }
  WatchMouseWhileUndecided();
}

void Dispatcher::WatchMouseWhileUndecided() {
  if (keys_.Undecided() == watchingMouse_) return;
  watchingMouse_ = keys_.Undecided();
  input_.WatchMouseButtons(watchingMouse_ ? this : nullptr);
}

bool Dispatcher::OnMouseButton(unsigned message, std::uint32_t mouseData) noexcept {
  try {
    KeyBatch batch;
    if (!keys_.MouseButton(*this, batch)) return false;
    std::vector<platform::KeyInput> events;
    for (const SimulatedKey& k : batch.keys) {
      channel_.WriteTempCode(k.code & 0xFF);
      events.push_back(KeyInputOf(k.code, k.isDown));
    }
    platform::KeyInput click;
    click.mouseDown = message;
    click.mouseData = mouseData;
    click.extraInfo = kInjectionMarker;
    events.push_back(click);  // the press comes after the hold, in one piece
    Inject(events);
    CarryRest(batch);  // the actions of keys held back meanwhile
    return true;
  } catch (...) {
    return false;  // the press goes on as it came
  }
}

void Dispatcher::Expire(std::uint64_t timerKey) {
  // The timer may run out while another desktop has the input: none of the keys went in then,
  // and letting go of them later would release keys nobody pressed.
  std::bitset<256> before = keys_.PressedKeys();
  KeyBatch batch;
  keys_.Expire(timerKey, *this, batch);
  if (!Send(batch.keys)) keys_.NotInjected(before);
  CarryRest(batch);
}

std::string Dispatcher::TargetValue(int virtualKey) {
  if (!MapsHere(virtualKey)) return "";
  const IniDocument& doc = settings_.Snapshot();
  const std::string& section = programs_.SectionOf(virtualKey);
  return doc.ReadString(section, SourceName(doc, section, virtualKey), "");
}

bool Dispatcher::TapHoldOf(int virtualKey, TapHoldRoles& roles) {
  if (!programs_.MayHaveTwoRoles(virtualKey)) return false;  // most keys: no string read
  std::string value = TargetValue(virtualKey);
  if (ProgramKey(StripNumberSuffix(value)) != ProgramKey("TapHold")) return false;
  std::string tap;
  roles = ReadTapHoldRoles(settings_.Snapshot().ReadString(value, "Parameter", ""), layers_, tap);
  if (!tap.empty()) roles.tapAction = ActionNumber(tap);
  return true;
}

int Dispatcher::ActionNumber(const std::string& target) {
  auto at = std::find(actionTargets_.begin(), actionTargets_.end(), target);
  if (at != actionTargets_.end()) return static_cast<int>(at - actionTargets_.begin());
  actionTargets_.push_back(target);
  return static_cast<int>(actionTargets_.size() - 1);
}

KeyTables::Target Dispatcher::TargetOf(int virtualKey, int layer) {
  // The mapping comes from the settings file's snapshot in memory (a write updates it): the
  // held layer's, else the focused program's.
  bool layered = layers_.Maps(layer, virtualKey);
  if (!layered && !MapsHere(virtualKey)) return {};  // passed here, or unmapped
  const IniDocument& doc = settings_.Snapshot();
  const std::string& section = layered ? layers_.SectionOf(layer) : programs_.SectionOf(virtualKey);
  std::string name = SourceName(doc, section, virtualKey);
  if (!doc.ValueExists(section, name)) return {};
  std::string target = doc.ReadString(section, name, "Null");
  NoteShiftTarget(target);
  int code = target == ";" ? 186 : ResolveKeyCode(target);
  if (code < 0 || code == 500 || code == 600) return {};  // injects nothing
  return code < 500 ? Target{code, -1} : Target{kNoTarget, ActionNumber(target)};
}

ShortcutHit Dispatcher::ShortcutOf(int virtualKey, std::uint8_t held) {
  ShortcutHit hit;
  if (programs_.FocusedOff()) return hit;
  const ShortcutTables::Entry* e = shortcuts_.Match(virtualKey, held, programs_.program());
  if (!e) return hit;
  const std::string& target = e->target;
  if (ProgramKey(target) == ProgramKey(kUnchangedTarget)) {
    hit.kind = ShortcutHit::Kind::Keep;
    return hit;
  }
  int code = target == ";" ? 186 : ResolveKeyCode(target);
  if (code < 0) return hit;  // a name the catalogue does not hold: the key's own mapping
  hit.kind = ShortcutHit::Kind::Nothing;
  if (code > 0 && code < 256) {
    hit.kind = ShortcutHit::Kind::Keys;
    hit.key = code;
  } else if (code == kKeyCombinationCode) {
    KeyCombination c =
        KeyCombinationOfForm(settings_.Snapshot().ReadString(target, "Parameter", "0"));
    hit.kind = c.key > 0 ? ShortcutHit::Kind::Keys : ShortcutHit::Kind::Nothing;
    hit.key = c.key;
    hit.modifiers =
        static_cast<std::uint8_t>((c.ctrl ? kModLeftCtrl : 0) | (c.alt ? kModLeftAlt : 0) |
                                  (c.shift ? kModLeftShift : 0) | (c.win ? kModLeftWin : 0));
  } else if (code > 500 && code != 600) {
    hit.kind = ShortcutHit::Kind::Action;
    hit.action = ActionNumber(target);
  }
  return hit;
}

void Dispatcher::RunAction(const std::string& target, const IniDocument& doc, bool repeat) {
  if (!actions_) return;
  int code = ResolveKeyCode(target);
  if (code <= 500 || code == 600) return;
  std::string parameter = code > 600 ? doc.ReadString(target, "Parameter", "0") : std::string();
  std::string name(KeyNameOfCode(code));
  if (repeat) {
    actions_->RepeatAction(name, parameter);
  } else {
    actions_->RunAction(name, parameter);
  }
}

void Dispatcher::SimulateKey(int code, bool isDown) {
  SimulateKeys({{code, isDown}});
}

void Dispatcher::SimulateKeys(const std::vector<SimulatedKey>& keys) {
  std::vector<SimulatedKey> own = keys;
  for (SimulatedKey& k : own) {
    // The generic Shift, Ctrl and Alt go out as the left keys, so that the decision knows them
    // as the keys the user and the mappings hold.
    if (k.code >= 16 && k.code <= 18) k.code = k.code == 16 ? 0xA0 : k.code == 17 ? 0xA2 : 0xA4;
  }
  keys_.LeaveHeldKeys(own);
  Send(own);
}

bool Dispatcher::Send(const std::vector<SimulatedKey>& keys) {
  std::vector<platform::KeyInput> events;
  for (const SimulatedKey& k : keys) {
    if (k.code < 0) continue;
    channel_.WriteTempCode(k.code & 0xFF);  // a failure here injects none of the events
    events.push_back(KeyInputOf(k.code, k.isDown));
  }
  return Inject(events);
}

platform::KeyInput Dispatcher::KeyInputOf(int code, bool isDown) {
  platform::KeyInput in = KeyInputFor(code, isDown, scans_.Of(input_, code), kInjectionMarker);
  if (code == kAltGrControlCode) in.scan = platform::kAltGrControlScan;  // as Windows makes it
  return in;
}

bool Dispatcher::Inject(const std::vector<platform::KeyInput>& events) {
  if (events.empty()) return true;
  if (!input_.SendKeys(events.data(), events.size())) return false;
  for (const platform::KeyInput& e : events) {
    if (e.mouseDown) continue;
    bool altGr = e.vk == 0xA2 && e.scan == platform::kAltGrControlScan;
    keys_.NoteInjected(altGr ? kAltGrControlCode : e.vk, !(e.flags & platform::kKeyEventfKeyUp));
  }
  // The layout of the program's thread may have changed meanwhile: looked at once the hook has
  // returned, so the next injection takes its scan codes from the layout then in force.
  if (!scheduler_ || layoutLookPosted_) return true;
  layoutLookPosted_ = true;
  scheduler_->Post([this] {
    layoutLookPosted_ = false;
    scans_.Follow(input_);
  });
  return true;
}

void Dispatcher::SendReleases(const KeyBatch& ups) {
  std::vector<platform::KeyInput> events;
  for (const SimulatedKey& k : ups.keys) {
    try {
      channel_.WriteTempCode(k.code & 0xFF);
    } catch (const Error&) {
      // The release matters more than its announcement; the marker tells the hook it is ours.
    }
    events.push_back(KeyInputOf(k.code, k.isDown));  // ups, and the user's modifiers back
  }
  Inject(events);
}

void Dispatcher::ReleasePressedKeys() noexcept {
  try {
    KeyBatch ups;
    keys_.ReleaseUnheld(ups);
    SendReleases(ups);
  } catch (...) {
  }
}

void Dispatcher::LoseSight(bool keysUnseen) noexcept {
  try {
    KeyBatch ups;
    keys_.LoseSight(ups, keysUnseen);
    SendReleases(ups);
    if (actions_) actions_->DropKeys();
    WatchMouseWhileUndecided();
    if (keysUnseen) {
      // The modifiers programs see, for the shortcuts, as the system has them now (less the
      // releases just sent, which it may not have taken in yet).
      std::uint8_t held = 0;
      for (int i = 0; i < 8; ++i) {
        bool released = false;
        for (const SimulatedKey& k : ups.keys) released |= k.code == kModifierKeys[i] && !k.isDown;
        bool down = input_.AsyncKeyState(kModifierKeys[i]) & 0x8000;
        if (down && !released) held = static_cast<std::uint8_t>(held | 1 << i);
      }
      keys_.SetVisibleModifiers(held);
    }
  } catch (...) {
  }
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
