#include "engine/key_decision.h"

#include <algorithm>

namespace zv {

namespace {
constexpr int kRightAlt = 0xA5;
constexpr std::uint8_t kRightAltBit = 0x08;
// Tapped while Alt or Win is down, so that their release is no lone Alt (the menu bar) or Win
// (the Start menu): a code no key has.
constexpr int kMaskKey = 0xE8;
constexpr std::uint8_t kAltOrWin = 0x0C | 0xC0;

int SideBit(int vk) {
  for (int i = 0; i < 8; ++i) {
    if (kModifierKeys[i] == vk) return 1 << i;
  }
  return 0;
}

// Both sides of every modifier that one of the side bits in sides names.
std::uint8_t Kinds(std::uint8_t sides) {
  std::uint8_t kinds = 0;
  for (std::uint8_t pair : {0x03, 0x0C, 0x30, 0xC0}) {
    if (sides & pair) kinds |= pair;
  }
  return kinds;
}

// The modifiers (side bits) a shortcut's target presses.
std::uint8_t Wanted(const ShortcutHit& hit) {
  return hit.kind == ShortcutHit::Kind::Keys ? hit.modifiers : 0;
}

}  // namespace

KeyDecision::KeyDecision() {
  // Before the first hook nothing has been seen of any key.
  for (Record& r : records_) r.unseen = true;
}

bool KeyDecision::Decide(const KeyIn& in, KeyTables& tables, KeyBatch& out) {
  if (pending_.active) return WhilePending(in, tables, out);
  return DecideNow(in, tables, out);
}

bool KeyDecision::DecideNow(const KeyIn& in, KeyTables& tables, KeyBatch& out) {
  Record& r = RecordOf(in);
  // A settings file the program cannot read (its error is shown) leaves every fresh press
  // alone, and what the program pressed under the old list goes up.
  if (!in.readable && !unreadable_) {
    // A key being let go is held no more: the loss does not press it back after its release.
    if (!in.down && (r.press == Press::Passed || r.own)) r = Record{};
    LoseSight(out, false);
  }
  unreadable_ = !in.readable;
  // A key with two roles held across a loss of sight (its press swallowed, so the system never
  // held it): a down soon after is its repeat, not a new press.
  bool heldAcross = false;
  if (r.unseen) {
    heldAcross = in.down && r.heldWhenLost && !Reached(in.time, lostAt_, kRepeatWithin);
    r = Record{};
    // An unseen up goes on; a press the system already holds went by unseen to the programs.
    bool held = !in.down || (in.heldBySystem && !in.altGrControl);
    r.press = held ? Press::Passed : Press::None;
  }
  lastTime_ = in.time;
  bool swallow;
  if (!in.down) {
    swallow = r.press == Press::Swallowed;
    // Windows keeps one state per key: a modifier an action still holds, or a key a held
    // mapping pressed too (Caps Lock as Left Ctrl), stays down until that lets it go.
    if (!swallow && !in.altGrControl && (SideBit(in.vk) & actionHeld_)) {
      swallow = true;
      pressed_[Slot(in.vk)] = true;
      actionHeld_ &= static_cast<std::uint8_t>(~SideBit(in.vk));  // once: the user can let go
    }
    swallow |= holders_[Slot(in.vk)] > 0 && pressed_[Slot(in.vk)];
    Release(CodeOf(in), r, out);
  } else if (r.press != Press::None) {
    Repeat(in.vk, r, out, true);
    swallow = r.press == Press::Swallowed;
  } else if (in.locked || !in.readable) {
    r.press = in.locked ? Press::Swallowed : Press::Passed;
    swallow = in.locked;
  } else if (!SideBit(in.vk) && !in.altGrControl && Roll(in, tables, out)) {
    Replay(in, tables, out);  // after the modifiers it gave back: the key's press, injected
    rolled_ = 0;
    return true;
  } else {
    if (in.vk != lastTapKey_) lastTapKey_ = -1;  // a quick re-press follows its tap directly
    TapHoldRoles roles;
    bool twoRoles = TwoRoles(in, tables, roles);
    if (twoRoles && roles.valid) {
      StartTapHold(in, roles, r, out);
      if (heldAcross && pending_.active) DecideHold(tables, out);  // held, so no tap
      return true;
    }
    if (twoRoles) {
      r.press = Press::Passed;  // roles that cannot be read: the key goes on unmapped
    } else {
      Fresh(in, r, tables, out);
    }
    swallow = r.press == Press::Swallowed;
  }
  if (!swallow && (!in.altGrControl || !in.down)) NoteVisible(in.vk, in.down);
  // A release that goes on lets go of the key for the programs, whoever pressed it.
  if (!swallow && !in.down) pressed_[Slot(in.vk)] = false;
  return swallow;
}

bool KeyDecision::TwoRoles(const KeyIn& in, KeyTables& tables, TapHoldRoles& roles) {
  // A held layer's mapping comes first, then a shortcut mapping.
  if (in.altGrControl || !in.ready || tables.LayerMaps(layer_, in.vk)) return false;
  if (!tables.TapHoldOf(in.vk, roles)) return false;
  return SideBit(in.vk) ||
         tables.ShortcutOf(in.vk, visible_ | rolled_).kind == ShortcutHit::Kind::None;
}

void KeyDecision::Fresh(const KeyIn& in, Record& r, KeyTables& tables, KeyBatch& out) {
  // AltGr's Ctrl goes where its Right Alt goes: swallowed with it by a held layer's mapping or
  // two roles too, which need no entry in the intercepted list.
  int key = in.altGrControl ? kRightAlt : in.vk;
  TapHoldRoles roles;
  bool layered = in.ready && tables.LayerMaps(layer_, key);
  bool twoRoles = in.altGrControl && in.ready && tables.TapHoldOf(kRightAlt, roles);
  bool swallow = layered || twoRoles || (in.listed && in.ready && tables.Intercepts(key));
  r.press = swallow ? Press::Swallowed : Press::Passed;
  if (in.altGrControl || !in.ready) return;  // AltGr's Ctrl is no key of its own: no mapping
  if (!SideBit(in.vk) && !layered) {
    // A shortcut mapping comes before the key's own; "Unchanged" keeps the key as typed.
    ShortcutHit hit = tables.ShortcutOf(in.vk, visible_ | rolled_);
    if (hit.kind == ShortcutHit::Kind::Keep) {
      r.press = Press::Passed;
      return;
    }
    if (hit.kind != ShortcutHit::Kind::None) return Fire(hit, r, out);
  }
  r.via = layered ? layer_ : -1;
  KeyTables::Target target = tables.TargetOf(in.vk, r.via);
  r.action = target.action;
  if (target.key >= 0) Hold(r, target.key);
  Repeat(in.vk, r, out, false);
}

void KeyDecision::Hold(Record& r, int target) {
  r.target = target & 0xFF;
  ++holders_[Slot(r.target)];
}

void KeyDecision::Fire(const ShortcutHit& hit, Record& r, KeyBatch& out) {
  r.press = Press::Swallowed;
  r.shortcut = true;
  if (visible_ & kAltOrWin) Mask(out);
  if (hit.kind == ShortcutHit::Kind::Nothing) return;
  // The user's modifiers that the target does not use go up (those a roll kept up are);
  // the ones it names and the user does not hold go down (the left key).
  std::uint8_t held = visible_ | rolled_;
  r.lifted = held & ~Kinds(Wanted(hit));
  r.added = Wanted(hit) & ~Kinds(held);
  std::uint8_t up = r.lifted & visible_;
  AltGrControl(up, false, out);
  EmitModifiers(up, false, out);
  EmitModifiers(r.added, true, out);
  if (hit.kind == ShortcutHit::Kind::Action) {
    out.actions.push_back({hit.action, false});
    return;
  }
  Hold(r, hit.key);
  Emit(out, r.target, true);
}

void KeyDecision::Emit(KeyBatch& out, int key, bool down) {
  out.keys.push_back({key, down});
  NoteInjected(key, down);  // the next decisions in the same batch see it done
}

void KeyDecision::Mask(KeyBatch& out) {
  Emit(out, kMaskKey, true);
  Emit(out, kMaskKey, false);
}

void KeyDecision::Repeat(int vk, const Record& r, KeyBatch& out, bool repeat) {
  if (r.own) Emit(out, vk, true);
  if (r.target >= 0) Emit(out, r.target, true);
  // A fired shortcut's action is not the record's: it runs once per press.
  if (r.action >= 0) out.actions.push_back({r.action, repeat});
}

void KeyDecision::Release(int vk, Record& r, KeyBatch& out) {
  // Replayed, and pressed by a held key too: that key lets it go.
  if (r.own && pressed_[Slot(vk)] && holders_[Slot(vk)] == 0) Emit(out, vk, false);
  if (r.target >= 0) {
    std::size_t t = Slot(r.target);
    // A hold's Alt or Win let go with no key pressed meanwhile opens no menu bar or Start
    // menu.
    if (r.holdAt == presses_ && (SideBit(r.target) & kAltOrWin)) Mask(out);
    // Another held key that pressed the same target keeps it down until it goes up too.
    if (holders_[t] > 0 && --holders_[t] == 0) Unpress(out, r.target);
  }
  if (r.shortcut) ReleaseShortcut(r, out);
  bool layerKey = r.layer >= 0;
  r = Record{};
  if (layerKey) {
    // Back to the layer switched on last whose key is still held, if any.
    layer_ = -1;
    std::uint32_t latest = 0;
    for (const Record& o : records_) {
      if (o.layer >= 0 && o.layerOrder >= latest) {
        latest = o.layerOrder;
        layer_ = o.layer;
      }
    }
  }
}

void KeyDecision::Unpress(KeyBatch& out, int key) {
  std::size_t k = Slot(key);
  // AltGr's made-up Ctrl is a press of Left Ctrl too: let go, AltGr would type as Alt.
  bool altGr = key == kModifierKeys[0] && AltGrHeld();
  bool own = records_[k].own || (altGr && records_[kAltGrSlot].own);
  if (!pressed_[k] || own) return;         // replayed, held: its own release lets it go
  if (SideBit(key) & actionHeld_) return;  // an action holds it: its own up lets it go
  if (records_[k].press == Press::Passed || altGr) {
    pressed_[k] = false;  // the user holds it too: it goes up with the user's own release
    // Held by AltGr alone, it is no Ctrl for the shortcuts: Right Alt+D is still Delete.
    if (records_[k].press != Press::Passed) NoteVisible(key, false);
  } else {
    Emit(out, key, false);
  }
}

void KeyDecision::EmitModifiers(std::uint8_t modifiers, bool down, KeyBatch& out) {
  for (int i = 0; i < 8; ++i) {
    if (modifiers & (1 << i)) Emit(out, kModifierKeys[i], down);
  }
}

void KeyDecision::UnpressModifiers(std::uint8_t modifiers, KeyBatch& out) {
  for (int i = 7; i >= 0; --i) {
    if (modifiers & (1 << i)) Unpress(out, kModifierKeys[i]);
  }
}

void KeyDecision::ReleaseShortcut(const Record& r, KeyBatch& out) {
  UnpressModifiers(r.added, out);
  // The user's modifiers still held come back, so Ctrl+H then Ctrl+A without letting go of
  // Ctrl selects all; those another held shortcut lifts come back with the last of them.
  std::uint8_t others = 0;
  for (const Record& o : records_) others |= &o == &r ? 0 : o.lifted;
  PressBack(StillHeld(r.lifted & ~others), out);
}

bool KeyDecision::Roll(const KeyIn& in, KeyTables& tables, KeyBatch& out) {
  std::uint8_t lifted = 0, added = 0;
  for (const Record& o : records_) {
    lifted |= o.lifted;
    added |= o.added;
  }
  if (rolled_ || (!lifted && !added)) return false;  // rolled_: the rolled key's own replay
  // A rolled key whose own shortcut lifts the same modifiers keeps them up: pressed back and
  // lifted again, they would be a lone Ctrl tap (or a masked Alt) between the two targets.
  std::uint8_t back = StillHeld(lifted);
  rolled_ = back & LiftedBy(in, tables, (visible_ & ~added) | back);
  UnpressModifiers(added, out);
  PressBack(back & ~rolled_, out);
  for (Record& o : records_) {
    o.lifted &= rolled_;
    o.added = 0;
  }
  return true;
}

std::uint8_t KeyDecision::LiftedBy(const KeyIn& in, KeyTables& tables, std::uint8_t held) {
  if (!in.ready || tables.LayerMaps(layer_, in.vk)) return 0;  // a layer's mapping comes first
  ShortcutHit hit = tables.ShortcutOf(in.vk, held);
  bool lifts = hit.kind == ShortcutHit::Kind::Keys || hit.kind == ShortcutHit::Kind::Action;
  return lifts ? held & ~Kinds(Wanted(hit)) : 0;
}

void KeyDecision::AltGrControl(std::uint8_t modifiers, bool down, KeyBatch& out) {
  // Left down with Right Alt lifted, it would make the target Ctrl+Delete instead of Delete.
  if (AltGrHeld() && (modifiers & kRightAltBit)) Emit(out, kAltGrControlCode, down);
}

std::uint8_t KeyDecision::StillHeld(std::uint8_t modifiers) const {
  std::uint8_t held = 0;
  for (int i = 0; i < 8; ++i) {
    std::size_t m = Slot(kModifierKeys[i]);
    // Down for the programs: the key's own press went on, or a held key pressed it.
    bool down = records_[m].press == Press::Passed || records_[m].own || holders_[m] > 0;
    if ((modifiers & (1 << i)) && down) held |= static_cast<std::uint8_t>(1 << i);
  }
  return held;
}

void KeyDecision::PressBack(std::uint8_t back, KeyBatch& out) {
  AltGrControl(back, true, out);
  EmitModifiers(back, true, out);
  if (back & kAltOrWin) Mask(out);
}

void KeyDecision::NoteVisible(int vk, bool down) {
  int bit = SideBit(vk);
  if (down && !bit) ++presses_;
  if (down) {
    visible_ = static_cast<std::uint8_t>(visible_ | bit);
  } else {
    visible_ = static_cast<std::uint8_t>(visible_ & ~bit);
  }
}

void KeyDecision::LoseSight(KeyBatch& out, bool keysUnseen) {
  out.lost = true;
  // Releases held back behind an undecided key happened: a key whose press went on goes up.
  for (const KeyIn& e : pending_.held) {
    if (e.down) continue;
    if (RecordOf(e).press == Press::Passed) Emit(out, CodeOf(e), false);
    RecordOf(e) = Record{};
  }
  // The user's modifiers that a held shortcut lifted come back, while keys are in sight.
  std::uint8_t back = 0;
  for (int i = 0; i < 8 && !keysUnseen; ++i) {
    bool held = UserHolds(kModifierKeys[i]);
    for (const Record& r : records_) back |= held ? (r.lifted & (1 << i)) : 0;
  }
  for (int vk = 0; vk < 256; ++vk) {
    // A key the user holds in sight goes up with the user's own release.
    if (pressed_[Slot(vk)] && (keysUnseen || !UserHolds(vk))) Emit(out, vk, false);
  }
  pressed_.reset();
  holders_.fill(0);
  pending_ = Pending{};
  actionHeld_ = 0;
  lostAt_ = lastTime_;
  layer_ = lastTapKey_ = -1;
  for (Record& r : records_) {
    r.press = r.own ? Press::Passed : r.press;  // replayed and held: the user's from now on
    r.target = KeyTables::kNoTarget;
    r.action = -1;
    bool held = r.holdAt != 0 || r.layer >= 0 || r.heldWhenLost;
    r.shortcut = r.own = false;
    r.holdAt = 0;
    r.lifted = r.added = 0;
    r.layer = -1;
    if (keysUnseen) {
      r = Record{};
      r.unseen = true;
      r.heldWhenLost = held;
    }
  }
  PressBack(back, out);
}

void KeyDecision::ReleaseUnheld(KeyBatch& out) {
  actionHeld_ = 0;
  std::uint8_t added = 0;
  for (const Record& r : records_) added |= r.added;
  for (int vk = 0; vk < 256; ++vk) {
    std::size_t k = Slot(vk);
    bool held = holders_[k] > 0 || UserHolds(vk) || (SideBit(vk) & added);
    if (pressed_[k] && !held) Emit(out, vk, false);
  }
}

void KeyDecision::LeaveHeldKeys(std::vector<SimulatedKey>& keys) {
  auto held = [this](const SimulatedKey& k) {
    auto bit = static_cast<std::uint8_t>(SideBit(k.code));
    if (!bit) return false;
    bool others = UserHolds(k.code) || holders_[Slot(k.code)] > 0;
    if (k.isDown) {
      actionHeld_ |= bit;
      return others && (visible_ & bit);
    }
    actionHeld_ &= static_cast<std::uint8_t>(~bit);
    return others;
  };
  keys.erase(std::remove_if(keys.begin(), keys.end(), held), keys.end());
}

void KeyDecision::NoteInjected(int code, bool down) {
  pressed_[Slot(code)] = down;
  if (code != kAltGrControlCode || !down) NoteVisible(code & 0xFF, down);
}

}  // namespace zv
