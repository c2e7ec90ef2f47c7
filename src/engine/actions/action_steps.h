#pragma once
// What an action does, written down as steps before any of it happens, so that waiting never
// holds the main thread: a pause becomes a timer and a blocking device call becomes work for
// the worker thread, and the action goes on from the message loop.
#include <deque>
#include <functional>

namespace zv {

class ActionSteps {
 public:
  enum class Kind { kRun, kWait, kBackground };
  struct Step {
    Kind kind;
    std::function<void()> work;  // kRun on the main thread, kBackground on the worker
    int ms = 0;                  // kWait
  };

  // Runs work on the main thread; an exception stops the action there.
  void Run(std::function<void()> work) { steps_.push_back({Kind::kRun, std::move(work), 0}); }
  // Lets ms milliseconds pass before the next step; other messages are handled meanwhile.
  void Wait(int ms) { steps_.push_back({Kind::kWait, nullptr, ms < 0 ? 0 : ms}); }
  // Runs work on the worker thread; the next step waits for it.
  void InBackground(std::function<void()> work) {
    steps_.push_back({Kind::kBackground, std::move(work), 0});
  }

  bool Empty() const { return steps_.empty(); }
  Step Take() {
    Step s = std::move(steps_.front());
    steps_.pop_front();
    return s;
  }
  void Clear() { steps_.clear(); }

 private:
  std::deque<Step> steps_;
};

}  // namespace zv
