#pragma once
// What the keyboard hook asks of the dispatcher, which it calls directly from the hook
// procedure (same thread, no message in between). The dispatcher holds the engine's one owner
// of key state (KeyDecision) and carries out what it decides.
#include "engine/key_decision.h"

namespace zv {

class HookClient {
 public:
  virtual ~HookClient() = default;
  // Makes sure of the focused program for a press of vk (a key whose mapping differs between
  // programs may ask the system which window has the focus), then answers whether vk has a
  // mapping there. Answered from memory otherwise.
  virtual bool Maps(int vk) = 0;
  // Whether the decision needs to know if the system holds vk down (after a loss of sight).
  virtual bool Unseen(int vk) = 0;
  // Decides one event that is not the program's own, injects what the decision asks in one
  // piece and starts the key's action. Returns whether the event is swallowed. May throw (the
  // hook catches and posts the text).
  virtual bool OnKeyEvent(const KeyIn& in) = 0;
  // The one path for every loss of sight: every key the program pressed and has not released
  // is released now, once. keysUnseen: the hook may have missed events meanwhile (it was
  // dropped, replaced or away), so no record of a key that is down holds any more.
  virtual void LoseSight(bool keysUnseen) noexcept = 0;
};

}  // namespace zv
