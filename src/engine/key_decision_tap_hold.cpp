// Keys with two roles: the state machine of the one key that is still undecided. Its press is
// swallowed and a timer asked for; its own auto-repeat is dropped; other keys are held back
// (at most kMaxHeldBack) until the decision, then replayed in the order they came, in the same
// batch as what the decision gives. Times are the events' own, so a late hook or a late timer
// decides as the user typed.
#include "engine/key_decision.h"

namespace zv {

bool KeyDecision::StartTapHold(const KeyIn& in, const TapHoldRoles& roles, Record& r,
                               KeyBatch& out) {
  r.press = Press::Swallowed;
  // Pressed again soon after a tap: the tap's key again, held and repeating (Space in an
  // editor still repeats).
  if (lastTapKey_ == in.vk && !Reached(in.time, lastTapAt_, roles.ms)) {
    if (roles.tapKey >= 0) Hold(r, roles.tapKey);
    Repeat(in.vk, r, out, false);
    if (roles.tapAction >= 0) out.actions.push_back({roles.tapAction, false});
    return true;
  }
  pending_ = Pending{true, in.vk, roles, in.time, ++pendingKeys_, {}};
  out.timerMs = static_cast<int>(roles.ms);
  out.timerKey = pending_.key;
  return true;
}

bool KeyDecision::WhilePending(const KeyIn& in, KeyTables& tables, KeyBatch& out) {
  const Pending& p = pending_;
  bool late = Reached(in.time, p.since, p.roles.ms);
  if (in.vk == p.vk && !in.altGrControl) {
    if (in.down && !late) return true;  // its own auto-repeat, dropped
    if (!in.down && !late) {
      DecideTap(in.time, tables, out);
      return true;
    }
    DecideHold(tables, out);
    Replay(in, tables, out);
    return true;
  }
  bool heldBack = false;
  for (const KeyIn& e : p.held) {
    heldBack = heldBack || (e.vk == in.vk && e.altGrControl == in.altGrControl && e.down);
  }
  // AltGr's made-up Ctrl decides nothing by itself: its Right Alt follows at once.
  bool other = !in.altGrControl;
  bool decides = late || (in.down && other && p.roles.rule == TapHoldRoles::Rule::Press) ||
                 (in.down && p.held.size() >= kMaxHeldBack) ||
                 (!in.down && heldBack && other && p.roles.rule == TapHoldRoles::Rule::Release);
  if (decides) {
    DecideHold(tables, out);
    Replay(in, tables, out);
    return true;
  }
  // A release of a key pressed before stays in its place behind what is held back.
  if (!in.down && !heldBack && p.held.empty()) return DecideNow(in, tables, out);
  pending_.held.push_back(in);
  return true;
}

bool KeyDecision::MouseButton(KeyTables& tables, KeyBatch& out) {
  if (!pending_.active) return false;
  DecideHold(tables, out);
  return true;
}

void KeyDecision::Expire(std::uint64_t timerKey, KeyTables& tables, KeyBatch& out) {
  if (pending_.active && pending_.key == timerKey) DecideHold(tables, out);
}

void KeyDecision::DecideHold(KeyTables& tables, KeyBatch& out) {
  Pending p = std::move(pending_);
  pending_ = Pending{};
  Record& r = records_[Slot(p.vk)];
  r.press = Press::Swallowed;
  if (p.roles.layer >= 0) {
    r.layer = layer_ = p.roles.layer;
    r.layerOrder = ++layerOrder_;
  } else if (p.roles.holdKey >= 0) {
    r.holdAt = presses_;
    Hold(r, p.roles.holdKey);
    Emit(out, r.target, true);
  }
  for (const KeyIn& e : p.held) Replay(e, tables, out);
}

void KeyDecision::DecideTap(std::uint32_t time, KeyTables& tables, KeyBatch& out) {
  Pending p = std::move(pending_);
  pending_ = Pending{};
  records_[Slot(p.vk)] = Record{};
  if (p.roles.tapKey >= 0) {
    Emit(out, p.roles.tapKey, true);
    Emit(out, p.roles.tapKey, false);
  }
  if (p.roles.tapAction >= 0) out.actions.push_back({p.roles.tapAction, false});
  lastTapKey_ = p.vk;
  lastTapAt_ = time;
  for (const KeyIn& e : p.held) Replay(e, tables, out);
}

void KeyDecision::Replay(const KeyIn& in, KeyTables& tables, KeyBatch& out) {
  // A held-back press of another key with two roles may have become undecided in turn: what
  // came after it goes to its decision as if typed now.
  if (Decide(in, tables, out)) return;
  Record& r = RecordOf(in);
  Emit(out, CodeOf(in), in.down);
  if (in.down) {
    r.press = Press::Swallowed;
    r.own = true;
  }
}

}  // namespace zv
