#pragma once
// What an action does, written down as steps before any of it happens, so that waiting never
// holds the main thread: a pause becomes a timer and a blocking device call becomes work for
// the worker thread, and the action goes on from the message loop.
#include <algorithm>
#include <deque>
#include <functional>

namespace zv {

class ActionSteps {
 public:
  enum class Kind { kRun, kKeys, kWait, kBackground, kRetry };
  struct Step {
    Kind kind;
    std::function<void()> work;     // kRun, kKeys on the main thread, kBackground on the
                                    // worker; kRetry: what to do when no attempt succeeded
    int ms = 0;                     // kWait; kRetry: the pause between attempts
    std::function<bool()> attempt;  // kRetry
    int tries = 0;                  // kRetry: the attempts left
  };

  // Runs work on the main thread; an exception stops the action there.
  void Run(std::function<void()> work) {
    steps_.push_back({Kind::kRun, std::move(work), 0, nullptr, 0});
  }
  // Runs work that presses keys for the programs, on the main thread; dropped when the
  // keyboard goes out of sight before its turn (DropKeys).
  void Keys(std::function<void()> work) {
    steps_.push_back({Kind::kKeys, std::move(work), 0, nullptr, 0});
  }
  // Lets ms milliseconds pass before the next step; other messages are handled meanwhile.
  void Wait(int ms) { steps_.push_back({Kind::kWait, nullptr, ms < 0 ? 0 : ms, nullptr, 0}); }
  // Runs work on the worker thread; the next step waits for it.
  void InBackground(std::function<void()> work) {
    steps_.push_back({Kind::kBackground, std::move(work), 0, nullptr, 0});
  }

  // Calls attempt on the worker thread until it answers true: at once, then again every everyMs
  // for about forMs, with other messages handled in between; when none succeeded, giveUp runs
  // on the main thread (it may throw).
  void Retry(std::function<bool()> attempt, int everyMs, int forMs, std::function<void()> giveUp) {
    int tries = 1 + (everyMs > 0 ? forMs / everyMs : 0);
    steps_.push_back({Kind::kRetry, std::move(giveUp), everyMs, std::move(attempt), tries});
  }

  bool Empty() const { return steps_.empty(); }
  // Puts a step back in front, to be taken again.
  void PutBack(Step s) { steps_.push_front(std::move(s)); }
  Step Take() {
    Step s = std::move(steps_.front());
    steps_.pop_front();
    return s;
  }
  void Clear() { steps_.clear(); }
  // The keys still to come go, and the delays between them: what the action sets up or gives
  // back (the clipboard lent to a paste) still runs.
  void DropKeys() {
    steps_.erase(std::remove_if(
                     steps_.begin(), steps_.end(),
                     [](const Step& s) { return s.kind == Kind::kKeys || s.kind == Kind::kWait; }),
                 steps_.end());
  }

 private:
  std::deque<Step> steps_;
};

}  // namespace zv
