#pragma once
// The engine's one owner of key state, and the decision it makes for every key event. For each
// physical key that is down it keeps one record, made at its press, of what the press did: went
// on to the programs, or was swallowed; the target key pressed for it; whether it runs an
// action. The key's repeats and its release act on that record and on nothing else:
//
//   event                  | record              | answer     | injected (one batch)
//   any, list unreadable   | first such event: the loss of sight, then as below; a modifier
//                          | let go by that event is not pressed back after its release
//   press while locked     | -> swallowed        | swallow    | -
//   press, list unreadable | -> passed           | pass on    | -
//   press, fresh           | listed and taken    | swallow    | target down / action runs
//                          | here -> swallowed   |            |
//                          | otherwise -> passed | pass on    | target down (a hand-written
//                          |                     |            | mapping the list lacks)
//   repeat                 | passed / swallowed  | as the     | the record's target down again,
//                          |                     | press      | its action again
//   release                | passed              | pass on    | the record's target up
//                          | swallowed           | swallow    | the record's target up
//                          | none                | pass on    | nothing
//
// "Taken here" is the focused program's answer (KeyTables): a program switched "Off", a key
// it keeps "Unchanged", a key only other programs map all go on as typed. A target key that
// two held keys pressed goes up with the last of them, whether they are keys mapped to it or
// the user's own press of it (Windows keeps one state per key). A release never injects a key
// the program did not press: a key pressed while one program had the focus and released in
// another that maps it goes on as it came.
//
// Every loss of sight (the hook removed, dropped or replaced, lock, unlock, sleep, the
// engine switched off, the intercepted list becoming unreadable) comes to LoseSight: it
// releases every key the program pressed, once, and marks every record unseen. An unseen
// key's release goes on; its next press counts as passed when the system holds the key down
// (the down went by unseen), as fresh otherwise.
//
// AltGr: on layouts that have it, Windows sends a Left Ctrl press of its own making (scan code
// 0x21D), whoever typed or injected the AltGr, just before Right Alt. It is not the Left Ctrl
// key: it has a record of its own and goes where its Right Alt goes, up when a shortcut lifts
// Right Alt and back down with it, held back with it behind an undecided key (deciding nothing
// by itself). For Windows it is a press of Left Ctrl all the same: a Left Ctrl that a held key
// pressed goes up with the last of the two, and its release lets go of Left Ctrl.
//
// Keys with two roles ("TapHold": tapped one key, held another or a layer) are undecided from
// their press until a later event or the timer decides them (key_decision_tap_hold.cpp): the
// events that come meanwhile are held back (at most 32) and replayed in order, in the batch
// that carries the decision; a key with two roles among them is decided by its own rule in
// turn. While a layer's key is held, the layer's mappings come first, then shortcut mappings,
// then the key's two roles; a layer switched on inside another gives way to it again.
//
// The class makes no system call: the hook gives it what it needs in the event, the
// dispatcher carries out the batch it fills.
#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "engine/action_runner.h"

