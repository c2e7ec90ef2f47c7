#pragma once
// A main thread, timers and a worker on a virtual clock, all run by the test on its own thread.
// Delays cost no time, and Now() tells when each thing happened.
#include <deque>
#include <functional>
#include <map>
#include <utility>

#include "platform/scheduler.h"

namespace zv::fake {

class FakeScheduler : public platform::Scheduler {
 public:
  void Post(std::function<void()> work) override;
  platform::TimerId StartTimer(int ms, std::function<void()> work) override;
  void CancelTimer(platform::TimerId id) override;
  platform::JobId RunInBackground(std::function<void()> work, std::function<void()> then) override;
  void CancelBackground(platform::JobId id) override;

  // Virtual milliseconds since the start.
  long long Now() const { return now_; }
  // True while background work runs: fakes use it to tell where they were called from.
  bool InBackground() const { return inBackground_; }
  // Runs posted work and background jobs until none is left; the clock stands still.
  void RunPending();
  // Moves the clock forward by ms, firing due timers in time order with the pending work
  // that each leaves behind.
  void Advance(long long ms);
  // Runs everything, moving the clock to each next timer, until nothing is left.
  void RunAll();
  std::size_t PendingTimers() const { return timers_.size(); }
  bool Idle() const { return posted_.empty() && background_.empty() && timers_.empty(); }
  // Runs one piece of work: the first posted one, or else the worker's next job. False when
  // there is none.
  bool RunOne();

 private:
  struct Job {
    platform::JobId id;
    std::function<void()> work, then;
  };
  std::deque<std::function<void()>> posted_;
  std::deque<Job> background_;
  // Keyed by (due time, id): equal due times fire in the order they were started.
  std::map<std::pair<long long, platform::TimerId>, std::function<void()>> timers_;
  platform::TimerId nextId_ = 1;
  platform::JobId nextJob_ = 1;
  long long now_ = 0;
  bool inBackground_ = false;
};

}  // namespace zv::fake
