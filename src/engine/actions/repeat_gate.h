#pragma once
// Tells the actions a key's auto-repeat from its press. The hook reports every key-down of a
// held key again as it repeats; the actions of a press only ("Run") must not start a program
// for each of them. Stands between the hook and its client, so the client stays as it is.
#include <bitset>

#include "engine/actions/actions.h"
#include "engine/hook_client.h"

namespace zv {

class RepeatGate : public HookClient {
 public:
  RepeatGate(HookClient& client, Actions& actions) : client_(client), actions_(actions) {}

  // A key seen going down is followed to its release, even when its mapping went meanwhile.
  bool HandlesKey(int virtualKey) override {
    return down_[static_cast<std::size_t>(virtualKey) & 0xFF] || client_.HandlesKey(virtualKey);
  }
  bool InterceptsHere(int virtualKey) override { return client_.InterceptsHere(virtualKey); }
  void WMHookKeyDown(int virtualKey) override {
    std::size_t key = static_cast<std::size_t>(virtualKey) & 0xFF;
    actions_.SetRepeating(down_[key]);
    down_[key] = true;
    try {
      client_.WMHookKeyDown(virtualKey);
    } catch (...) {
      actions_.SetRepeating(false);
      throw;
    }
    actions_.SetRepeating(false);
  }
  void WMHookKeyUp(int virtualKey) override {
    down_[static_cast<std::size_t>(virtualKey) & 0xFF] = false;
    client_.WMHookKeyUp(virtualKey);
  }
  // A key held while the keyboard was lost presses afresh when it next goes down.
  void ReleasePressedKeys() noexcept override {
    down_.reset();
    client_.ReleasePressedKeys();
  }

 private:
  HookClient& client_;
  Actions& actions_;
  std::bitset<256> down_;
};

}  // namespace zv
