#include "engine/key_decision.h"

namespace zv {

namespace {
constexpr int kRightAlt = 0xA5;
}  // namespace

KeyDecision::KeyDecision() {
  // Before the first hook nothing has been seen of any key.
  for (Record& r : records_) r.unseen = true;
}

bool KeyDecision::Decide(const KeyIn& in, KeyTables& tables, KeyBatch& out) {
  Record& r = records_[in.altGrControl ? kAltGrSlot : Slot(in.vk)];
  // A settings file the program cannot read (its error is shown) leaves every fresh press
  // alone, and what the program pressed under the old list goes up.
  if (!in.readable && !unreadable_) LoseSight(out, false);
  unreadable_ = !in.readable;
  if (r.unseen) {
    r = Record{};
    // An unseen up goes on; a press the system already holds went by unseen to the programs.
    bool held = !in.down || (in.heldBySystem && !in.altGrControl);
    r.press = held ? Press::Passed : Press::None;
  }
  if (!in.down) {
    bool swallow = r.press == Press::Swallowed;
    Release(r, out);
    return swallow;
  }
  if (r.press != Press::None) {
    out.repeat = true;
    Repeat(r, out);
    return r.press == Press::Swallowed;
  }
  if (in.locked || !in.readable) {
    r.press = in.locked ? Press::Swallowed : Press::Passed;
    return in.locked;
  }
  Fresh(in, r, tables);
  Repeat(r, out);
  return r.press == Press::Swallowed;
}

void KeyDecision::Fresh(const KeyIn& in, Record& r, KeyTables& tables) {
  int key = in.altGrControl ? kRightAlt : in.vk;
  bool swallow = in.listed && in.ready && tables.Intercepts(key);
  r.press = swallow ? Press::Swallowed : Press::Passed;
  if (in.altGrControl || !in.ready) return;  // AltGr's Ctrl is no key of its own: no mapping
  int target = tables.TargetOf(in.vk);
  r.action = target == KeyTables::kRunsAction;
  if (target < 0) return;
  r.target = target & 0xFF;
  ++holders_[Slot(r.target)];
}

void KeyDecision::Repeat(const Record& r, KeyBatch& out) const {
  if (r.target >= 0) out.keys.push_back({r.target, true});
  if (r.action) out.runAction = true;
}

void KeyDecision::Release(Record& r, KeyBatch& out) {
  if (r.target >= 0) {
    std::size_t t = Slot(r.target);
    // Another held key that pressed the same target keeps it down until it goes up too.
    if (holders_[t] > 0 && --holders_[t] == 0 && pressed_[t]) out.keys.push_back({r.target, false});
  }
  r = Record{};
}

void KeyDecision::LoseSight(KeyBatch& out, bool keysUnseen) {
  for (int vk = 0; vk < 256; ++vk) {
    if (pressed_[Slot(vk)]) out.keys.push_back({vk, false});
  }
  pressed_.reset();
  holders_.fill(0);
  for (Record& r : records_) {
    r.target = KeyTables::kNoTarget;
    r.action = false;
    if (keysUnseen) r = Record{Press::None, true};
  }
}

void KeyDecision::NoteInjected(int code, bool down) {
  pressed_[Slot(code)] = down;
}

}  // namespace zv