namespace zv {

// The modifier keys in the order of the side bits (kModLeftCtrl = 1 << 0 ... kModRightWin).
inline constexpr int kModifierKeys[8] = {0xA2, 0xA3, 0xA4, 0xA5, 0xA0, 0xA1, 0x5B, 0x5C};
// AltGr's made-up Left Ctrl in a batch: injected with the scan code Windows gives it, and no
// modifier the shortcuts count; its release still lets go of Left Ctrl (one state per key).
inline constexpr int kAltGrControlCode = 0x100 | 0xA2;

// A shortcut mapping that matched a press: what its target does.
struct ShortcutHit {
  enum class Kind : std::uint8_t {
    None,     // no shortcut mapping: the key's own mapping applies
    Keep,     // "Unchanged": typed as it is
    Keys,     // a key, or a key combination (modifiers, then the key)
    Action,   // runs once per press, the shortcut's modifiers lifted
    Nothing,  // "DisableKey"
  };
  Kind kind = Kind::None;
  std::uint8_t modifiers = 0;  // the side bits (kModLeftCtrl ...) the target presses
  int key = -1;
  int action = -1;  // Action: which (KeyTables' number for it)
};

// A key with two roles, as its mapping's parameter says.
struct TapHoldRoles {
  enum class Rule : std::uint8_t {
    Press,    // held once another key goes down meanwhile
    Release,  // held once another key goes down and up meanwhile
    Time,     // held only once the time has passed
  };
  int tapKey = -1;         // the key a tap gives, or -1
  int tapAction = -1;      // the action a tap runs instead (KeyTables' number for it), or -1
  int holdKey = -1;        // the key a hold gives, or -1
  int layer = -1;          // the layer a hold switches on, or -1
  std::uint32_t ms = 200;  // how long a tap may last
  Rule rule = Rule::Press;
  bool valid = true;  // false: a parameter that cannot be read, the key goes on unmapped
};

// The focused program's tables, asked from memory while deciding a fresh press.
class KeyTables {
 public:
  virtual ~KeyTables() = default;
  // The shortcut mapping of vk with exactly the modifiers held (side bits) that programs see.
  virtual ShortcutHit ShortcutOf(int vk, std::uint8_t held) = 0;
  // Whether a listed key is swallowed in the focused program.
  virtual bool Intercepts(int vk) = 0;
  // What vk's mapping does here (in layer, when not -1). Nothing, for no mapping, "DisableKey"
  // or a name the catalogue does not hold.
  struct Target {
    int key = kNoTarget;  // the key it presses (0-255)
    int action = -1;      // the action it runs: a number the tables give, the same for as long
                          // as the program runs, so that the press's action is its repeats'
  };
  virtual Target TargetOf(int vk, int layer) = 0;
  // Whether the layer (-1: none) maps vk.
  virtual bool LayerMaps(int layer, int vk) = 0;
  // Whether vk's mapping here is a key with two roles (a valid "TapHold"), and which.
  virtual bool TapHoldOf(int vk, TapHoldRoles& roles) = 0;
  static constexpr int kNoTarget = -1;
};

// One key event as the decision sees it.
struct KeyIn {
  int vk = 0;
  std::uint32_t time = 0;  // the event's own time stamp (ms)
  bool down = true;
  bool altGrControl = false;  // the Left Ctrl that AltGr makes up
  bool listed = false;        // in the intercepted list (for AltGr's Ctrl: Right Alt is)
  bool readable = true;       // the intercepted list can be read
  bool ready = true;          // the engine runs in this program: mappings apply
  bool locked = false;        // the keyboard is locked: every press is swallowed
  bool heldBySystem = false;  // for an unseen key: the system holds it down
};

// An action a decision starts (it runs after the hook has returned): a key's mapping, a
// shortcut's or a tap's, as the tables numbered it when the key was pressed.
struct KeyAction {
  int action;
  bool repeat;  // the key's auto-repeat, not its press
};

// What one decision asks to be done: keys to inject in one piece, in order, the actions to
// start, in order (a decision that replays keys held back may start several), and a timer.
struct KeyBatch {
  std::vector<SimulatedKey> keys;
  std::vector<KeyAction> actions;
  int timerMs = -1;  // call Expire with timerKey after this long
  std::uint64_t timerKey = 0;
  bool lost = false;  // the keyboard went out of sight: actions drop the keys still to come
  void Clear() {
    keys.clear();
    actions.clear();
    timerMs = -1;
    lost = false;
  }
};

class KeyDecision {
 public:
  KeyDecision();
  // Returns whether the event is swallowed; what it asks to inject goes into out.
  bool Decide(const KeyIn& in, KeyTables& tables, KeyBatch& out);
  // An action's keys: a modifier the user or a held key holds is neither pressed again (while
  // the programs see it down) nor let go by the action; those events are taken out.
  void LeaveHeldKeys(std::vector<SimulatedKey>& keys);
  // An action cut short: the keys it pressed go up, and only those (the keyboard is in sight).
  void ReleaseUnheld(KeyBatch& out);
  // The one path for every loss of sight: releases into out every key the program pressed.
  // keysUnseen: events may have gone by unseen, so every record is forgotten; otherwise each
  // key's release still acts on its press (swallowed or passed), with nothing left to release,
  // and the modifiers the user holds that a shortcut lifted are pressed again (Decide forgets
  // first the key whose release brings the loss: it is held no more).
  void LoseSight(KeyBatch& out, bool keysUnseen);
  // A mouse button went down: a key still undecided is held (Ctrl+click). Returns whether
  // the press is to come after what the decision gives.
  bool MouseButton(KeyTables& tables, KeyBatch& out);
  bool Undecided() const { return pending_.active; }
  // The timer a batch asked for ran out: a key still undecided since then is held.
  void Expire(std::uint64_t timerKey, KeyTables& tables, KeyBatch& out);
  // Every key the program injects, whoever asked for it (mappings and actions).
  void NoteInjected(int code, bool down);
  // Whether the decision needs to know if the system holds vk down (KeyIn::heldBySystem).
  bool Unseen(int vk) const { return records_[Slot(vk)].unseen; }
  bool Pressed(int code) const { return pressed_[static_cast<std::size_t>(code & 0xFF)]; }
  // The keys the program holds down; a batch the system refused leaves them as they were.
  std::bitset<256> PressedKeys() const { return pressed_; }
  void NotInjected(const std::bitset<256>& before) { pressed_ = before; }
  // The modifiers programs see down (side bits), as the system tells after a loss of sight.
  void SetVisibleModifiers(std::uint8_t held) { visible_ = held; }
  std::uint8_t VisibleModifiers() const { return visible_; }

