#pragma once
// What the dispatcher calls for a target that is an action ("Volume Up", "TypeText").
#include <string>
#include <vector>

namespace zv {

class ActionRunner {
 public:
  virtual ~ActionRunner() = default;
  // name is the action's catalogue name without a number; parameter is its parameter text,
  // empty for actions without one. A name that no action has runs nothing.
  virtual void RunAction(const std::string& name, const std::string& parameter) = 0;
  // The same for the key's auto-repeat: actions of a press only ("Run") stay put.
  virtual void RepeatAction(const std::string& name, const std::string& parameter) {
    RunAction(name, parameter);
  }
  // The keyboard went out of sight: actions do not press keys started before the loss.
  virtual void DropKeys() noexcept {}
};

// One keystroke of a combination.
struct SimulatedKey {
  int code;
  bool isDown;
};

// How every key-producing part of the engine injects keystrokes: it announces each code to the
// hook first, then injects the events.
class KeySimulator {
 public:
  virtual ~KeySimulator() = default;
  virtual void SimulateKey(int code, bool isDown) = 0;
  // A key combination: every event is announced in order, then all are injected in one piece,
  // so no typed key comes between them and an error leaves none of them injected.
  virtual void SimulateKeys(const std::vector<SimulatedKey>& keys) {
    for (const SimulatedKey& k : keys) SimulateKey(k.code, k.isDown);
  }
  // Releases every key the program pressed and has not released, once: the program lost sight
  // of the keyboard (hook removed or dropped, lock, suspend, exit) or an action that pressed
  // keys was cut short.
  virtual void ReleasePressedKeys() noexcept {}
};

}  // namespace zv
