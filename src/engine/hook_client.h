#pragma once
// What the keyboard hook asks of the dispatcher, which it calls directly from the hook
// procedure (same thread, no message in between).

namespace zv {

class HookClient {
 public:
  virtual ~HookClient() = default;
  // Whether the dispatcher has anything to do for an event of this key: a mapping in the
  // settings file, or target keys it still holds for it. The hook tells the window only then,
  // so a key without a mapping costs no call to the system. Answered from memory.
  virtual bool HandlesKey(int virtualKey) = 0;
  // A key event the hook passes to the dispatcher: it carries out the key's mapping. May throw
  // (the hook catches and posts the text).
  virtual void WMHookKeyDown(int virtualKey) = 0;
  virtual void WMHookKeyUp(int virtualKey) = 0;
  // Asked first for every event the hook decides on: whether an intercepted code is swallowed
  // in the program that has the focus (a program may switch its mappings off, keep a key
  // unchanged, or leave a key to the programs that map it). Answered from memory, unless the
  // key's mapping depends on the program and the focus may have moved unannounced.
  virtual bool InterceptsHere(int virtualKey) = 0;
  // The program lost sight of the keyboard: every key it pressed and has not released is
  // released now, once.
  virtual void ReleasePressedKeys() noexcept = 0;
};

}  // namespace zv