 private:
  enum class Press : std::uint8_t { None, Passed, Swallowed };
  struct Record {
    Press press = Press::None;
    bool unseen = false;
    int action = -1;               // the action its press runs, again at each repeat
    bool shortcut = false;         // a shortcut mapping fired
    std::uint8_t lifted = 0;       // the user's modifiers it lifted, pressed again at the release
    std::uint8_t added = 0;        // the modifiers it pressed, released with it
    bool own = false;              // replayed: the program pressed the key itself
    int layer = -1;                // the layer its hold switched on
    std::uint32_t layerOrder = 0;  // and when: the one switched on last applies
    std::uint32_t holdAt = 0;      // a key with two roles held: the presses counted then
    int via = -1;                  // the layer whose mapping its press took
    int target = KeyTables::kNoTarget;
    bool heldWhenLost = false;  // unseen: a key with two roles was held when sight was lost
  };
  // The key with two roles that is still undecided, and the events held back meanwhile.
  struct Pending {
    bool active = false;
    int vk = 0;
    TapHoldRoles roles;
    std::uint32_t since = 0;
    std::uint64_t key = 0;  // told to the timer
    std::vector<KeyIn> held;
  };
  static constexpr std::size_t kMaxHeldBack = 32;
  // A key held across a loss of sight repeats within this long (ms) of it.
  static constexpr std::uint32_t kRepeatWithin = 1000;
  bool DecideNow(const KeyIn& in, KeyTables& tables, KeyBatch& out);
  bool WhilePending(const KeyIn& in, KeyTables& tables, KeyBatch& out);
  bool StartTapHold(const KeyIn& in, const TapHoldRoles& roles, Record& r, KeyBatch& out);
  void DecideHold(KeyTables& tables, KeyBatch& out);
  void DecideTap(std::uint32_t time, KeyTables& tables, KeyBatch& out);
  // An event decided after others held back: what would have gone on is injected instead, so
  // that nothing comes before what the decision gives.
  void Replay(const KeyIn& in, KeyTables& tables, KeyBatch& out);
  static constexpr std::size_t kAltGrSlot = 256;
  // Tick counts wrap after 49 days: compared by difference.
  static bool Reached(std::uint32_t now, std::uint32_t since, std::uint32_t ms) {
    return static_cast<std::int32_t>(now - since) >= static_cast<std::int32_t>(ms);
  }
  static std::size_t Slot(int vk) { return static_cast<std::size_t>(vk & 0xFF); }
  // AltGr's made-up Left Ctrl has a record and a code of its own.
  Record& RecordOf(const KeyIn& in) { return records_[in.altGrControl ? kAltGrSlot : Slot(in.vk)]; }
  static int CodeOf(const KeyIn& in) { return in.altGrControl ? kAltGrControlCode : in.vk; }
  void Fresh(const KeyIn& in, Record& r, KeyTables& tables, KeyBatch& out);
  void Fire(const ShortcutHit& hit, Record& r, KeyBatch& out);
  void ReleaseShortcut(const Record& r, KeyBatch& out);
  // Each modifier of the side bits pressed or let go, in the order of the bits; let go by the
  // program (Unpress), in the reverse order.
  void EmitModifiers(std::uint8_t modifiers, bool down, KeyBatch& out);
  void UnpressModifiers(std::uint8_t modifiers, KeyBatch& out);
  // The user's modifiers (side bits) pressed again, with the mask after Alt or Win.
  void PressBack(std::uint8_t back, KeyBatch& out);
  // Of the modifiers (side bits), those still down for the programs but lifted.
  std::uint8_t StillHeld(std::uint8_t modifiers) const;
  // Another key pressed while a shortcut is held (a roll): the modifiers the shortcut lifted
  // come back and the ones it added go up first, so that Ctrl+H, Ctrl+A rolled selects all;
  // those the key's own shortcut lifts stay up. Returns whether a shortcut was held.
  bool Roll(const KeyIn& in, KeyTables& tables, KeyBatch& out);
  // Of held, the modifiers that the key's shortcut mapping lifts when it fires with them.
  std::uint8_t LiftedBy(const KeyIn& in, KeyTables& tables, std::uint8_t held);
  // AltGr's made-up Left Ctrl, while the user holds it, goes where Right Alt goes.
  void AltGrControl(std::uint8_t modifiers, bool down, KeyBatch& out);
  // The program lets go of a key it pressed; a key the user holds too stays down until the
  // user's own release.
  void Unpress(KeyBatch& out, int key);
  // Whether the user holds vk down for the programs: its press went on, or was replayed, or
  // it is Left Ctrl and AltGr is held.
  bool UserHolds(int vk) const {
    const Record& r = records_[Slot(vk)];
    return r.press == Press::Passed || r.own || (vk == kModifierKeys[0] && AltGrHeld());
  }
  bool AltGrHeld() const {
    return records_[kAltGrSlot].press == Press::Passed || records_[kAltGrSlot].own;
  }
  // Whether a fresh press starts a key with two roles, and which.
  bool TwoRoles(const KeyIn& in, KeyTables& tables, TapHoldRoles& roles);
  void Hold(Record& r, int target);
  void NoteVisible(int vk, bool down);
  void Repeat(int vk, const Record& r, KeyBatch& out, bool repeat);
  void Emit(KeyBatch& out, int key, bool down);
  void Mask(KeyBatch& out);
  void Release(int vk, Record& r, KeyBatch& out);

  std::array<Record, 257> records_;          // per virtual key, and AltGr's Left Ctrl
  std::array<std::uint8_t, 256> holders_{};  // per target key: the records that pressed it
  std::bitset<256> pressed_;                 // keys the program injected down and has not released
  bool unreadable_ = false;                  // the loss for an unreadable list has been taken
  std::uint8_t visible_ = 0;                 // modifiers programs see down, side bits
  std::uint8_t rolled_ = 0;  // the user's modifiers a roll keeps lifted for the rolled key
  Pending pending_;
  std::uint64_t pendingKeys_ = 0;
  int layer_ = -1;  // the layer a held key switched on
  std::uint32_t layerOrder_ = 0;
  std::uint32_t presses_ = 1;  // keys other than modifiers the programs saw go down, counted
  std::uint32_t lastTime_ = 0, lostAt_ = 0;  // the last event's time, and at the last loss
  std::uint8_t actionHeld_ = 0;  // modifiers (side bits) an action pressed and has not let go
  int lastTapKey_ = -1;          // the key with two roles last tapped, and when
  std::uint32_t lastTapAt_ = 0;
};

}  // namespace zv
