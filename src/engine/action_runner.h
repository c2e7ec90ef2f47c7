#pragma once
// What the dispatcher calls for a target that is an action ("Volume Up", "TypeText").
#include <string>

namespace zv {

class ActionRunner {
 public:
  virtual ~ActionRunner() = default;
  // name is the action's catalogue name without a number; parameter is its parameter text,
  // empty for actions without one. A name that no action has runs nothing.
  virtual void RunAction(const std::string& name, const std::string& parameter) = 0;
};

// How every key-producing part of the engine injects one keystroke: it announces the code to
// the hook first, then injects the event.
class KeySimulator {
 public:
  virtual ~KeySimulator() = default;
  virtual void SimulateKey(int code, bool isDown) = 0;
};

}  // namespace zv
