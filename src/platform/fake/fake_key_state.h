#pragma once
// The live keyboard state for native tests: a table of the keys that are down.
#include <set>

#include "platform/key_state.h"

namespace zv::fake {

class FakeKeyState : public platform::KeyState {
 public:
  // GetAsyncKeyState's sign bit for a key that is down, 0 for one that is up.
  short AsyncKeyState(int virtualKey) override;

  void Press(int virtualKey) { pressed_.insert(virtualKey); }
  void Release(int virtualKey) { pressed_.erase(virtualKey); }
  bool IsDown(int virtualKey) const { return pressed_.count(virtualKey) != 0; }
  const std::set<int>& Pressed() const { return pressed_; }
  int queries = 0;  // how often AsyncKeyState was asked

 private:
  std::set<int> pressed_;
};

}  // namespace zv::fake
